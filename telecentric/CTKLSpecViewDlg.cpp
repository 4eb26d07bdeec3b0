#include "telecentric/CTKLSpecViewDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "platform/PageMessages.h"
#include "platform/wx/PageMessagesWx.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"
#include "telecentric/TelecentricSearch.h"

using namespace tkl_sheet;

const wxColour CTKLSpecViewDlg::kPageColour(127, 157, 185);

namespace {

// The two columns of the value table, top to bottom; the label of value
// cell id sits under control id - 11 (5001..5010; "Model" is 5000).
struct SheetRow {
    int valueId;
    const wchar_t* label;
};
constexpr SheetRow kLeftRows[] = {{kIllumination, L"Illumination"},
                                  {kMagnification, L"Optical Magnification [x]"},
                                  {kOI, L"OI [mm]"},
                                  {kWDOD, L"WD / OD [mm]"},
                                  {kResolution, L"Resolution [um]"}};
constexpr SheetRow kRightRows[] = {{kDOF, L"DOF [mm]"},
                                   {kNA, L"NA"},
                                   {kFeff, L"Effective Fno"},
                                   {kDistortion, L"Optical Distortion (max) [%]"},
                                   {kImageFormat, L"Image Format [mm]"}};
constexpr int kLabelOffset = 11;

// The values beside each drawing, top to bottom.
constexpr SheetRow kDrawingRows[] = {{kFigureOD, L"OD:"},
                                     {kFigureLensBack, L"Lens Back:"},
                                     {kFigureWD, L"WD:"},
                                     {kFigureBarrelLength, L"Barrel Length:"},
                                     {kFigureOI, L"OI:"}};
constexpr SheetRow kHoldRows[] = {{kHoldA, L"A:"},
                                  {kHoldB, L"B:"},
                                  {kHoldC, L"C:"},
                                  {kHoldD, L"D:"},
                                  {kHoldLength, L"Hold Length:"}};

// Layout (pixels): the model and the button on top, the value table in two
// columns under them, then the two drawings one above the other, each with
// its values on its right.
constexpr int kMargin = 20;
constexpr int kModelTop = 8;
constexpr int kModelX = 150, kModelW = 260;
constexpr int kButtonX = 430, kButtonW = 180, kButtonH = 32;
constexpr int kTableTop = 58, kTableStep = 28;
// Labels and values share their text line; a value's white cell is as tall
// as its text.
constexpr int kTextDrop = 4;
constexpr int kLeftLabelX = kMargin, kLeftValueX = 225;
constexpr int kRightLabelX = 420, kRightValueX = 640;
constexpr int kValueW = 170;
constexpr int kDrawingX = kMargin, kDrawingW = 560, kDrawingH = 166;
constexpr int kDrawingTop = 208, kHoldTop = 384;
constexpr int kFigureLabelX = 600, kFigureValueX = 710, kFigureValueW = 80, kFigureUnitX = 796;
constexpr int kFigureTop = 6, kFigureStep = 28;
// "Not hold" beside the swatch in the holding drawing's bottom right corner.
constexpr int kNotHoldX = kDrawingX + kDrawingW + 6, kNotHoldY = kHoldTop + kDrawingH - 22;

constexpr int kTabIlluminationSearch = 6;
constexpr int kOriginTelecentricSpec = 4;

}  // namespace

// ---- controls ----------------------------------------------------------------

void CTKLSpecViewDlg::CreateControls() {
    SetBackgroundColour(kPageColour);
    CreateSheet();
    CreateDrawingValues();
    AddPicture(kDrawing, kDrawingPng, kDrawingX, kDrawingTop, kDrawingW, kDrawingH);
    AddPicture(kHoldDrawing, kHoldDrawingPng, kDrawingX, kHoldTop, kDrawingW, kDrawingH);
    new wxStaticText(this, wxID_ANY, "Not hold", wxPoint(kNotHoldX, kNotHoldY));
    AddLogo(kLogo);
}

