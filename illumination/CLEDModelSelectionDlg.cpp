#include "illumination/CLEDModelSelectionDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/imaglist.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "illumination/CLedData.h"
#include "illumination/LedSheet.h"
#include "illumination/LedVocabulary.h"
#include "platform/Message.h"
#include "platform/PageMessages.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/wx/PageHelpers.h"
#include "platform/wx/PageMessagesWx.h"
#include "platform/wx/PngResource.h"

namespace {

// Layout of the page (pixels). Two columns of search inputs, one per mode,
// with the colour and control-method filters below them; the type list
// down the right-hand side under the page picture; the limits and the
// buttons in one row; the result list fills the rest.
constexpr int kEditHeight = 30;
constexpr int kRowStep = 32;
constexpr int kEditWidth = 84;

constexpr int kLensX = 10, kLensW = 272;
constexpr int kIllumX = 292, kIllumW = 314;
constexpr int kModeTop = 4, kModeHeight = 204;
constexpr int kFilterTop = 214, kFilterHeight = 118;
constexpr int kTypeX = 616, kTypeTop = 56, kTypeW = 224;
constexpr int kButtonW = 107;
constexpr int kLimitTop = 340;
constexpr int kListTop = 382;

// The row icons, image indexes 0 to 7; a row uses 0 (catalogue light) or 1
// (made to order).
constexpr int kRowIcons[] = {354, 359, 358, 356, 355, 361, 357, 360};
constexpr int kIconSize = 16;
// Room beside a cell's text: the list's own margins and the grid line.
constexpr int kCellPadding = 16;
// A column is sized by the longest texts only; measuring every cell of a
// long list would take longer than the search.
constexpr size_t kMeasuredPerColumn = 24;

constexpr const wchar_t* kColorLabels[led_search::kColorCount] = {L"Red", L"Green", L"Blue",
                                                                  L"White", L"IR", L"UV"};
constexpr const wchar_t* kControlLabels[led_search::kControlCount] = {
    L"Constant Current Control System (CC)", L"Constant Voltage Control System (CV)"};

}  // namespace

// ---- controls ----------------------------------------------------------------

void CLEDModelSelectionDlg::CreateControls() {
    m_pNoMode = new wxRadioButton(this, wxID_ANY, wxEmptyString, wxPoint(0, 0), wxSize(0, 0), wxRB_GROUP);
    m_pNoMode->Hide();
    CreateLensGroup();
    CreateIllumWDGroup();
    CreateTypeGroup();
    CreateAllGroup("Emitted Color", kLensX, kLensW, kColorAll, kColorFirst, kColorLabels, led_search::kColorCount, 3,
                   &CLEDModelSelectionDlg::OnBnClickedColorAll);
    CreateAllGroup("Control System", kIllumX, kIllumW, kControlAll, kControlFirst, kControlLabels,
                   led_search::kControlCount, 1, &CLEDModelSelectionDlg::OnBnClickedControlAll);
    CreateLimitGroup();
    CreateResultList();
    AddLogo(kLogo);
}

void CLEDModelSelectionDlg::CreateLensGroup() {
    new wxStaticBox(this, wxID_ANY, wxEmptyString, wxPoint(kLensX, kModeTop), wxSize(kLensW, kModeHeight));
    auto* mode = AddControl(kModeLensSpec, new wxRadioButton(this, wxID_ANY, "Search lens specification",
                                                             wxPoint(kLensX + 12, kModeTop + 10)));
    mode->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnBnClickedSearchMode(kModeLensSpec); });
    struct Row {
        int id;
        const wchar_t* label;
    };
    const Row rows[] = {{kFovH, L"Horizontal FOV"}, {kFovV, L"Vertical FOV"}, {kFovD, L"Diagonal FOV"},
                        {kLensWD, L"Lens WD"}, {kEffDiameter, L"Effective diameter"}};
    const int x = kLensX + 12;
    int y = kModeTop + 40;
    for (const Row& r : rows) {
        new wxStaticText(this, wxID_ANY, r.label, wxPoint(x + 8, y + 6));
        auto* edit = AddControl(r.id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 140, y),
                                                     wxSize(kEditWidth, kEditHeight), wxTE_RIGHT));
        quorrel::BindDigitsOnlyFilter(edit);
        new wxStaticText(this, wxID_ANY, "mm", wxPoint(x + 146 + kEditWidth, y + 6));
        y += kRowStep;
    }
}

