#include "telecentric/CTklModelSelectionDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "catalogue/CCCTVCCDData.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/PageMessages.h"
#include "platform/Strings.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/wx/PageMessagesWx.h"

using namespace tkl_search;

namespace {

// The given quantities, in box order 4000..4002.
struct QuantityLabel {
    const wchar_t* label;
    const wchar_t* unit;
};
constexpr QuantityLabel kQuantityLabels[kQuantityCount] = {
    {L"Vertical FOV", L"mm"}, {L"Horizontal FOV", L"mm"}, {L"Magnification", L"x"}};

// Layout (pixels): the sensor and the quantity groups side by side, the
// buttons under the page picture, the result list below reaching down to
// just above the visible bottom of the page.
constexpr int kGroupTop = 6;
constexpr int kRowStep = 34;
constexpr int kEditHeight = 30;
constexpr int kSensorX = 10, kSensorW = 262, kSensorH = 206;
constexpr int kQuantityX = 282, kQuantityW = 290, kQuantityH = 140;
constexpr int kButtonsX = 582, kButtonsTop = 176, kButtonW = 124, kButtonH = 34;
constexpr int kListTop = 226;

constexpr int kTabTelecentricSpec = 4;

}  // namespace

// ---- controls ----------------------------------------------------------------

void CTklModelSelectionDlg::CreateControls() {
    CreateSensorGroup();
    CreateQuantityGroup();
    auto* search = AddControl(kSearch, new wxButton(this, wxID_ANY, "Search", wxPoint(kButtonsX, kButtonsTop),
                                                    wxSize(kButtonW, kButtonH)));
    auto* clear = AddControl(kClear, new wxButton(this, wxID_ANY, "Clear",
                                                  wxPoint(kButtonsX + kButtonW + 10, kButtonsTop),
                                                  wxSize(kButtonW, kButtonH)));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedSearch(); });
    clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedClear(); });
    CreateResultList();
    AddLogo(kLogo);
    Bind(wxEVT_CHAR_HOOK, &CTklModelSelectionDlg::OnCharHook, this);
}

void CTklModelSelectionDlg::CreateSensorGroup() {
    new wxStaticBox(this, wxID_ANY, "Sensor", wxPoint(kSensorX, kGroupTop), wxSize(kSensorW, kSensorH));
    const int x = kSensorX + 12;
    auto* combo = AddControl(kSensorCombo, new wxChoice(this, wxID_ANY, wxPoint(x, kGroupTop + 26),
                                                        wxSize(kSensorW - 24, -1)));
    combo->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnCbnSelchangeSensor(); });
    auto* manual = AddControl(kManualInput, new wxCheckBox(this, wxID_ANY, "Manual input",
                                                           wxPoint(x, kGroupTop + 68)));
    manual->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedManualInput(); });

    const std::pair<int, const wchar_t*> sizes[] = {
        {kManualV, L"Vertical"}, {kManualH, L"Horizontal"}, {kManualD, L"Diagonal"}};
    int y = kGroupTop + 98;
    for (const auto& [id, label] : sizes) {
        new wxStaticText(this, wxID_ANY, label, wxPoint(x + 20, y + 6));
        AddControl(id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 110, y),
                                      wxSize(86, kEditHeight), wxTE_READONLY));
        new wxStaticText(this, wxID_ANY, "mm", wxPoint(x + 202, y + 6));
        y += kRowStep;
    }
}

void CTklModelSelectionDlg::CreateQuantityGroup() {
    new wxStaticBox(this, wxID_ANY, "Search by", wxPoint(kQuantityX, kGroupTop), wxSize(kQuantityW, kQuantityH));
    const int x = kQuantityX + 12;
    int y = kGroupTop + 26;
    for (int i = 0; i < kQuantityCount; ++i) {
        const int boxId = kQuantityFirst + i;
        auto* box = AddControl(boxId, new wxCheckBox(this, wxID_ANY, kQuantityLabels[i].label, wxPoint(x, y + 5)));
        box->Bind(wxEVT_CHECKBOX, [this, boxId](wxCommandEvent&) { OnBnClickedInputKind(boxId); });
        auto* edit = AddControl(kValueFirst + i, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 142, y),
                                                                wxSize(100, kEditHeight), wxTE_RIGHT | wxTE_READONLY));
        quorrel::BindDigitsOnlyFilter(edit);
        new wxStaticText(this, wxID_ANY, kQuantityLabels[i].unit, wxPoint(x + 248, y + 6));
        y += kRowStep;
    }
}

