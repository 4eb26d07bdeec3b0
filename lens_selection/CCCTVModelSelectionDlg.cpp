#include "lens_selection/CCCTVModelSelectionDlg.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "catalogue/CCCTVCCDData.h"
#include "optics/CCCTVData.h"
#include "optics/ModelMath.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/PageMessages.h"
#include "platform/Strings.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/wx/ResultList.h"
#include "platform/wx/PageMessagesWx.h"

namespace {

// The wanted quantities, in box order 2000..2004.
struct Quantity {
    const wchar_t* label;
    const wchar_t* unit;
};
constexpr Quantity kQuantities[CCCTVModelSelectionDlg::kQuantityCount] = {
    {L"Vertical FOV", L"mm"}, {L"Horizontal FOV", L"mm"}, {L"Diagonal FOV", L"mm"},
    {L"Magnification", L"x"}, {L"WD", L"mm"},
};

// Layout of the page (pixels). The top band holds three groups side by side
// under the page picture's corner; the result list fills the rest.
constexpr int kGroupTop = 6;
constexpr int kGroupHeight = 206;
constexpr int kRowStep = 34;
constexpr int kEditHeight = 30;

constexpr int kSensorX = 10, kSensorW = 262;
constexpr int kQuantityX = 282, kQuantityW = 290;
constexpr int kRefineX = 582, kRefineTop = 58, kRefineW = 258, kRefineHeight = 112;

constexpr int kButtonsTop = 176;
// The result list reaches from here down to just above the visible bottom
// of the page.
constexpr int kListTop = 240;
}  // namespace

// ---- controls ----------------------------------------------------------------

void CCCTVModelSelectionDlg::CreateControls() {
    CreateSensorGroup();
    CreateQuantityGroup();
    CreateRefineGroup();

    auto* search = AddControl(kSearch, new wxButton(this, wxID_ANY, "Search", wxPoint(kRefineX, kButtonsTop),
                                                    wxSize(124, 34)));
    auto* clear = AddControl(kClear, new wxButton(this, wxID_ANY, "Clear", wxPoint(kRefineX + 134, kButtonsTop),
                                                  wxSize(124, 34)));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedSearch(); });
    clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedClear(); });

    AddControl(kLegend, new wxStaticText(this, wxID_ANY, "Index Value (Far~Near)", wxPoint(20, kListTop - 22)));
    CreateResultList();
    AddLogo(kPicture);

    Bind(wxEVT_CHAR_HOOK, &CCCTVModelSelectionDlg::OnCharHook, this);
}

void CCCTVModelSelectionDlg::CreateSensorGroup() {
    new wxStaticBox(this, wxID_ANY, "Sensor", wxPoint(kSensorX, kGroupTop), wxSize(kSensorW, kGroupHeight));
    const int x = kSensorX + 12;
    auto* combo = AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(x, kGroupTop + 26),
                                                        wxSize(kSensorW - 24, -1)));
    combo->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnCbnSelchangeSensor(); });

    auto* manual = AddControl(kManualInput, new wxCheckBox(this, wxID_ANY, "Manual input",
                                                           wxPoint(x, kGroupTop + 68)));
    manual->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedManualInput(); });

    struct Size {
        int id;
        const wchar_t* label;
    };
    const Size sizes[] = {{kManualV, L"Vertical"}, {kManualH, L"Horizontal"}, {kManualD, L"Diagonal"}};
    int y = kGroupTop + 98;
    for (const Size& s : sizes) {
        new wxStaticText(this, wxID_ANY, s.label, wxPoint(x + 20, y + 6));
        auto* edit = AddControl(s.id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 110, y),
                                                     wxSize(86, kEditHeight), wxTE_READONLY));
        new wxStaticText(this, wxID_ANY, "mm", wxPoint(x + 202, y + 6));
        const int id = s.id;
        edit->Bind(wxEVT_TEXT, [this, id](wxCommandEvent&) { OnEnChangeManualSensor(id); });
        y += kRowStep;
    }
}

