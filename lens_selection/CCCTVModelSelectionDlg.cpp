#include "lens_selection/CCCTVModelSelectionDlg.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "catalogue/CCCTVCCDData.h"
#include "optics/CCCTVData.h"
#include "optics/ModelMath.h"
#include "optics/SensorSize.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/PageMessages.h"
#include "platform/Strings.h"
#include "platform/wx/DigitsFilterWx.h"
#include "platform/wx/PageMessagesWx.h"

namespace {

// Messages of the search checks.
constexpr int kMsgSelectSensor = 20000;
constexpr int kMsgNotApplicable = 20001;
constexpr int kMsgMarkCheckBox = 20002;
constexpr int kMsgValueNotZero = 20003;

// A window bound below this counts as no bound.
constexpr double kSmallestBound = 0.00001;
constexpr int kListWidth = 810;

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
constexpr int kListBottomMargin = 2;
// The list keeps its header and a few rows however little of the page shows.
constexpr int kSmallestListHeight = 100;
// The result list's face: the column widths were made for a compact dialog
// font, which "Arial" (metric-compatible Liberation Sans here) matches better
// than the wide desktop faces.
constexpr const char* kListFace = "Arial";
// The smallest font the result list shrinks to, in points. At 7 points
// "Close-up Ring [mm]" fits its 95-pixel column.
constexpr int kSmallestListPoints = 7;
// The room a header keeps beside its text: a margin of 5 pixels on either
// side.
constexpr int kHeaderPadding = 10;

// The result list: a list in virtual mode whose cells the page supplies.
class CResultListCtrl : public wxListCtrl {
public:
    CResultListCtrl(CCCTVModelSelectionDlg* page, const wxPoint& pos, const wxSize& size)
        : wxListCtrl(page, wxID_ANY, pos, size,
                     wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES),
          m_page(page) {}

    wxString OnGetItemText(long item, long column) const override {
        return wxString(m_page->ResultText(item, column));
    }

private:
    const CCCTVModelSelectionDlg* m_page;
};

const std::wstring kNoText;

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
    const int height = std::max(kSmallestListHeight, GetVisibleHeight() - kListBottomMargin - kListTop);
    m_listResult = AddControl(kResultList, new CResultListCtrl(this, wxPoint(20, kListTop),
                                                               wxSize(kListWidth, height)));
    // A click in the header beyond the last column reports column -1: it
    // sorts nothing and keeps the direction.
    m_listResult->Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& e) {
        if (e.GetColumn() >= 0) OnLvnColumnclickResult(e.GetColumn());
    });
    // The rows live in a child window of the list (the toolkit's own list
    // draws them there): clicks are caught on that window.
    m_pListBody = m_listResult;
    for (wxWindow* child : m_listResult->GetChildren())
        if (static_cast<const void*>(child) == static_cast<const void*>(m_listResult->m_mainWin)) m_pListBody = child;
    m_pListBody->Bind(wxEVT_LEFT_DOWN, &CCCTVModelSelectionDlg::OnResultMouseDown, this);
    m_pListBody->Bind(wxEVT_LEFT_DCLICK, &CCCTVModelSelectionDlg::OnResultDoubleClick, this);
}

void CCCTVModelSelectionDlg::OnInitDialog() {
    CPage::OnInitDialog();
    if (auto* picture = GetControlAs<wxStaticBitmap>(kPicture)) m_hLogoBitmap = picture->GetBitmap();
    for (int i = 0; i < kQuantityCount; ++i) {
        CheckItem(kQuantityFirst + i, false);
        SetItemText(kValueFirst + i, L"");
        SetItemReadOnly(kValueFirst + i, true);
    }
    struct Column {
        int stringId;
        int width;
    };
    static constexpr Column kColumns[] = {{20025, 130}, {20026, 95},  {20064, 115}, {20027, 115},
                                          {20068, 115}, {20028, 115}, {20029, 115}, {0, 0}};
    for (const Column& c : kColumns)
        m_listResult->AppendColumn(c.stringId ? wxString(quorrel::LoadString(c.stringId)) : wxString(),
                                   wxLIST_FORMAT_CENTRE, c.width);
    m_listResult->SetSize(wxSize(kListWidth, m_listResult->GetSize().GetHeight()));
    FitListFont();
    for (int id = kQuantityFirst; id < kQuantityFirst + 3; ++id) EnableItem(id, false);
}