void CLEDModelSelectionDlg::CreateIllumWDGroup() {
    new wxStaticBox(this, wxID_ANY, wxEmptyString, wxPoint(kIllumX, kModeTop), wxSize(kIllumW, kModeHeight));
    auto* mode = AddControl(kModeIllumWD, new wxRadioButton(this, wxID_ANY, "Search WD of illumination",
                                                            wxPoint(kIllumX + 12, kModeTop + 10)));
    mode->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnBnClickedSearchMode(kModeIllumWD); });
    const int x = kIllumX + 12;
    const int headingTop = kModeTop + 40;
    new wxStaticText(this, wxID_ANY, "Lighting area", wxPoint(x + 8, headingTop + 6));
    const wchar_t* axes[] = {L"Horizontal", L"Vertical", L"Diagonal"};
    int y = headingTop + 26;
    for (int i = 0; i < 3; ++i) {
        const int boxId = kAxisFirst + i;
        auto* box = AddControl(boxId, new wxCheckBox(this, wxID_ANY, axes[i], wxPoint(x + 20, y + 5)));
        box->Bind(wxEVT_CHECKBOX, [this, boxId](wxCommandEvent&) { OnBnClickedAreaAxis(boxId); });
        auto* edit = AddControl(kAreaFirst + i, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 148, y),
                                                               wxSize(kEditWidth, kEditHeight), wxTE_RIGHT));
        quorrel::BindDigitsOnlyFilter(edit);
        new wxStaticText(this, wxID_ANY, "mm", wxPoint(x + 154 + kEditWidth, y + 6));
        y += kRowStep;
    }
    y += 6;
    new wxStaticText(this, wxID_ANY, "Illumination WD", wxPoint(x + 8, y + 6));
    auto* wd = AddControl(kIllumWD, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(x + 148, y),
                                                   wxSize(kEditWidth, kEditHeight), wxTE_RIGHT));
    quorrel::BindDigitsOnlyFilter(wd);
    new wxStaticText(this, wxID_ANY, "mm", wxPoint(x + 154 + kEditWidth, y + 6));
}

void CLEDModelSelectionDlg::CreateTypeGroup() {
    const int height = kFilterTop + kFilterHeight - kTypeTop;
    new wxStaticBox(this, wxID_ANY, "Illumination Type", wxPoint(kTypeX, kTypeTop), wxSize(kTypeW, height));
    auto* all = AddControl(kTypeAll, new wxCheckBox(this, wxID_ANY, "ALL", wxPoint(kTypeX + 12, kTypeTop + 24)));
    all->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnBnClickedTypeAll(); });
    m_pTypeList = AddControl(kTypeList, new wxCheckListBox(this, wxID_ANY, wxPoint(kTypeX + 12, kTypeTop + 52),
                                                           wxSize(kTypeW - 24, height - 62)));
}

// A titled group of boxes under an "ALL" box, `perRow` boxes a row.
void CLEDModelSelectionDlg::CreateAllGroup(const wxString& title, int x, int width, int allId, int firstId,
                                           const wchar_t* const* labels, int count, int perRow,
                                           void (CLEDModelSelectionDlg::*onAll)()) {
    new wxStaticBox(this, wxID_ANY, title, wxPoint(x, kFilterTop), wxSize(width, kFilterHeight));
    const int left = x + 12, top = kFilterTop + 24;
    auto* all = AddControl(allId, new wxCheckBox(this, wxID_ANY, "ALL", wxPoint(left, top)));
    all->Bind(wxEVT_CHECKBOX, [this, onAll](wxCommandEvent&) { (this->*onAll)(); });
    for (int i = 0; i < count; ++i)
        AddControl(firstId + i, new wxCheckBox(this, wxID_ANY, labels[i],
                                               wxPoint(left + 84 * (i % perRow), top + 30 * (1 + i / perRow))));
}