void CTklModelSelectionDlg::CreateResultList() {
    m_listResult = AddResultList(kResultList, kListTop);
    m_listResult->onColumnClick = [this](int column) { OnLvnColumnclickResult(column); };
    m_listResult->onRowSelected = [this](long row) { OnLvnItemchangedResult(row); };
    m_listResult->onDoubleClick = [this](long row) { OnNMDblclkResult(row); };
}

void CTklModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    for (int i = 0; i < kQuantityCount; ++i) {
        CheckItem(kQuantityFirst + i, false);
        SetItemText(kValueFirst + i, L"");
        SetItemReadOnly(kValueFirst + i, true);
    }
    using quorrel::LoadString;
    m_listResult->AddColumns({{LoadString(20043), 150},
                              {LoadString(20044), 80},
                              {LoadString(20045), 90},
                              {LoadString(20064), 120},
                              {LoadString(20027), 120},
                              {LoadString(20028), 120},
                              {LoadString(20029), 120}});
    m_listResult->FitFontToHeaders();
}

// ---- keys ------------------------------------------------------------------------

void CTklModelSelectionDlg::OnCharHook(wxKeyEvent& event) {
    OnSearchPageKey(event, kValueFirst, kQuantityCount, [this] { OnBnClickedSearch(); });
}

// ---- inputs ------------------------------------------------------------------------

void CTklModelSelectionDlg::OnBnClickedInputKind(int id) {
    TickExclusiveBox(id, kQuantityFirst, kValueFirst, kQuantityCount);
}

void CTklModelSelectionDlg::OnCbnSelchangeSensor() {
    const int sel = ComboGetCurSel(kSensorCombo);
    if (sel < 0) return;
    const std::wstring name = ComboGetString(kSensorCombo, sel);
    const auto it = std::find_if(m_arrCCDData.begin(), m_arrCCDData.end(),
                                 [&name](const CCCTVCCDData* s) { return s->m_strType == name; });
    if (it == m_arrCCDData.end()) return;
    for (int id : {kManualV, kManualH, kManualD}) SetItemText(id, L"");
    EnableItem(kQuantityFirst + kVerticalFov, true);
    EnableItem(kQuantityFirst + kHorizontalFov, true);
    SetItemText(kManualV, quorrel::FormatFixed((*it)->m_dVertical, 2));
    SetItemText(kManualH, quorrel::FormatFixed((*it)->m_dHorizontal, 2));
    SetItemText(kManualD, quorrel::FormatFixed((*it)->m_dRadial, 2));
}

void CTklModelSelectionDlg::OnBnClickedManualInput() {
    if (IsItemChecked(kManualInput)) {
        EnableItem(kSensorCombo, false);
        ComboSetCurSel(kSensorCombo, -1);
        for (int id : {kManualV, kManualH, kManualD}) SetItemReadOnly(id, false);
        EnableItem(kQuantityFirst + kVerticalFov, true);
        EnableItem(kQuantityFirst + kHorizontalFov, true);
        m_bManualInput = 1;
        return;
    }
    EnableItem(kSensorCombo, true);
    for (int id : {kManualV, kManualH, kManualD}) {
        SetItemReadOnly(id, true);
        SetItemText(id, L"");
    }
    for (int q : {kVerticalFov, kHorizontalFov}) {
        CheckItem(kQuantityFirst + q, false);
        SetItemText(kValueFirst + q, L"");
        SetItemReadOnly(kValueFirst + q, true);
    }
    m_bManualInput = 0;
}

// ---- search ----------------------------------------------------------------------

tagTklSearchInput CTklModelSelectionDlg::ReadSearchInput() const {
    tagTklSearchInput in;
    in.bManualSensor = m_bManualInput != 0;
    in.dTypedH = quorrel::ParseLeadingNumber(GetItemText(kManualH));
    in.dTypedV = quorrel::ParseLeadingNumber(GetItemText(kManualV));
    in.dTypedD = quorrel::ParseLeadingNumber(GetItemText(kManualD));
    const int sel = ComboGetCurSel(kSensorCombo);
    if (sel >= 0 && static_cast<size_t>(sel) < m_arrCCDData.size()) in.pSensor = m_arrCCDData[static_cast<size_t>(sel)];
    for (int q = 0; q < kQuantityCount && in.nQuantity == kNoQuantity; ++q)
        if (IsItemChecked(kQuantityFirst + q)) in.nQuantity = q;
    if (in.nQuantity != kNoQuantity) in.dValue = quorrel::ParseLeadingNumber(GetItemText(kValueFirst + in.nQuantity));
    return in;
}