void CCCTVModelSelectionDlg::OnVisibleHeightChanged() {
    FitToVisibleBottom(kResultList, kListBottomMargin, kSmallestListHeight);
}

// The column widths suit the header texts in a compact dialog font. The
// list takes the largest font, down to a floor, in which every header fits
// its own column, so that the headers and the usual value cells can be read.
void CCCTVModelSelectionDlg::FitListFont() {
    wxFont font(wxFontInfo(m_listResult->GetFont().GetPointSize()).FaceName(kListFace));
    while (!HeadersFit(font) && font.GetPointSize() > kSmallestListPoints)
        font.SetPointSize(font.GetPointSize() - 1);
    m_listResult->SetFont(font);
}

bool CCCTVModelSelectionDlg::HeadersFit(const wxFont& font) const {
    for (int c = 0; c < m_listResult->GetColumnCount(); ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        m_listResult->GetColumn(c, column);
        if (column.GetText().empty()) continue;
        int width = 0;
        m_listResult->GetTextExtent(column.GetText(), &width, nullptr, nullptr, nullptr, &font);
        if (width > m_listResult->GetColumnWidth(c) - kHeaderPadding) return false;
    }
    return true;
}

// ---- keys ------------------------------------------------------------------------

bool CCCTVModelSelectionDlg::IsValueEdit(const wxWindow* window) const {
    for (int id = kValueFirst; id < kValueFirst + kQuantityCount; ++id)
        if (window && GetControl(id) == window) return true;
    return false;
}

void CCCTVModelSelectionDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    // Escape and Ctrl+Break do nothing on this page.
    if (key == WXK_ESCAPE || key == WXK_CANCEL) return;
    // Enter in a value edit searches, then goes on as usual. The hook is
    // raised for the focused window first.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) &&
        IsValueEdit(dynamic_cast<wxWindow*>(event.GetEventObject())))
        OnBnClickedSearch();
    event.Skip();
}

// ---- inputs ------------------------------------------------------------------------