void CCCTVModelSelectionDlg::CreateQuantityGroup() {
    new wxStaticBox(this, wxID_ANY, "Search by", wxPoint(kQuantityX, kGroupTop),
                    wxSize(kQuantityW, kGroupHeight));
    const int x = kQuantityX + 12;
    int y = kGroupTop + 26;
    for (int i = 0; i < kQuantityCount; ++i) {
        const int boxId = kQuantityFirst + i;
        auto* box = AddControl(boxId, new wxCheckBox(this, wxID_ANY, kQuantities[i].label, wxPoint(x, y + 5)));
        box->Bind(wxEVT_CHECKBOX, [this, boxId](wxCommandEvent&) { OnBnClickedInputKind(boxId); });
        auto* edit = AddControl(kValueFirst + i, new wxTextCtrl(this, wxID_ANY, wxEmptyString,
                                                                wxPoint(x + 142, y), wxSize(100, kEditHeight),
                                                                wxTE_RIGHT));
        quorrel::BindDigitsOnlyFilter(edit);
        new wxStaticText(this, wxID_ANY, kQuantities[i].unit, wxPoint(x + 248, y + 6));
        y += kRowStep;
    }
}

void CCCTVModelSelectionDlg::CreateRefineGroup() {
    new wxStaticBox(this, wxID_ANY, "Refine Search", wxPoint(kRefineX, kRefineTop),
                    wxSize(kRefineW, kRefineHeight));
    const int x = kRefineX + 12;
    auto* wd = AddControl(kRefineWD, new wxCheckBox(this, wxID_ANY, "WD", wxPoint(x, kRefineTop + 46)));
    wd->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedRefineWD(); });
    AddControl(kWDMin, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 56, kRefineTop + 24),
                                      wxSize(80, kEditHeight), wxTE_RIGHT));
    new wxStaticText(this, wxID_ANY, "mm and above", wxPoint(x + 142, kRefineTop + 30));
    AddControl(kWDMax, new wxTextCtrl(this, wxID_ANY, wxEmptyString,
                                      wxPoint(x + 56, kRefineTop + 24 + kRowStep), wxSize(80, kEditHeight),
                                      wxTE_RIGHT));
    new wxStaticText(this, wxID_ANY, "mm and less", wxPoint(x + 142, kRefineTop + 30 + kRowStep));
}

void CCCTVModelSelectionDlg::CreateResultList() {
    m_listResult = AddResultList(kResultList, kListTop);
    m_listResult->onColumnClick = [this](int column) { OnLvnColumnclickResult(column); };
    m_listResult->onClick = [this](long row) { OnNMClickResult(row); };
    m_listResult->onDoubleClick = [this](long row) { OnNMDblclkResult(row); };
}

void CCCTVModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kPicture)) m_hLogoBitmap = picture->GetBitmap();
    for (int i = 0; i < kQuantityCount; ++i) {
        CheckItem(kQuantityFirst + i, false);
        SetItemText(kValueFirst + i, L"");
        SetItemReadOnly(kValueFirst + i, true);
    }
    using quorrel::LoadString;
    m_listResult->AddColumns({{LoadString(20025), 130},
                              {LoadString(20026), 95},
                              {LoadString(20064), 115},
                              {LoadString(20027), 115},
                              {LoadString(20068), 115},
                              {LoadString(20028), 115},
                              {LoadString(20029), 115},
                              {L"", 0}});
    m_listResult->FitFontToHeaders();
    for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) EnableItem(id, false);
}

// ---- keys ------------------------------------------------------------------------

void CCCTVModelSelectionDlg::OnCharHook(wxKeyEvent& event) {
    OnSearchPageKey(event, kValueFirst, kQuantityCount, [this] { OnBnClickedSearch(); });
}

// ---- inputs ------------------------------------------------------------------------

void CCCTVModelSelectionDlg::OnBnClickedInputKind(int id) {
    TickExclusiveBox(id, kQuantityFirst, kValueFirst, kQuantityCount);
}