void CLEDModelSelectionDlg::CreateLimitGroup() {
    struct Limit {
        int id;
        const wchar_t* label;
        const wchar_t* unit;
        int x;
    };
    const Limit limits[] = {{kCurrentLimit, L"Current", L"A and less", kLensX + 20},
                            {kPowerLimit, L"Power", L"W and less", kIllumX + 12}};
    for (const Limit& l : limits) {
        new wxStaticText(this, wxID_ANY, l.label, wxPoint(l.x, kLimitTop + 6));
        auto* edit = AddControl(l.id, new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(l.x + 80, kLimitTop),
                                                     wxSize(kEditWidth, kEditHeight), wxTE_RIGHT));
        quorrel::BindDigitsOnlyFilter(edit);
        new wxStaticText(this, wxID_ANY, l.unit, wxPoint(l.x + 86 + kEditWidth, kLimitTop + 6));
    }
    auto* search = AddControl(kSearch, new wxButton(this, wxID_ANY, "Search", wxPoint(kTypeX, kLimitTop - 2),
                                                    wxSize(kButtonW, 34)));
    auto* clear = AddControl(kClear, new wxButton(this, wxID_ANY, "Clear", wxPoint(kTypeX + kTypeW - kButtonW, kLimitTop - 2),
                                                  wxSize(kButtonW, 34)));
    search->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedSearch(); });
    clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBnClickedClear(); });
}

void CLEDModelSelectionDlg::CreateResultList() {
    m_listResult = AddResultList(kResultList, kListTop);
    m_listResult->onColumnClick = [this](int column) { OnLvnColumnclickResult(column); };
    m_listResult->onRowSelected = [this](long row) { OnLvnItemchangedResult(row); };
    m_listResult->onDoubleClick = [this](long row) { OnNMDblclkResult(row); };
}

void CLEDModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kLogo)) m_hLogoBitmap = picture->GetBitmap();
    auto* icons = new wxImageList(kIconSize, kIconSize, true, static_cast<int>(std::size(kRowIcons)));
    for (int id : kRowIcons) icons->Add(quorrel::LoadPngResource(id));
    m_listResult->AssignImageList(icons, wxIMAGE_LIST_SMALL);
    using quorrel::LoadString;
    m_listResult->AddColumns({{LoadString(20124), 130},
                              {LoadString(20131), 90},
                              {LoadString(20125), 65},
                              {LoadString(20126), 115},
                              {LoadString(20127), 90},
                              {LoadString(20128), 200},
                              {LoadString(20129), 115},
                              {LoadString(20130), 80},
                              {L"", 0}});
    m_listResult->FitFontToHeaders();
    ClearAll();
}

// ---- set-up from the main dialog -----------------------------------------------------

void CLEDModelSelectionDlg::SetTypeList(const std::vector<std::unique_ptr<CLedTypeData>>& types) {
    for (const auto& type : types) {
        m_arrLedTypeData.push_back(type.get());
        m_pTypeList->Append(wxString(led_sheet::TypeName(m_arrLedTypeData, type->m_nTypeNum, m_strLanguage)));
    }
    CheckItem(kTypeAll, true);
    OnBnClickedTypeAll();
}

void CLEDModelSelectionDlg::SetLensSpec(double fovH, double fovV, double fovD, double lensWD,
                                        double effectiveDiameter) {
    DeleteResults();
    CheckItem(kModeLensSpec, true);
    OnBnClickedSearchMode(kModeLensSpec);
    // A negative value means the lens page has none: its edit stays empty.
    // Written as "-1.00" the digits filter would leave "1.00", a wrong lens.
    auto show = [this](int id, double value) {
        if (value < 0.0)
            SetItemText(id, L"");
        else
            SetDlgItemDouble(*this, id, 2, value);
    };
    show(kFovH, fovH);
    show(kFovV, fovV);
    show(kFovD, fovD);
    show(kLensWD, lensWD);
    show(kEffDiameter, effectiveDiameter);
}

// ---- inputs ----------------------------------------------------------------------