void CTklModelSelectionDlg::ShowPlan(const tagTklSearchPlan& plan) {
    if (plan.nSensorEdits == kWriteDiagonal) {
        SetItemText(kManualD, quorrel::FormatFixed(plan.dD, 2));
    } else if (plan.nSensorEdits == kWriteSides) {
        SetItemText(kManualH, quorrel::FormatFixed(plan.dH, 2));
        SetItemText(kManualV, quorrel::FormatFixed(plan.dV, 2));
    }
    if (plan.nMessage != 0) return;
    // The quantity typed stays as typed; the other two follow from it.
    for (int q = 0; q < kQuantityCount; ++q)
        if (q != plan.nQuantity) SetItemText(kValueFirst + q, quorrel::FormatFixed(plan.dQuantities[q], 2));
}

void CTklModelSelectionDlg::OnBnClickedSearch() {
    const tagTklSearchPlan plan = PlanSearch(ReadSearchInput());
    ShowPlan(plan);
    int message = plan.nMessage;
    if (message == 0 && FillResultList(plan.Magnification(), plan.dD, plan.dV, plan.dH, plan.nSensorMask) <= 0)
        message = kMsgNotApplicable;
    // Rows of an earlier search never stand under conditions that found
    // nothing: the report would print them as this search's results.
    if (message == kMsgNotApplicable) DeleteResults();
    if (message != 0) quorrel::ShowMessage(quorrel::LoadString(message));
}

int CTklModelSelectionDlg::FillResultList(double m, double D, double V, double H, int mask) {
    std::vector<tagTklSearchRow> rows;
    const int count = SearchTelecentric(m_arrTKLData, m, D, V, H, mask, rows);
    if (count < 0) return count;
    DeleteResults();
    m_rows = std::move(rows);
    m_listResult->ShowRows(m_rows.size(), [this](size_t item, int column) -> const std::wstring& {
        return m_rows[item].cells[static_cast<size_t>(column)];
    });
    return count;
}

void CTklModelSelectionDlg::DeleteResults() {
    m_listResult->DeleteAllRows();
    m_nSortOrder = 0;
    m_nSortColumn = 0;
}

void CTklModelSelectionDlg::OnBnClickedClear() { DeleteResults(); }

// ---- result list -------------------------------------------------------------------

void CTklModelSelectionDlg::OnLvnColumnclickResult(int column) {
    m_nSortColumn = column;
    m_order = quorrel::CColumnOrder(ColumnKind(column), m_nSortOrder, m_listResult->ColumnCells(column), SensorRank);
    m_listResult->SortRows([this](size_t item1, size_t item2) { return CompareColumn(item1, item2); });
    m_nSortOrder = m_nSortOrder == 0 ? 1 : 0;
}

int CTklModelSelectionDlg::CompareColumn(size_t item1, size_t item2) const { return m_order.Compare(item1, item2); }

void CTklModelSelectionDlg::OnLvnItemchangedResult(long row) {
    if (row < 0 || row >= m_listResult->GetItemCount()) return;
    m_pCurrentLens = FindLens(m_arrTKLData, m_listResult->RowText(row, kColModel));
}

void CTklModelSelectionDlg::OnNMDblclkResult(long row) {
    if (row < 0 || row >= m_listResult->GetItemCount()) return;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, kTabTelecentricSpec, 0);
}

// ---- reset -------------------------------------------------------------------------

void CTklModelSelectionDlg::ClearAll() {
    ComboSetCurSel(kSensorCombo, -1);
    for (int i = 0; i < kQuantityCount; ++i) {
        CheckItem(kQuantityFirst + i, false);
        SetItemText(kValueFirst + i, L"");
        SetItemReadOnly(kValueFirst + i, true);
    }
    for (int id : {kManualV, kManualH, kManualD}) {
        SetItemText(id, L"");
        SetItemReadOnly(id, true);
    }
    CheckItem(kManualInput, false);
    EnableItem(kSensorCombo, true);
    DeleteResults();
    m_bManualInput = 0;
}