void CCCTVModelSelectionDlg::OnCbnSelchangeSensor() {
    const int sel = ComboGetCurSel(kSensorCombo);
    m_strSensorText = ComboGetString(kSensorCombo, sel);
    if (sel < 0 || static_cast<size_t>(sel) >= m_arrCCDData.size()) return;
    const CCCTVCCDData& format = *m_arrCCDData[static_cast<size_t>(sel)];

    m_nSensorAxes = format.m_nAreaFlag;
    for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) EnableItem(id, false);
    for (int id : {kManualV, kManualH, kManualD}) SetItemText(id, L"");

    if (format.m_nAreaFlag & lens_search::kAxesVH) {
        EnableItem(kQuantityFirst, true);
        EnableItem(kQuantityFirst + 1, true);
        SetItemText(kValueFirst + 2, L"");
        SetItemReadOnly(kValueFirst + 2, true);
        CheckItem(kQuantityFirst + 2, false);
        SetItemText(kManualV, quorrel::FormatFixed(format.m_dVertical, 2));
        SetItemText(kManualH, quorrel::FormatFixed(format.m_dHorizontal, 2));
        SetItemText(kManualD, quorrel::FormatFixed(format.m_dRadial, 2));
    }
    if (format.m_nAreaFlag & lens_search::kAxesDiagonalOnly) {
        EnableItem(kQuantityFirst + 2, true);
        for (int edit : {kValueFirst, kValueFirst + 1}) {
            SetItemText(edit, L"");
            SetItemReadOnly(edit, true);
        }
        CheckItem(kQuantityFirst, false);
        CheckItem(kQuantityFirst + 1, false);
        SetItemText(kManualD, quorrel::FormatFixed(format.m_dRadial, 2));
    }
}

void CCCTVModelSelectionDlg::OnBnClickedManualInput() {
    const bool ticked = IsItemChecked(kManualInput);
    if (ticked) {
        EnableItem(kSensorCombo, false);
        ComboSetCurSel(kSensorCombo, -1);
        for (int id : {kManualV, kManualH, kManualD}) SetItemReadOnly(id, false);
        for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) EnableItem(id, true);
    } else {
        EnableItem(kSensorCombo, true);
        for (int id : {kManualV, kManualH, kManualD}) {
            SetItemReadOnly(id, true);
            SetItemText(id, L"");
        }
        for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) CheckItem(id, false);
        for (int id = kValueFirst; id < kValueFirst + 3; ++id) {
            SetItemText(id, L"");
            SetItemReadOnly(id, true);
        }
    }
    m_bManualSensor = ticked ? 1 : 0;
    OnEnChangeManualSensor(kManualV);
}

void CCCTVModelSelectionDlg::OnEnChangeManualSensor(int) {
    const bool hasV = !GetItemText(kManualV).empty();
    const bool hasH = !GetItemText(kManualH).empty();
    const bool hasD = !GetItemText(kManualD).empty();
    if (hasH || hasV || !hasD) {
        for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) EnableItem(id, true);
    } else {
        // Only the diagonal is known: the vertical and horizontal fields of
        // view cannot be asked for.
        for (int id : {kQuantityFirst, kQuantityFirst + 1}) {
            EnableItem(id, false);
            CheckItem(id, false);
        }
        EnableItem(kQuantityFirst + 2, true);
    }
}

void CCCTVModelSelectionDlg::OnBnClickedRefineWD() {
    if (IsItemChecked(kRefineWD)) return;
    SetItemText(kWDMin, L"");
    SetItemText(kWDMax, L"");
}

// ---- search ----------------------------------------------------------------------

lens_search::tagSearchInputs CCCTVModelSelectionDlg::ReadSearchInputs() const {
    using quorrel::ParseLeadingNumber;
    lens_search::tagSearchInputs in;
    in.bManualSensor = m_bManualSensor != 0;
    const int sel = ComboGetCurSel(kSensorCombo);
    if (sel >= 0 && static_cast<size_t>(sel) < m_arrCCDData.size()) in.pFormat = m_arrCCDData[static_cast<size_t>(sel)];
    in.dTypedV = ParseLeadingNumber(GetItemText(kManualV));
    in.dTypedH = ParseLeadingNumber(GetItemText(kManualH));
    in.dTypedD = ParseLeadingNumber(GetItemText(kManualD));
    for (int i = 0; i < kQuantityCount; ++i) {
        in.abTicked[i] = IsItemChecked(kQuantityFirst + i);
        in.adValues[i] = ParseLeadingNumber(GetItemText(kValueFirst + i));
    }
    in.bRefineWD = IsItemChecked(kRefineWD);
    in.dWDMin = ParseLeadingNumber(GetItemText(kWDMin));
    in.dWDMax = ParseLeadingNumber(GetItemText(kWDMax));
    in.nSensorAxes = m_nSensorAxes;
    return in;
}