void CLEDModelSelectionDlg::OnBnClickedSearchMode(int id) {
    const bool lensMode = id == kModeLensSpec;
    for (int edit : {kFovH, kFovV, kFovD, kLensWD, kEffDiameter}) EnableItem(edit, lensMode);
    for (int edit = kAreaFirst; edit <= kIllumWD; ++edit) EnableItem(edit, !lensMode);
}

void CLEDModelSelectionDlg::OnBnClickedAreaAxis(int id) { TickExclusiveBox(id, kAxisFirst, kAreaFirst, 3); }

void CLEDModelSelectionDlg::OnBnClickedColorAll() { ApplyAll(kColorAll, kColorFirst, led_search::kColorCount); }

void CLEDModelSelectionDlg::OnBnClickedControlAll() {
    ApplyAll(kControlAll, kControlFirst, led_search::kControlCount);
}

// "ALL" ticked ticks and locks the boxes; unticked frees them, their ticks
// kept.
void CLEDModelSelectionDlg::ApplyAll(int allId, int firstId, int count) {
    const bool all = IsItemChecked(allId);
    for (int id = firstId; id < firstId + count; ++id) {
        EnableItem(id, !all);
        if (all) CheckItem(id, true);
    }
}

void CLEDModelSelectionDlg::OnBnClickedTypeAll() {
    const bool all = IsItemChecked(kTypeAll);
    if (all)
        for (unsigned i = 0; i < m_pTypeList->GetCount(); ++i) m_pTypeList->Check(i, true);
    m_pTypeList->Enable(!all);
}

// ---- search ----------------------------------------------------------------------

led_search::tagLedSearchInputs CLEDModelSelectionDlg::ReadInputs() const {
    led_search::tagLedSearchInputs in;
    in.nMode = IsItemChecked(kModeLensSpec)  ? led_search::kLensSpecMode
               : IsItemChecked(kModeIllumWD) ? led_search::kIllumWDMode
                                              : led_search::kNoMode;
    in.strFovH = GetItemText(kFovH);
    in.strFovV = GetItemText(kFovV);
    in.strLensWD = GetItemText(kLensWD);
    in.strEffDiameter = GetItemText(kEffDiameter);
    for (int i = 0; i < 3; ++i) in.strArea[static_cast<size_t>(i)] = GetItemText(kAreaFirst + i);
    in.strIllumWD = GetItemText(kIllumWD);
    for (unsigned i = 0; i < m_pTypeList->GetCount(); ++i) in.typeTicks.push_back(m_pTypeList->IsChecked(i));
    in.bColorAll = IsItemChecked(kColorAll);
    for (int i = 0; i < led_search::kColorCount; ++i)
        in.colorTicks[static_cast<size_t>(i)] = IsItemChecked(kColorFirst + i);
    in.bControlAll = IsItemChecked(kControlAll);
    for (int i = 0; i < led_search::kControlCount; ++i)
        in.controlTicks[static_cast<size_t>(i)] = IsItemChecked(kControlFirst + i);
    in.strCurrentLimit = GetItemText(kCurrentLimit);
    in.strPowerLimit = GetItemText(kPowerLimit);
    return in;
}

void CLEDModelSelectionDlg::KeepLensValues(const led_search::tagLedSearchRequest& q) {
    m_dLastLensWD = q.dLensWD;
    m_dLastEffDiameter = q.dEffDiameter;
    m_dLastFovH = q.dFovH;
    m_dLastFovV = q.dFovV;
    m_dLastFovD = q.dFovD;
}

void CLEDModelSelectionDlg::OnBnClickedSearch() {
    const led_search::tagLedSearchDecision d = led_search::DecideSearch(ReadInputs(), m_arrLedTypeData);
    // The data sheet takes the lens values as far as they were read.
    KeepLensValues(d.request);
    if (!d.strFovD.empty()) SetItemText(kFovD, d.strFovD);
    if (d.nMessage != 0) {
        quorrel::ShowMessage(quorrel::LoadString(d.nMessage));
        return;
    }
    if (FillResultList(d.request) <= 0) quorrel::ShowMessage(quorrel::LoadString(led_search::kMsgNothingFound));
}

