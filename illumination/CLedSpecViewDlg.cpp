#include "illumination/CLedSpecViewDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "illumination/CLedData.h"
#include "illumination/LedSheet.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/wx/LabelFont.h"
#include "platform/wx/PngResource.h"

namespace {

// Layout: the name and figure at the top left, the calculation at the top
// right, the sheet's three columns below them.
constexpr int kLeft = 20;
constexpr int kCalcLabel = 370;
constexpr int kCalcField = 450;
constexpr int kLensLabel = 392;
constexpr int kLensField = 540;
constexpr int kFieldWidth = 110;
constexpr int kSheetTop = 318;
constexpr int kSheetColumn = 270;  // column pitch
constexpr int kSheetRow = 44;      // row pitch: label, value box under it
constexpr int kSheetWidth = 250;

constexpr int kLanguageString = 25000;

}  // namespace

const wxColour CLedSpecViewDlg::kPageColour(127, 157, 185);

// ---- controls -----------------------------------------------------------

void CLedSpecViewDlg::CreateControls() {
    auto label = [this](const wxString& text, int x, int y) {
        return new wxStaticText(this, wxID_ANY, text, wxPoint(x, y + 7));
    };
    auto edit = [this](int id, int x, int y, long style) {
        return AddControl(id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x, y),
                                             wxSize(kFieldWidth, -1), wxTE_RIGHT | style));
    };

    auto* name = AddControl(kModelName, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(kLeft, 14),
                                                         wxSize(420, -1), wxST_NO_AUTORESIZE));
    quorrel::SetLabelFont(*name, name->GetFont().Bold().Scaled(1.4f));
    AddControl(kFigure, new wxStaticBitmap(this, wxID_ANY, wxNullBitmap, wxPoint(kLeft, 56),
                                           wxSize(kFigureWidth, kFigureHeight)));

    // The calculation.
    label("Item:", kCalcLabel, 56);
    AddControl(kItemCombo, new wxChoice(this, wxID_ANY, wxPoint(kCalcField, 56), wxSize(230, -1)));
    label("Value:", kCalcLabel, 96);
    edit(kValue, kCalcField, 96, 0);
    label("mm", kCalcField + kFieldWidth + 6, 96);
    AddControl(kCalculation, new wxButton(this, wxID_ANY, "Calculation", wxPoint(kCalcField + 150, 96),
                                          wxSize(130, -1)))
        ->Disable();
    AddControl(kLensSpec, new wxCheckBox(this, wxID_ANY, "Lens spec", wxPoint(kCalcLabel, 142)));
    const std::pair<int, const char*> lensEdits[] = {
        {kFovH, "FOV horizontal:"}, {kFovV, "FOV vertical:"}, {kLensWD, "WD:"}, {kEffDiameter, "Effective diameter:"}};
    for (int i = 0; i < 4; ++i) {
        const int y = 170 + 36 * i;
        label(lensEdits[i].second, kLensLabel, y);
        quorrel::BindDigitsOnlyFilter(edit(lensEdits[i].first, kLensField, y, wxTE_READONLY));
        label("mm", kLensField + kFieldWidth + 6, y);
    }

    // The sheet: three columns of five rows, each a label over its value.
    for (int i = 0; i < kSheetRows; ++i) {
        const int x = kLeft + kSheetColumn * (i / 5);
        const int y = kSheetTop + kSheetRow * (i % 5);
        AddControl(kLabelFirst + i, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(x, y),
                                                     wxSize(kSheetWidth, -1), wxST_NO_AUTORESIZE));
        auto* value = AddControl(kValueFirst + i, new wxStaticText(this, wxID_ANY, wxEmptyString,
                                                                   wxPoint(x, y + 18), wxSize(kSheetWidth, 22),
                                                                   wxST_NO_AUTORESIZE | wxBORDER_SIMPLE));
        value->SetBackgroundColour(*wxWHITE);
    }
    label("*All values are design value (Reference). ", kLeft, kSheetTop + 5 * kSheetRow - 4);
    AddLogo(kLogo);

    // Message map.
    GetControl(kLensSpec)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedLensSpec(); });
    GetControl(kCalculation)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedCalculation(); });
}