void CCCTVModelSelectionDlg::OnBnClickedInputKind(int id) {
    for (int box = kQuantityFirst; box < kQuantityFirst + kQuantityCount; ++box)
        if (box != id) CheckItem(box, false);
    for (int i = 0; i < kQuantityCount; ++i) {
        const int edit = kValueFirst + i;
        if (IsItemChecked(kQuantityFirst + i)) {
            SetItemReadOnly(edit, false);
        } else {
            SetItemText(edit, L"");
            SetItemReadOnly(edit, true);
        }
    }
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

void CCCTVModelSelectionDlg::OnBnClickedSearch() {
    // Sensor.
    double D = 0.0, H = 0.0, V = 0.0;
    int sensorMask = 0;
    if (!m_bManualSensor) {
        const int sel = ComboGetCurSel(kSensorCombo);
        if (sel < 0 || static_cast<size_t>(sel) >= m_arrCCDData.size()) {
            quorrel::ShowMessage(quorrel::LoadString(kMsgSelectSensor));
            return;
        }
        const CCCTVCCDData& format = *m_arrCCDData[static_cast<size_t>(sel)];
        V = format.m_dVertical;
        H = format.m_dHorizontal;
        D = format.m_dRadial;
        sensorMask = format.m_nSpecialFlag;
    } else {
        const optics::ManualSensor typed =
            optics::ReadManualSensor(quorrel::ParseLeadingNumber(GetItemText(kManualH)),
                                          quorrel::ParseLeadingNumber(GetItemText(kManualV)),
                                          quorrel::ParseLeadingNumber(GetItemText(kManualD)));
        if (!typed.known) {
            quorrel::ShowMessage(quorrel::LoadString(kMsgSelectSensor));
            return;
        }
        H = typed.h;
        V = typed.v;
        D = typed.d;
        sensorMask = 1;
        if (typed.withVH) {
            SetItemText(kManualD, quorrel::FormatFixed(D, 2));
            m_nSensorAxes = lens_search::kAxesVH;
        } else {
            // Only the diagonal counts; emptying the sizes disables the
            // vertical and horizontal boxes before the next check.
            SetItemText(kManualH, L"");
            SetItemText(kManualV, L"");
            m_nSensorAxes = lens_search::kAxesDiagonalOnly;
        }
    }

    // Quantity.
    int kind = -1;
    for (int i = 0; i < kQuantityCount && kind < 0; ++i)
        if (IsItemChecked(kQuantityFirst + i)) kind = i;
    if (kind < 0) {
        quorrel::ShowMessage(quorrel::LoadString(kMsgMarkCheckBox));
        return;
    }

    // Working-distance window.
    double wdMin = -1.0, wdMax = -1.0;
    if (IsItemChecked(kRefineWD)) {
        wdMin = quorrel::ParseLeadingNumber(GetItemText(kWDMin));
        wdMax = quorrel::ParseLeadingNumber(GetItemText(kWDMax));
        if (wdMin < kSmallestBound) {
            wdMin = -1.0;
            SetItemText(kWDMin, L"");
        }
        if (wdMax < kSmallestBound) {
            wdMax = -1.0;
            SetItemText(kWDMax, L"");
        }
        // A wanted working distance widens the window to include it.
        if (IsItemChecked(kQuantityFirst + lens_search::kWorkingDistance)) {
            const double w = quorrel::ParseLeadingNumber(GetItemText(kValueFirst + lens_search::kWorkingDistance));
            if (w < wdMin) {
                wdMin = w;
                SetItemText(kWDMin, quorrel::FormatFixed(w, 2));
            }
            if (w > wdMax) {
                wdMax = w;
                SetItemText(kWDMax, quorrel::FormatFixed(w, 2));
            }
        }
        if (wdMax > 0.0 && wdMax < wdMin) {
            wdMax = wdMin;
            SetItemText(kWDMax, quorrel::FormatFixed(wdMin, 3));
        }
    }

    // Value.
    const double value = quorrel::ParseLeadingNumber(GetItemText(kValueFirst + kind));
    if (optics::IsZero(value)) {
        quorrel::ShowMessage(quorrel::LoadString(kMsgValueNotZero));
        return;
    }

    if (FillResultList(D, H, V, value, kind, wdMin, wdMax, sensorMask) <= 0)
        quorrel::ShowMessage(quorrel::LoadString(kMsgNotApplicable));
}

int CCCTVModelSelectionDlg::FillResultList(double D, double H, double V, double value, int kind, double wdMin,
                                           double wdMax, int sensorMask) {
    if (optics::IsZero(value)) return -1;
    DeleteResults();

    const auto request =
        lens_search::MakeRequest(D, H, V, value, kind, wdMin, wdMax, sensorMask, m_nSensorAxes);
    const int count = lens_search::SearchLenses(m_arrCCTVData, request, m_rows);
    ShowRows(static_cast<size_t>(count));
    return count;
}

void CCCTVModelSelectionDlg::ShowRows(size_t count) {
    m_itemData.resize(count);
    for (size_t i = 0; i < count; ++i) m_itemData[i] = i;
    m_listResult->SetItemCount(static_cast<long>(count));
    m_listResult->Refresh();
}

void CCCTVModelSelectionDlg::DeleteResults() {
    ListDeleteAllItems(kResultList);
    m_itemData.clear();
    m_nSortOrder = 0;
    m_nSortColumn = 0;
}

wxIntPtr CCCTVModelSelectionDlg::GetResultItemData(long row) const {
    if (row < 0 || static_cast<size_t>(row) >= m_itemData.size()) return -1;
    return static_cast<wxIntPtr>(m_itemData[static_cast<size_t>(row)]);
}

const std::wstring& CCCTVModelSelectionDlg::ResultText(long row, long column) const {
    const wxIntPtr item = GetResultItemData(row);
    if (item < 0 || static_cast<size_t>(item) >= m_rows.size() || column < 0 ||
        column >= lens_search::kColumnCount)
        return kNoText;
    return m_rows[static_cast<size_t>(item)].cells[static_cast<size_t>(column)];
}

void CCCTVModelSelectionDlg::OnBnClickedClear() { DeleteResults(); }

// ---- result list -------------------------------------------------------------------

void CCCTVModelSelectionDlg::OnLvnColumnclickResult(int column) {
    m_nSortColumn = column;
    // The selected row stays selected wherever the sort moves it.
    const long selected = m_listResult->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    const wxIntPtr selectedItem = GetResultItemData(selected);

    BuildSortKeys();
    const wxIntPtr page = reinterpret_cast<wxIntPtr>(this);
    std::stable_sort(m_itemData.begin(), m_itemData.end(), [page](size_t a, size_t b) {
        return CompareItems(static_cast<wxIntPtr>(a), static_cast<wxIntPtr>(b), page) < 0;
    });
    m_sortKeys.clear();

    if (selectedItem >= 0) {
        const auto it = std::find(m_itemData.begin(), m_itemData.end(), static_cast<size_t>(selectedItem));
        const long row = static_cast<long>(it - m_itemData.begin());
        m_listResult->SetItemState(selected, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        m_listResult->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                   wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        m_listResult->EnsureVisible(row);
    }
    m_listResult->Refresh();
    m_nSortOrder = m_nSortOrder == 0 ? 1 : 0;
}

int wxCALLBACK CCCTVModelSelectionDlg::CompareItems(wxIntPtr item1, wxIntPtr item2, wxIntPtr page) {
    return reinterpret_cast<const CCCTVModelSelectionDlg*>(page)->CompareColumn(item1, item2);
}

void CCCTVModelSelectionDlg::BuildSortKeys() {
    m_sortKeys.clear();
    std::vector<SortKey> keys(m_rows.size());
    for (size_t item = 0; item < m_rows.size(); ++item) keys[item] = RowKey(static_cast<wxIntPtr>(item));
    m_sortKeys = std::move(keys);
}

CCCTVModelSelectionDlg::SortKey CCCTVModelSelectionDlg::RowKey(wxIntPtr item) const {
    const auto index = static_cast<size_t>(item);
    if (item < 0 || index >= m_rows.size() || m_nSortColumn < 0 || m_nSortColumn >= lens_search::kColumnCount)
        return SortKey{&kNoText, 0.0};
    if (index < m_sortKeys.size()) return m_sortKeys[index];
    const std::wstring& text = m_rows[index].cells[static_cast<size_t>(m_nSortColumn)];
    return SortKey{&text, m_nSortColumn == lens_search::kColModel ? 0.0 : quorrel::ParseLeadingNumber(text)};
}

int CCCTVModelSelectionDlg::CompareColumn(wxIntPtr item1, wxIntPtr item2) const {
    if (m_nSortColumn < 0 || m_nSortColumn > lens_search::kColWD) return 0;
    const SortKey k1 = RowKey(item1);
    const SortKey k2 = RowKey(item2);
    if (m_nSortColumn == lens_search::kColModel) {
        // Case-insensitive under the user's locale, which the application
        // sets at start-up.
        return m_nSortOrder == 0 ? wcscasecmp(k2.text->c_str(), k1.text->c_str())
                                 : wcscasecmp(k1.text->c_str(), k2.text->c_str());
    }
    const double a = k1.number, b = k2.number;
    if (m_nSortOrder == 0 ? b > a : a > b) return -1;
    return std::fabs(a - b) > optics::kZeroTolerance ? 1 : 0;
}

long CCCTVModelSelectionDlg::ResultRowAt(const wxMouseEvent& event) const {
    int flags = 0;
    const long item = m_listResult->HitTest(event.GetPosition(), flags);
    return item >= 0 && (flags & wxLIST_HITTEST_ONITEM) ? item : -1;
}

void CCCTVModelSelectionDlg::OnResultMouseDown(wxMouseEvent& event) {
    OnNMClickResult(ResultRowAt(event));
    event.Skip();  // the list selects the row as usual
}

void CCCTVModelSelectionDlg::OnResultDoubleClick(wxMouseEvent& event) {
    OnNMDblclkResult(ResultRowAt(event));
    event.Skip();
}

void CCCTVModelSelectionDlg::OnNMClickResult(long item) {
    if (item < 0 || item >= m_listResult->GetItemCount()) return;
    m_strClickedModel = m_listResult->GetItemText(item, lens_search::kColModel).ToStdWstring();
    const double ring =
        quorrel::ParseLeadingNumber(m_listResult->GetItemText(item, lens_search::kColRing).ToStdWstring());
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