int CLEDModelSelectionDlg::FillResultList(const led_search::tagLedSearchRequest& request) {
    DeleteResults();
    const int count = led_search::SearchLights(m_arrLedData, request, m_rows);
    led_search::FormatRows(m_rows, {m_arrLedTypeData, m_arrLedColorData, m_strLanguage}, m_cells);
    m_listResult->ShowRows(
        m_rows.size(),
        [this](size_t item, int column) -> const std::wstring& { return m_cells[item][static_cast<size_t>(column)]; },
        [this](size_t item) { return led_search::RowImage(m_rows[item]); });
    FitColumns();
    return count;
}

// Every column but the empty last one as wide as its header or its widest
// cell, whichever is wider.
void CLEDModelSelectionDlg::FitColumns() {
    for (int c = 0; c < led_search::kColSpare; ++c) {
        const auto column = static_cast<size_t>(c);
        wxListItem header;
        header.SetMask(wxLIST_MASK_TEXT);
        m_listResult->GetColumn(c, header);
        int widest = m_listResult->GetTextExtent(header.GetText()).GetWidth();
        // The texts with the most characters, which are the widest ones in
        // all but rare cases.
        size_t longest = 0;
        for (const led_search::tagLedCells& cells : m_cells) longest = std::max(longest, cells[column].size());
        size_t measured = 0;
        for (size_t i = 0; i < m_cells.size() && measured < kMeasuredPerColumn; ++i) {
            const std::wstring& cell = m_cells[i][column];
            if (cell.size() + 1 < longest) continue;
            const int icon = c == led_search::kColModel ? kIconSize + 4 : 0;
            widest = std::max(widest, m_listResult->GetTextExtent(wxString(cell)).GetWidth() + icon);
            ++measured;
        }
        m_listResult->SetColumnWidth(c, widest + kCellPadding);
    }
}

void CLEDModelSelectionDlg::DeleteResults() {
    m_listResult->DeleteAllRows();
    m_nSortOrder = 0;
    m_nSortColumn = 0;
}

void CLEDModelSelectionDlg::OnBnClickedClear() { ClearAll(); }

// ---- result list -------------------------------------------------------------------

void CLEDModelSelectionDlg::OnLvnColumnclickResult(int column) {
    m_nSortColumn = column;
    m_order = quorrel::CColumnOrder(led_search::SortKind(column), m_nSortOrder, m_listResult->ColumnCells(column));
    m_listResult->SortRows([this](size_t item1, size_t item2) { return CompareColumn(item1, item2); });
    m_nSortOrder = m_nSortOrder == 0 ? 1 : 0;
}

int CLEDModelSelectionDlg::CompareColumn(size_t item1, size_t item2) const { return m_order.Compare(item1, item2); }

void CLEDModelSelectionDlg::OnLvnItemchangedResult(long row) {
    if (row < 0 || row >= m_listResult->GetItemCount()) return;
    m_pCurrentLight = led_search::FindLight(m_arrLedData, m_listResult->RowText(row, led_search::kColModel));
}

void CLEDModelSelectionDlg::OnNMDblclkResult(long row) {
    if (row < 0 || row >= m_listResult->GetItemCount()) return;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 7, 0);
}

// ---- reset -------------------------------------------------------------------------

void CLEDModelSelectionDlg::ClearAll() {
    m_pNoMode->SetValue(true);  // neither mode ticked
    CheckItem(kColorAll, true);
    CheckItem(kControlAll, true);
    for (int id = kColorFirst; id < kControlFirst + led_search::kControlCount; ++id) {
        CheckItem(id, true);
        EnableItem(id, false);
    }
    for (int id : {kFovH, kFovV, kFovD, kEffDiameter, kLensWD}) {
        SetItemText(id, L"");
        EnableItem(id, true);
    }
    SetItemText(kCurrentLimit, L"");
    SetItemText(kPowerLimit, L"");
    for (int id = kAreaFirst; id <= kIllumWD; ++id) {
        SetItemText(id, L"");
        EnableItem(id, true);
    }
    for (int i = 0; i < 3; ++i) {
        CheckItem(kAxisFirst + i, false);
        SetItemReadOnly(kAreaFirst + i, true);
    }
    DeleteResults();
}