void CLedSpecViewDlg::OnInitDialog() {
    CPage::OnInitDialog();
    SetBackgroundColour(kPageColour);
    OnCtlColor();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    for (int type = 0; type < kFigureTypes; ++type)
        for (int withLens = 0; withLens < 2; ++withLens)
            if (const int png = led_sheet::FigurePng(type, withLens != 0))
                m_bmpFigure[type][withLens] = quorrel::LoadPngResource(png);
    for (int id : {20141, 20142, 20143, 20144}) ComboAddString(kItemCombo, quorrel::LoadString(id));
}

void CLedSpecViewDlg::OnCtlColor() {
    for (int i = 0; i < kSheetRows; ++i)
        if (wxWindow* label = GetControl(kLabelFirst + i)) label->SetForegroundColour(*wxWHITE);
}

// ---- showing a light ------------------------------------------------------

void CLedSpecViewDlg::ShowLight(CLedData* light, double lensWD, double effectiveDiameter, double fovH,
                                double fovV) {
    if (!light) return;
    m_pCurrentLight = light;
    SetItemText(kModelName, light->ProductName);

    const led_sheet::tagSheet sheet = led_sheet::MakeSheet(*light, m_arrLedTypeData, m_arrLedColorData,
                                                           quorrel::LoadString(kLanguageString));
    for (int i = 0; i < kSheetRows; ++i) {
        SetItemText(kLabelFirst + i, sheet.labels[i]);
        SetItemText(kValueFirst + i, sheet.values[i]);
    }
    EnableItem(kCalculation, sheet.bCalculation);

    const led_sheet::tagLensFields lens = led_sheet::MakeLensFields(lensWD, effectiveDiameter, fovH, fovV);
    CheckItem(kLensSpec, lens.bLensSpec);
    const int lensIds[4] = {kLensWD, kEffDiameter, kFovH, kFovV};
    for (int i = 0; i < 4; ++i) {
        SetItemReadOnly(lensIds[i], !lens.bLensSpec);
        SetItemText(lensIds[i], lens.texts[i]);
    }
    ShowFigure();
}

void CLedSpecViewDlg::ShowFigure() {
    auto* picture = GetControlAs<wxStaticBitmap>(kFigure);
    if (!picture || !m_pCurrentLight) return;
    // A type outside the table has no figure.
    const int type = m_pCurrentLight->Type;
    const bool known = type >= 0 && type < kFigureTypes;
    picture->SetBitmap(known ? m_bmpFigure[type][IsItemChecked(kLensSpec) ? 1 : 0] : wxNullBitmap);
}

// ---- handlers -------------------------------------------------------------

void CLedSpecViewDlg::OnBnClickedLensSpec() {
    const bool lensSpec = IsItemChecked(kLensSpec);
    for (int id : {kLensWD, kEffDiameter, kFovH, kFovV}) SetItemReadOnly(id, !lensSpec);
    ShowFigure();
}

void CLedSpecViewDlg::OnBnClickedCalculation() {
    if (!m_pCurrentLight) return;
    led_sheet::tagCalcRequest request;
    request.nItem = ComboGetCurSel(kItemCombo);
    request.dValue = quorrel::ParseLeadingNumber(GetItemText(kValue));
    request.bLensSpec = IsItemChecked(kLensSpec);
    const int lensIds[4] = {kLensWD, kEffDiameter, kFovH, kFovV};
    for (int i = 0; i < 4; ++i) request.lens[i] = led_sheet::LensEditValue(GetItemText(lensIds[i]));

    const led_sheet::tagCalcOutcome outcome = led_sheet::Calculate(*m_pCurrentLight, request);
    if (outcome.nMessage) quorrel::ShowMessage(quorrel::LoadString(outcome.nMessage), quorrel::MessageIcon::None);
    if (outcome.bWrite)
        for (int i = 0; i < 4; ++i) SetItemText(kValueFirst + led_sheet::kRowWD + i, outcome.results[i]);
}