void CCCTVModelSelectionDlg::OnBnClickedSearch() {
    const lens_search::tagSearchOutcome out = lens_search::DecideSearch(ReadSearchInputs());
    static constexpr int kEditIds[] = {kManualV, kManualH, kManualD, kWDMin, kWDMax};  // SearchEdit order
    for (const lens_search::tagEditWrite& w : out.writes) SetItemText(kEditIds[w.edit], w.text);
    m_nSensorAxes = out.nSensorAxes;
    if (out.nMessage != 0) {
        quorrel::ShowMessage(quorrel::LoadString(out.nMessage));
        return;
    }
    const lens_search::tagLensSearchRequest& q = out.request;
    if (FillResultList(q.dDiagonal, q.dHorizontal, q.dVertical, q.dValue, q.nKind, q.dWDMin, q.dWDMax,
                       q.nSensorMask) <= 0)
        quorrel::ShowMessage(quorrel::LoadString(lens_search::kMsgNotApplicable));
}

int CCCTVModelSelectionDlg::FillResultList(double D, double H, double V, double value, int kind, double wdMin,
                                           double wdMax, int sensorMask) {
    if (optics::IsZero(value)) return -1;
    DeleteResults();

    const auto request =
        lens_search::MakeRequest(D, H, V, value, kind, wdMin, wdMax, sensorMask, m_nSensorAxes);
    const int count = lens_search::SearchLenses(m_arrCCTVData, request, m_rows);
    m_listResult->ShowRows(static_cast<size_t>(count), [this](size_t item, int column) -> const std::wstring& {
        return m_rows[item].cells[static_cast<size_t>(column)];
    });
    return count;
}

void CCCTVModelSelectionDlg::DeleteResults() {
    m_listResult->DeleteAllRows();
    m_nSortOrder = 0;
    m_nSortColumn = 0;
}

void CCCTVModelSelectionDlg::OnBnClickedClear() { DeleteResults(); }

// ---- result list -------------------------------------------------------------------

void CCCTVModelSelectionDlg::OnLvnColumnclickResult(int column) {
    m_nSortColumn = column;
    m_order = quorrel::CColumnOrder(ColumnKind(column), m_nSortOrder, m_listResult->ColumnCells(column));
    m_listResult->SortRows([this](size_t item1, size_t item2) { return CompareColumn(item1, item2); });
    m_nSortOrder = m_nSortOrder == 0 ? 1 : 0;
}

quorrel::ColumnKind CCCTVModelSelectionDlg::ColumnKind(int column) {
    // Model names compare case-insensitively under the user's locale, which
    // the application sets at start-up; the ring, field-of-view,
    // magnification and working-distance cells by their leading number.
    if (column == lens_search::kColModel) return quorrel::ColumnKind::kLocaleText;
    if (column > lens_search::kColModel && column <= lens_search::kColWD) return quorrel::ColumnKind::kNumber;
    return quorrel::ColumnKind::kEqual;
}

int CCCTVModelSelectionDlg::CompareColumn(size_t item1, size_t item2) const { return m_order.Compare(item1, item2); }

void CCCTVModelSelectionDlg::OnNMClickResult(long item) {
    if (item < 0 || item >= m_listResult->GetItemCount()) return;
    m_strClickedModel = m_listResult->RowText(item, lens_search::kColModel);
    const double ring = quorrel::ParseLeadingNumber(m_listResult->RowText(item, lens_search::kColRing));
    m_strClickedRing = quorrel::FormatFixed(ring, 1);
    m_strSensorText = GetItemText(kSensorCombo);
    quorrel::PostPageMessage(WM_CCTV_RESULT_CLICKED, 0, 0);
}

void CCCTVModelSelectionDlg::OnNMDblclkResult(long item) {
    if (item < 0 || item >= m_listResult->GetItemCount()) return;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 1, 0);
}

// ---- reset -------------------------------------------------------------------------

void CCCTVModelSelectionDlg::ClearAll() {
    ComboSetCurSel(kSensorCombo, -1);
    for (int id = kQuantityFirst; id < kQuantityFirst + kQuantityCount; ++id) CheckItem(id, false);
    for (int id = kValueFirst; id < kValueFirst + kQuantityCount; ++id) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    for (int id : {kManualV, kManualH, kManualD}) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    CheckItem(kManualInput, false);
    CheckItem(kRefineWD, false);
    SetItemText(kWDMin, L"");
    SetItemText(kWDMax, L"");
    EnableItem(kSensorCombo, true);
    DeleteResults();
    m_bManualSensor = 0;
}