void CTKLSpecViewDlg::CreateSheet() {
    auto label = [this](int id, const wchar_t* text, int x, int y) {
        auto* l = AddControl(id, new wxStaticText(this, wxID_ANY, text, wxPoint(x, y + kTextDrop)));
        l->SetForegroundColour(*wxWHITE);
    };
    auto value = [this](int id, int x, int y) {
        auto* v = AddControl(id, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(x, y + kTextDrop), wxSize(kValueW, -1),
                                                  wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL));
        v->SetBackgroundColour(*wxWHITE);
    };

    label(kLabelFirst, L"Model", kLeftLabelX, kModelTop);
    auto* combo = AddControl(kModelCombo, new wxChoice(this, wxID_ANY, wxPoint(kModelX, kModelTop - 2),
                                                       wxSize(kModelW, -1)));
    combo->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnCbnSelchangeModel(); });
    // The model name stands where the combo is while a lens from the search is shown.
    auto* name = AddControl(kModelName, new wxStaticText(this, wxID_ANY, wxEmptyString,
                                                         wxPoint(kModelX, kModelTop + 4), wxSize(kModelW, -1)));
    name->Hide();
    auto* select = AddControl(kSelectIllumination, new wxButton(this, wxID_ANY, "Select illumination",
                                                                wxPoint(kButtonX, kModelTop - 4),
                                                                wxSize(kButtonW, kButtonH)));
    select->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedSelectIllumination(); });
    select->Disable();

    for (size_t i = 0; i < std::size(kLeftRows); ++i) {
        const int y = kTableTop + kTableStep * static_cast<int>(i);
        label(kLeftRows[i].valueId - kLabelOffset, kLeftRows[i].label, kLeftLabelX, y);
        value(kLeftRows[i].valueId, kLeftValueX, y);
        label(kRightRows[i].valueId - kLabelOffset, kRightRows[i].label, kRightLabelX, y);
        value(kRightRows[i].valueId, kRightValueX, y);
    }
    // The barrel length again, for the report only.
    AddControl(kBarrelLengthHidden, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(kLeftValueX, kTableTop)))
        ->Hide();
}

void CTKLSpecViewDlg::CreateDrawingValues() {
    auto rows = [this](const SheetRow* first, const SheetRow* last, int top) {
        int y = top + kFigureTop;
        for (const SheetRow* r = first; r != last; ++r, y += kFigureStep) {
            new wxStaticText(this, wxID_ANY, r->label, wxPoint(kFigureLabelX, y + kTextDrop));
            auto* v = AddControl(r->valueId, new wxStaticText(this, wxID_ANY, wxEmptyString, wxPoint(kFigureValueX, y + kTextDrop),
                                                              wxSize(kFigureValueW, -1),
                                                              wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL));
            v->SetBackgroundColour(*wxWHITE);
            new wxStaticText(this, wxID_ANY, "mm", wxPoint(kFigureUnitX, y + kTextDrop));
        }
    };
    rows(std::begin(kDrawingRows), std::end(kDrawingRows), kDrawingTop);
    rows(std::begin(kHoldRows), std::end(kHoldRows), kHoldTop);
}

void CTKLSpecViewDlg::OnInitDialog() {
    CPage::OnInitDialog();
    auto bitmapOf = [this](int id) {
        auto* picture = GetControlAs<wxStaticBitmap>(id);
        return picture ? picture->GetBitmap() : wxBitmap();
    };
    m_hLogoBitmap = bitmapOf(kLogo);
    m_hDrawingBitmap = bitmapOf(kDrawing);
    m_hHoldBitmap = bitmapOf(kHoldDrawing);
}

// ---- the lens ----------------------------------------------------------------

void CTKLSpecViewDlg::ShowLens(CTKLData* lens) {
    if (!lens) return;
    m_pCurrentLens = lens;
    // Every equal entry is selected in turn; the last one stays selected.
    for (int i = 0; i < ComboGetCount(kModelCombo); ++i)
        if (ComboGetString(kModelCombo, i) == lens->Type) ComboSetCurSel(kModelCombo, i);
    FillSpec(lens, FindExtra(m_arrTKLExtraData, lens->Type));
}

void CTKLSpecViewDlg::FillSpec(CTKLData* lens, CTKLExtraData* extra) {
    if (!lens) return;
    for (const tagSheetCell& cell : SheetCells(*lens, extra)) SetItemText(cell.id, cell.text);
}

void CTKLSpecViewDlg::OnCbnSelchangeModel() {
    const int sel = ComboGetCurSel(kModelCombo);
    if (sel < 0) return;
    ShowLens(tkl_search::FindLens(m_arrTKLData, ComboGetString(kModelCombo, sel)));
}

void CTKLSpecViewDlg::OnBnClickedSelectIllumination() {
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, kTabIlluminationSearch, kOriginTelecentricSpec);
}
