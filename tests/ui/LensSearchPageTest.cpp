// The lens search page as the user drives it: the sensor, the wanted
// quantity, the working-distance window, the checks and their messages, the
// result list with its sorting, and the hand-over of a clicked row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "UiHarness.h"
#include "catalogue/CCCTVCCDData.h"
#include "lens_selection/LensSearch.h"
#include "optics/CCCTVData.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"
#include "platform/wx/PageMessagesWx.h"

using namespace uitest;
using Page = CCCTVModelSelectionDlg;
using Row = std::vector<std::wstring>;

namespace {

constexpr int kVFov = Page::kQuantityFirst;
constexpr int kHFov = Page::kQuantityFirst + 1;
constexpr int kDFov = Page::kQuantityFirst + 2;
constexpr int kMag = Page::kQuantityFirst + 3;
constexpr int kWDBox = Page::kQuantityFirst + 4;
constexpr int kValueOf(int box) { return box - Page::kQuantityFirst + Page::kValueFirst; }

const std::wstring kSelectSensor = L"Select sensor size. ";
const std::wstring kNotApplicable = L"Not applicable. ";
const std::wstring kMarkCheckBox = L"Mark on check box. ";
const std::wstring kValueNotZero = L"Input values (not zero). ";

// ---- the user's actions ------------------------------------------------------------

void ClickCheckBox(Page& page, int id) {
    auto* box = page.GetControlAs<wxCheckBox>(id);
    ASSERT_NE(box, nullptr) << id;
    ASSERT_TRUE(box->IsEnabled()) << "box " << id << " is disabled";
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(event);
    PumpEvents();
}

void PressButton(Page& page, int id) {
    auto* button = page.GetControlAs<wxButton>(id);
    ASSERT_NE(button, nullptr) << id;
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
    PumpEvents();
}

void ChooseSensor(Page& page, const std::wstring& name) {
    auto* choice = page.GetControlAs<wxChoice>(Page::kSensorCombo);
    ASSERT_NE(choice, nullptr);
    ASSERT_TRUE(choice->IsEnabled());
    const int index = choice->FindString(name, true);
    ASSERT_GE(index, 0) << "no sensor format " << wxString(name).utf8_string();
    choice->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(index);
    choice->ProcessWindowEvent(event);
    PumpEvents();
}

// Typing replaces the text of a writable edit; its change handler runs.
void TypeInto(Page& page, int id, const std::wstring& text) {
    ASSERT_FALSE(page.IsItemReadOnly(id)) << "edit " << id << " is read-only";
    page.SetItemText(id, text);
    PumpEvents();
}

// A key pressed while `window` has the focus; true when the key was used up.
bool PressKey(wxWindow* window, int key) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(window);
    const bool handled = window->GetEventHandler()->ProcessEvent(event);
    PumpEvents();
    return handled;
}

// ---- reading the list --------------------------------------------------------------

std::vector<Row> ListRows(const Page& page) {
    std::vector<Row> rows;
    const wxListCtrl* list = page.m_listResult;
    for (int r = 0; r < list->GetItemCount(); ++r) {
        Row row;
        for (int c = 0; c < lens_search::kColumnCount; ++c) row.push_back(list->GetItemText(r, c).ToStdWstring());
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::wstring> Column(const Page& page, int column) {
    std::vector<std::wstring> texts;
    for (const Row& r : ListRows(page)) texts.push_back(r[static_cast<size_t>(column)]);
    return texts;
}

std::vector<double> Numbers(const std::vector<std::wstring>& texts) {
    std::vector<double> numbers;
    for (const std::wstring& t : texts) numbers.push_back(quorrel::ParseLeadingNumber(t));
    return numbers;
}

// The rows the search function gives for the same request.
std::vector<Row> Expected(const Page& page, double D, double H, double V, double value, int kind, int mask,
                          int axes, double wdMin = -1.0, double wdMax = -1.0) {
    const auto q = lens_search::MakeRequest(D, H, V, value, kind, wdMin, wdMax, mask, axes);
    std::vector<lens_search::tagLensSearchRow> found;
    lens_search::SearchLenses(page.m_arrCCTVData, q, found);
    std::vector<Row> rows;
    for (const auto& f : found) rows.emplace_back(f.cells.begin(), f.cells.end());
    return rows;
}

// A mouse event at the middle of result row `row`, in the coordinates of the
// window that receives the list's clicks.
void ClickRow(Page& page, long row, wxEventType type) {
    wxListCtrl* list = page.m_listResult;
    wxWindow* body = list->GetTargetWindow();
    wxPoint where;
    if (row >= 0) {
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect));
        where = body->ScreenToClient(list->ClientToScreen(wxPoint(rect.x + 40, rect.y + rect.height / 2)));
    } else {
        where = wxPoint(40, body->GetClientSize().GetHeight() - 4);  // below the last row
    }
    wxMouseEvent event(type);
    event.SetPosition(where);
    event.SetEventObject(body);
    body->GetEventHandler()->ProcessEvent(event);
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetPosition(where);
    up.SetEventObject(body);
    body->GetEventHandler()->ProcessEvent(up);
    PumpEvents();
}

// ---- the real window on the sample catalogue ------------------------------------------

class LensSearchPage : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<CMainWindow>(SampleCatalogueFolder(), true);
        ASSERT_TRUE(m_messages.Texts().empty());
    }
    void TearDown() override { m_window.reset(); }

    Page& P() { return m_window->Dlg().m_dlgCCTVSelect; }
    std::wstring Item(int id) { return P().GetItemText(id); }
    wxWindow* Control(int id) { return P().GetControl(id); }

    // The usual request: a catalogue format, one box ticked, its value typed.
    void Ask(const std::wstring& sensor, int box, const std::wstring& value) {
        ChooseSensor(P(), sensor);
        ClickCheckBox(P(), box);
        TypeInto(P(), kValueOf(box), value);
    }

    quorrel::CMessageRecorder m_messages;
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace

TEST_F(LensSearchPage, StartsWithEveryQuantityEnabledAndNothingToSearch) {
    for (int box = Page::kQuantityFirst; box < Page::kQuantityFirst + 5; ++box) {
        EXPECT_TRUE(P().IsItemEnabled(box)) << box;
        EXPECT_FALSE(P().IsItemChecked(box)) << box;
        EXPECT_EQ(Item(kValueOf(box)), L"");
        EXPECT_TRUE(P().IsItemReadOnly(kValueOf(box))) << box;
    }
    for (int id : {Page::kManualV, Page::kManualH, Page::kManualD}) EXPECT_TRUE(P().IsItemReadOnly(id));
    EXPECT_EQ(P().ComboGetCurSel(Page::kSensorCombo), -1);
    EXPECT_EQ(Item(Page::kLegend), L"Index Value (Far~Near)");
    EXPECT_EQ(Item(Page::kSearch), L"Search");
    EXPECT_EQ(Item(Page::kClear), L"Clear");

    wxListCtrl* list = P().m_listResult;
    EXPECT_EQ(list->GetSize().GetWidth(), 810);
    ASSERT_EQ(list->GetColumnCount(), 8);
    const wchar_t* headers[] = {L"Model", L"Close-up Ring [mm]", L"Horizontal FOV [mm]", L"Vertical FOV [mm]",
                                L"Diagonal FOV [mm]", L"Magnification [x]", L"WD [mm]", L""};
    const int widths[] = {130, 95, 115, 115, 115, 115, 115, 0};
    for (int c = 0; c < 8; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(c, column);
        EXPECT_EQ(column.GetText().ToStdWstring(), headers[c]);
        EXPECT_EQ(list->GetColumnWidth(c), widths[c]) << c;
    }
    EXPECT_EQ(list->GetItemCount(), 0);
}

TEST_F(LensSearchPage, EveryHeaderFitsItsOwnColumnInTheLargestFontThatAllows) {
    wxListCtrl* list = P().m_listResult;
    // A header button keeps 5 pixels beside its text on either side.
    auto widestOverflow = [list](const wxFont& font) {
        int overflow = -1000;
        for (int c = 0; c < list->GetColumnCount(); ++c) {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(c, column);
            if (column.GetText().empty()) continue;
            int width = 0;
            list->GetTextExtent(column.GetText(), &width, nullptr, nullptr, nullptr, &font);
            overflow = std::max(overflow, width + 10 - list->GetColumnWidth(c));
        }
        return overflow;
    };
    const wxFont font = list->GetFont();
    EXPECT_LE(widestOverflow(font), 0) << font.GetPointSize() << " points";
    // "Close-up Ring [mm]" in its 95 pixels.
    int ringWidth = 0;
    list->GetTextExtent("Close-up Ring [mm]", &ringWidth, nullptr, nullptr, nullptr, &font);
    EXPECT_LE(ringWidth, 85);
    // One point more would not fit (unless the list kept the page's size).
    if (font.GetPointSize() < P().GetFont().GetPointSize()) {
        wxFont larger = font;
        larger.SetPointSize(font.GetPointSize() + 1);
        EXPECT_GT(widestOverflow(larger), 0);
    }
    EXPECT_GE(font.GetPointSize(), 7);
}

TEST_F(LensSearchPage, TwoThirdsInchHorizontalFieldSearchedWithEnter) {
    // The user's ordinary search: 2/3", "Horizontal FOV" 100, Enter.
    Ask(L"2/3\"", kHFov, L"100");
    EXPECT_FALSE(PressKey(Control(kValueOf(kHFov)), WXK_RETURN));  // Enter goes on as usual
    EXPECT_TRUE(m_messages.Texts().empty());

    const std::vector<Row> rows = ListRows(P());
    EXPECT_EQ(rows, Expected(P(), 11.0, 8.8, 6.6, 100.0, lens_search::kHorizontalFov, 1, 3));
    ASSERT_GE(rows.size(), 20u);
    // QF-25M14 (f 25, H -2, a 30, draw 3): beta 0.088, E = 2.2, no ring;
    // L = 13.4516 * 25 - 2 = 334.291, WD = 334.291 - 30 - 17.526 - 2.2 =
    // 284.565; focus at infinity at draw 0; at full draw beta = 3/25 = 0.12,
    // diagonal 91.667, L = 261.333 - 2, WD = 259.333 - 47.526 - 3 = 208.807.
    const auto it = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r[0] == L"QF-25M14"; });
    ASSERT_NE(it, rows.end());
    EXPECT_EQ(*it, (Row{L"QF-25M14", L"0.00", L"100.0(+\u221E-73.3)", L"75.0(+\u221E-55.0)", L"125.0(+\u221E-91.7)",
                        L"0.09(0.00-0.12)", L"284.6(+\u221E-208.8)", L""}));
    // Catalogue order (QF-4M18 and QF-6M14, the first two, take no rings
    // and lack the draw for 0.088x: 0.35 and 0.53 mm needed, 0.15 and 0.3
    // there) and the insertion numbers as item data.
    EXPECT_EQ(rows[0][0], L"QF-8M14");
    size_t catalogueIndex = 0;
    for (const Row& r : rows) {
        while (catalogueIndex < P().m_arrCCTVData.size() && P().m_arrCCTVData[catalogueIndex]->m_strType != r[0])
            ++catalogueIndex;
        EXPECT_LT(catalogueIndex, P().m_arrCCTVData.size()) << "out of catalogue order: " << wxString(r[0]).utf8_string();
    }
    for (long r = 0; r < static_cast<long>(rows.size()); ++r) EXPECT_EQ(P().m_listResult->RowItem(r), r);
    // The 1.1" lenses (image circle 17.6) serve the 2/3" sensor too; the
    // fixed-magnification lenses do not reach 0.088x.
    const std::vector<std::wstring> models = Column(P(), 0);
    EXPECT_EQ(std::count(models.begin(), models.end(), L"QC-25M28"), 1);
    for (const Row& r : rows) EXPECT_NE(r[0], L"QE-40M40");
}

TEST_F(LensSearchPage, EachQuantityRunsItsOwnRequest) {
    ChooseSensor(P(), L"2/3\"");
    struct Case {
        int box;
        const wchar_t* value;
        double number;
    };
    const Case cases[] = {{kVFov, L"75", 75.0}, {kHFov, L"100", 100.0}, {kDFov, L"125", 125.0},
                          {kMag, L"0.5", 0.5}, {kWDBox, L"300", 300.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        ClickCheckBox(P(), c.box);
        TypeInto(P(), kValueOf(c.box), c.value);
        PressButton(P(), Page::kSearch);
        const std::vector<Row> rows = ListRows(P());
        EXPECT_FALSE(rows.empty());
        EXPECT_EQ(rows, Expected(P(), 11.0, 8.8, 6.6, c.number, c.box - Page::kQuantityFirst, 1, 3));
        ClickCheckBox(P(), c.box);  // untick: the edit empties
        EXPECT_EQ(Item(kValueOf(c.box)), L"");
    }
    // 75 mm vertical, 100 mm horizontal and 125 mm diagonal are one request.
    EXPECT_EQ(Expected(P(), 11.0, 8.8, 6.6, 75.0, 0, 1, 3), Expected(P(), 11.0, 8.8, 6.6, 125.0, 2, 1, 3));
    // Fixed-magnification lenses answer the 0.5x request with single values.
    const std::vector<Row> mag = Expected(P(), 11.0, 8.8, 6.6, 0.5, 3, 1, 3);
    const auto qe = std::find_if(mag.begin(), mag.end(), [](const Row& r) { return r[0] == L"QE-40M40"; });
    ASSERT_NE(qe, mag.end());
    EXPECT_EQ(*qe, (Row{L"QE-40M40", L"0.00", L"17.6", L"13.2", L"22.0", L"0.50", L"110.5", L""}));
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LensSearchPage, QuantityBoxesAreOneChoiceAndUnlockOnlyTheirEdit) {
    ChooseSensor(P(), L"2/3\"");
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    ClickCheckBox(P(), kMag);
    for (int box = Page::kQuantityFirst; box < Page::kQuantityFirst + 5; ++box) {
        EXPECT_EQ(P().IsItemChecked(box), box == kMag) << box;
        EXPECT_EQ(P().IsItemReadOnly(kValueOf(box)), box != kMag) << box;
    }
    EXPECT_EQ(Item(kValueOf(kHFov)), L"");
    // Clicking the ticked box unticks it: nothing is left to search.
    ClickCheckBox(P(), kMag);
    for (int box = Page::kQuantityFirst; box < Page::kQuantityFirst + 5; ++box) {
        EXPECT_FALSE(P().IsItemChecked(box));
        EXPECT_TRUE(P().IsItemReadOnly(kValueOf(box)));
    }
    // The value edits keep digits and points only.
    ClickCheckBox(P(), kWDBox);
    TypeInto(P(), kValueOf(kWDBox), L"3a0,0");
    EXPECT_EQ(Item(kValueOf(kWDBox)), L"300");
}

TEST_F(LensSearchPage, CatalogueFormatWithBothAreaBitsShowsItsSizesAndUnticksTheFieldBoxes) {
    // The sample formats carry area flag 3: both rules run, so a box ticked
    // before the sensor is chosen is unticked again.
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    ChooseSensor(P(), L"1/2\"");
    EXPECT_EQ(Item(Page::kManualV), L"4.80");
    EXPECT_EQ(Item(Page::kManualH), L"6.40");
    EXPECT_EQ(Item(Page::kManualD), L"8.00");
    EXPECT_EQ(P().m_nSensorAxes, 3);
    EXPECT_EQ(P().m_strSensorText, L"1/2\"");
    for (int box : {kVFov, kHFov, kDFov}) {
        EXPECT_TRUE(P().IsItemEnabled(box)) << box;
        EXPECT_FALSE(P().IsItemChecked(box)) << box;
    }
    EXPECT_EQ(Item(kValueOf(kHFov)), L"");
    EXPECT_TRUE(P().IsItemReadOnly(kValueOf(kHFov)));
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kMarkCheckBox});
}

TEST_F(LensSearchPage, ManualSensorWithBothSizesWritesTheDiagonal) {
    ChooseSensor(P(), L"2/3\"");
    ClickCheckBox(P(), Page::kManualInput);
    EXPECT_FALSE(P().IsItemEnabled(Page::kSensorCombo));
    EXPECT_EQ(P().ComboGetCurSel(Page::kSensorCombo), -1);
    EXPECT_EQ(P().m_bManualSensor, 1);
    TypeInto(P(), Page::kManualV, L"3.6");
    TypeInto(P(), Page::kManualH, L"4.8");
    TypeInto(P(), Page::kManualD, L"");
    ClickCheckBox(P(), kDFov);
    TypeInto(P(), kValueOf(kDFov), L"30");
    PressButton(P(), Page::kSearch);
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Item(Page::kManualD), L"6.00");
    EXPECT_EQ(P().m_nSensorAxes, 1);
    // Searched with D = 6 and the typed-in sensor's class bit 0.
    const std::vector<Row> rows = ListRows(P());
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(rows, Expected(P(), 6.0, 4.8, 3.6, 30.0, lens_search::kDiagonalFov, 1, 1));
    // A 30 mm diagonal on a 6 mm sensor: horizontal 30 * 4.8 / 6 = 24.0,
    // vertical 18.0.
    const auto qf = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r[0] == L"QF-25M14"; });
    ASSERT_NE(qf, rows.end());
    EXPECT_EQ((*qf)[lens_search::kColFovH].substr(0, 5), L"24.0(");
    EXPECT_EQ((*qf)[lens_search::kColFovV].substr(0, 5), L"18.0(");
    EXPECT_EQ((*qf)[lens_search::kColFovD].substr(0, 5), L"30.0(");
}

TEST_F(LensSearchPage, ManualDiagonalOnlyLocksTheVerticalAndHorizontalBoxes) {
    ClickCheckBox(P(), Page::kManualInput);
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), Page::kManualD, L"8");
    EXPECT_FALSE(P().IsItemEnabled(kVFov));
    EXPECT_FALSE(P().IsItemEnabled(kHFov));
    EXPECT_FALSE(P().IsItemChecked(kHFov));
    EXPECT_TRUE(P().IsItemEnabled(kDFov));
    EXPECT_TRUE(P().IsItemEnabled(kMag));
    EXPECT_TRUE(P().IsItemEnabled(kWDBox));

    ClickCheckBox(P(), kDFov);
    TypeInto(P(), kValueOf(kDFov), L"100");
    PressButton(P(), Page::kSearch);
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(P().m_nSensorAxes, 2);
    EXPECT_EQ(ListRows(P()), Expected(P(), 8.0, 0.0, 0.0, 100.0, lens_search::kDiagonalFov, 1, 2));
    ASSERT_GT(P().m_listResult->GetItemCount(), 0);
    for (const Row& r : ListRows(P())) {
        EXPECT_EQ(r[lens_search::kColFovH], L"");
        EXPECT_EQ(r[lens_search::kColFovV], L"");
    }
}

TEST_F(LensSearchPage, ManualWidthAndDiagonalWithoutHeightSearchesTheDiagonalOnly) {
    ClickCheckBox(P(), Page::kManualInput);
    TypeInto(P(), Page::kManualH, L"5");
    TypeInto(P(), Page::kManualD, L"8");
    ClickCheckBox(P(), kVFov);
    TypeInto(P(), kValueOf(kVFov), L"50");
    PressButton(P(), Page::kSearch);
    // The sizes are emptied, which unticks and locks the vertical box before
    // the quantity is checked.
    EXPECT_EQ(Item(Page::kManualH), L"");
    EXPECT_EQ(Item(Page::kManualV), L"");
    EXPECT_EQ(Item(Page::kManualD), L"8");
    EXPECT_FALSE(P().IsItemChecked(kVFov));
    EXPECT_FALSE(P().IsItemEnabled(kVFov));
    EXPECT_FALSE(P().IsItemEnabled(kHFov));
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kMarkCheckBox});
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
}

TEST_F(LensSearchPage, ManualSizesTooLargeForTheDiagonalAreNoSensor) {
    // A list to keep.
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> before = ListRows(P());
    ASSERT_FALSE(before.empty());

    ClickCheckBox(P(), Page::kManualInput);
    ClickCheckBox(P(), kDFov);
    TypeInto(P(), kValueOf(kDFov), L"100");
    // 1.5e308 x 1.5e308: the diagonal 2.12e308 is no finite number.
    TypeInto(P(), Page::kManualV, L"1.5e308");
    TypeInto(P(), Page::kManualH, L"1.5e308");
    TypeInto(P(), Page::kManualD, L"8");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kSelectSensor});
    EXPECT_EQ(Item(Page::kManualD), L"8");
    EXPECT_EQ(Item(Page::kManualV), L"1.5e308");
    EXPECT_EQ(ListRows(P()), before);

    // 1e200 x 1e200 has a diagonal (1.414e200), which no lens covers.
    m_messages.Clear();
    TypeInto(P(), Page::kManualV, L"1e200");
    TypeInto(P(), Page::kManualH, L"1e200");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kNotApplicable});
    EXPECT_DOUBLE_EQ(quorrel::ParseLeadingNumber(Item(Page::kManualD)), 1.4142135623730951e200);
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
}

TEST_F(LensSearchPage, ChecksShowTheirMessagesInOrderAndKeepTheList) {
    // No sensor at all.
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    PressButton(P(), Page::kSearch);
    // Manual input with no size.
    ClickCheckBox(P(), Page::kManualInput);
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::wstring>{kSelectSensor, kSelectSensor}));
    ClickCheckBox(P(), Page::kManualInput);
    m_messages.Clear();

    // A result list to keep.
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> before = ListRows(P());
    ASSERT_FALSE(before.empty());

    // No box ticked, even with a value in its edit: 20002.
    ClickCheckBox(P(), kHFov);
    P().SetItemText(kValueOf(kHFov), L"100");
    PressButton(P(), Page::kSearch);
    // Zero, and an empty value: 20003.
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"0");
    PressButton(P(), Page::kSearch);
    TypeInto(P(), kValueOf(kHFov), L"");
    PressButton(P(), Page::kSearch);
    TypeInto(P(), kValueOf(kHFov), L"0.000");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::wstring>{kMarkCheckBox, kValueNotZero, kValueNotZero,
                                                             kValueNotZero}));
    for (const auto& entry : m_messages.Entries()) EXPECT_EQ(entry.icon, quorrel::MessageIcon::Exclamation);
    EXPECT_EQ(ListRows(P()), before);
    m_messages.Clear();

    // No lens reaches 20x: the list empties and 20001 follows.
    ClickCheckBox(P(), kMag);
    TypeInto(P(), kValueOf(kMag), L"20");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kNotApplicable});
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    EXPECT_EQ(quorrel::LoadString(20001), kNotApplicable);
}

TEST_F(LensSearchPage, WorkingDistanceWindowBoundsAreReadAndRewritten) {
    Ask(L"2/3\"", kHFov, L"100");
    ClickCheckBox(P(), Page::kRefineWD);
    // "0" and "0.000001" are no bounds; their edits are emptied.
    P().SetItemText(Page::kWDMin, L"0");
    P().SetItemText(Page::kWDMax, L"0.000001");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Item(Page::kWDMin), L"");
    EXPECT_EQ(Item(Page::kWDMax), L"");
    EXPECT_EQ(ListRows(P()), Expected(P(), 11.0, 8.8, 6.6, 100.0, 1, 1, 3));

    // A window from 250 to 300 keeps the lenses between, both ends included.
    P().SetItemText(Page::kWDMin, L"250");
    P().SetItemText(Page::kWDMax, L"300");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> window = ListRows(P());
    EXPECT_EQ(window, Expected(P(), 11.0, 8.8, 6.6, 100.0, 1, 1, 3, 250.0, 300.0));
    ASSERT_FALSE(window.empty());
    EXPECT_LT(window.size(), Expected(P(), 11.0, 8.8, 6.6, 100.0, 1, 1, 3).size());
    for (double wd : Numbers(Column(P(), lens_search::kColWD))) {
        EXPECT_GE(wd, 249.95);
        EXPECT_LE(wd, 300.05);
    }

    // The maximum below the minimum becomes the minimum, with three decimals.
    P().SetItemText(Page::kWDMin, L"200");
    P().SetItemText(Page::kWDMax, L"100");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Item(Page::kWDMin), L"200");
    EXPECT_EQ(Item(Page::kWDMax), L"200.000");
    EXPECT_EQ(ListRows(P()), Expected(P(), 11.0, 8.8, 6.6, 100.0, 1, 1, 3, 200.0, 200.0));

    // Unticking the window empties both bounds.
    ClickCheckBox(P(), Page::kRefineWD);
    EXPECT_EQ(Item(Page::kWDMin), L"");
    EXPECT_EQ(Item(Page::kWDMax), L"");
}

TEST_F(LensSearchPage, WantedWorkingDistanceWidensAnEmptyWindow) {
    Ask(L"2/3\"", kWDBox, L"150");
    ClickCheckBox(P(), Page::kRefineWD);
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Item(Page::kWDMin), L"");
    EXPECT_EQ(Item(Page::kWDMax), L"150.00");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(ListRows(P()), Expected(P(), 11.0, 8.8, 6.6, 150.0, lens_search::kWorkingDistance, 1, 3, -1.0, 150.0));
    for (double wd : Numbers(Column(P(), lens_search::kColWD))) EXPECT_LE(wd, 150.0);
    // A minimum above the wanted distance comes down to it.
    P().SetItemText(Page::kWDMin, L"180");
    P().SetItemText(Page::kWDMax, L"");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Item(Page::kWDMin), L"150.00");
    EXPECT_EQ(Item(Page::kWDMax), L"150.00");
}

TEST_F(LensSearchPage, HeaderClicksSortByTextAndByNumberInAlternatingDirection) {
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> found = ListRows(P());
    ASSERT_GT(found.size(), 10u);
    auto byModel = [](const Row& a, const Row& b) { return wcscasecmp(a[0].c_str(), b[0].c_str()) < 0; };
    auto byWD = [](const Row& a, const Row& b) {
        return quorrel::ParseLeadingNumber(a[lens_search::kColWD]) < quorrel::ParseLeadingNumber(b[lens_search::kColWD]);
    };

    // First click on "Model": Z to A.
    P().OnLvnColumnclickResult(lens_search::kColModel);
    std::vector<Row> expected = found;
    std::stable_sort(expected.begin(), expected.end(), [&](const Row& a, const Row& b) { return byModel(b, a); });
    EXPECT_EQ(ListRows(P()), expected);
    EXPECT_EQ(P().m_nSortOrder, 1);
    // Again: A to Z.
    P().OnLvnColumnclickResult(lens_search::kColModel);
    std::stable_sort(expected.begin(), expected.end(), byModel);
    EXPECT_EQ(ListRows(P()), expected);
    // The next click, on "WD", finds the direction back at ascending.
    P().OnLvnColumnclickResult(lens_search::kColWD);
    std::stable_sort(expected.begin(), expected.end(), byWD);
    EXPECT_EQ(ListRows(P()), expected);
    EXPECT_EQ(P().m_nSortColumn, lens_search::kColWD);
    P().OnLvnColumnclickResult(lens_search::kColWD);
    const std::vector<double> descending = Numbers(Column(P(), lens_search::kColWD));
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend()));

    // Item data travel with their rows.
    const std::vector<Row> now = ListRows(P());
    for (long r = 0; r < static_cast<long>(now.size()); ++r)
        EXPECT_EQ(now[static_cast<size_t>(r)], found[static_cast<size_t>(P().m_listResult->RowItem(r))]);

    // A new search shows catalogue order again and starts ascending.
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(ListRows(P()), found);
    EXPECT_EQ(P().m_nSortOrder, 0);
    P().OnLvnColumnclickResult(lens_search::kColMagnification);
    const std::vector<double> ascending = Numbers(Column(P(), lens_search::kColMagnification));
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
}

TEST_F(LensSearchPage, HeaderClickBeyondTheLastColumnSortsNothing) {
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> found = ListRows(P());
    ASSERT_GT(found.size(), 10u);
    wxListCtrl* list = P().m_listResult;
    auto clickHeader = [list](int column) {
        wxListEvent event(wxEVT_LIST_COL_CLICK, list->GetId());
        event.SetEventObject(list);
        event.SetColumn(column);
        list->GetEventHandler()->ProcessEvent(event);
        PumpEvents();
    };
    // Past the last column: no sort, and the direction stays.
    clickHeader(-1);
    EXPECT_EQ(ListRows(P()), found);
    EXPECT_EQ(P().m_nSortOrder, 0);
    EXPECT_EQ(P().m_nSortColumn, 0);
    // The next click on "WD" still sorts ascending.
    clickHeader(lens_search::kColWD);
    EXPECT_EQ(P().m_nSortOrder, 1);
    EXPECT_EQ(P().m_nSortColumn, lens_search::kColWD);
    const std::vector<double> ascending = Numbers(Column(P(), lens_search::kColWD));
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    clickHeader(-1);
    EXPECT_EQ(P().m_nSortOrder, 1);
    EXPECT_EQ(P().m_nSortColumn, lens_search::kColWD);
    EXPECT_EQ(Numbers(Column(P(), lens_search::kColWD)), ascending);
}

TEST_F(LensSearchPage, RowsWithEqualNumbersKeepTheirOrderInBothDirections) {
    // At a wanted 300 mm every thin lens shows WD 300.0.
    Ask(L"2/3\"", kWDBox, L"300");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> found = ListRows(P());
    ASSERT_GT(found.size(), 3u);
    ASSERT_EQ(found[0][lens_search::kColWD].substr(0, 6), found[1][lens_search::kColWD].substr(0, 6));
    for (int click = 0; click < 2; ++click) {
        P().OnLvnColumnclickResult(lens_search::kColWD);
        EXPECT_EQ(P().m_listResult->RowItem(0), 0) << "click " << click;
        EXPECT_EQ(P().m_listResult->RowItem(1), 1) << "click " << click;
    }
}

TEST_F(LensSearchPage, SortingKeepsTheSelectedRowSelected) {
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    wxListCtrl* list = P().m_listResult;
    list->SetItemState(3, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    const std::wstring model = list->GetItemText(3).ToStdWstring();
    P().OnLvnColumnclickResult(lens_search::kColModel);
    const long selected = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(list->GetItemText(selected).ToStdWstring(), model);
    EXPECT_EQ(list->GetSelectedItemCount(), 1);
}

TEST_F(LensSearchPage, ClickedRowIsHandedToTheMainDialog) {
    Ask(L"2/3\"", kMag, L"0.3");
    PressButton(P(), Page::kSearch);
    const std::vector<Row> rows = ListRows(P());
    ASSERT_GT(rows.size(), 3u);
    // A row with a close-up ring, and its lens's place in the catalogue.
    const auto ringed = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r[1] != L"0.00"; });
    ASSERT_NE(ringed, rows.end());
    const long row = static_cast<long>(ringed - rows.begin());
    int catalogueIndex = -1;
    for (size_t i = 0; i < P().m_arrCCTVData.size(); ++i)
        if (P().m_arrCCTVData[i]->m_strType == (*ringed)[0]) {
            catalogueIndex = static_cast<int>(i);
            break;
        }
    ASSERT_GE(catalogueIndex, 0);

    ClickRow(P(), row, wxEVT_LEFT_DOWN);
    EXPECT_EQ(P().m_strClickedModel, (*ringed)[0]);
    EXPECT_EQ(P().m_strClickedRing, quorrel::FormatFixed(quorrel::ParseLeadingNumber((*ringed)[1]), 1));
    EXPECT_EQ(P().m_strSensorText, L"2/3\"");
    // The posted message reached the main dialog: the detail page holds the lens.
    CDetailCalculationDlg& detail = m_window->Dlg().m_dlgDetailCalc;
    EXPECT_EQ(detail.ComboGetCurSel(CDetailCalculationDlg::kLensCombo), catalogueIndex);
    EXPECT_TRUE(P().IsShown());

    // A double-click (which arrives after a click) shows the detail page.
    ClickRow(P(), row, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(m_window->Dlg().GetCurSel(), CQuorrelDlg::kTabDetail);
    EXPECT_TRUE(detail.IsShown());
    EXPECT_FALSE(P().IsShown());
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LensSearchPage, EnterSearchesOnlyFromAValueEditAndEscapeDoesNothing) {
    Ask(L"2/3\"", kHFov, L"100");
    ClickCheckBox(P(), Page::kRefineWD);
    // Enter in a window bound: no search.
    EXPECT_FALSE(PressKey(Control(Page::kWDMin), WXK_RETURN));
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    // Escape and Ctrl+Break in a value edit are used up and do nothing.
    EXPECT_TRUE(PressKey(Control(kValueOf(kHFov)), WXK_ESCAPE));
    EXPECT_TRUE(PressKey(Control(kValueOf(kHFov)), WXK_CANCEL));
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    EXPECT_EQ(Item(kValueOf(kHFov)), L"100");
    EXPECT_TRUE(P().IsShown());
    // Enter on the keypad searches too.
    PressKey(Control(kValueOf(kHFov)), WXK_NUMPAD_ENTER);
    EXPECT_GT(P().m_listResult->GetItemCount(), 0);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LensSearchPage, ClearAndFileNewEmptyTheList) {
    Ask(L"2/3\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    P().OnLvnColumnclickResult(lens_search::kColWD);
    PressButton(P(), Page::kClear);
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    EXPECT_EQ(P().m_nSortOrder, 0);
    EXPECT_EQ(P().m_nSortColumn, 0);
    // The inputs stay for the next search.
    EXPECT_EQ(Item(kValueOf(kHFov)), L"100");

    // File, New with "Manual input" ticked: the box is unticked, and a
    // catalogue format chosen afterwards is what the search uses.
    ClickCheckBox(P(), Page::kManualInput);
    TypeInto(P(), Page::kManualD, L"8");
    m_window->Command(wxID_NEW);
    EXPECT_FALSE(P().IsItemChecked(Page::kManualInput));
    EXPECT_EQ(P().m_bManualSensor, 0);
    EXPECT_TRUE(P().IsItemEnabled(Page::kSensorCombo));
    for (int box : {kVFov, kHFov, kDFov, kMag, kWDBox}) EXPECT_TRUE(P().IsItemEnabled(box)) << box;
    Ask(L"1\"", kHFov, L"100");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(ListRows(P()), Expected(P(), 16.0, 12.8, 9.6, 100.0, 1, 1, 3));
    EXPECT_TRUE(m_messages.Texts().empty());
}

// ---- a small catalogue of its own ---------------------------------------------------------

namespace {

std::string LensRow(int id, const char* type, const char* parameter, int specialFlag) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + type + "', 1, '', '', '', '" + parameter +
           "', 3.45, 'C', " + std::to_string(specialFlag) + ", 0, '1.4,2,2.8', 0, " + std::to_string(id * 10) +
           ");";
}

// Thin lenses covering 16 mm: f 12, 16 and 25 (s2 = 17.526 - f - H).
constexpr char kF12[] = "12,-5,38,0,38,10.526,0,1.8,1.4,1,10,16,0,0,22";
constexpr char kF16[] = "16,-4,35,0,35,5.526,0,1.5,1.4,1.5,15,16,0,0,20";
constexpr char kF25[] = "25,-2,30,0,30,-5.474,0,1.1,1.4,3,25,16,0,0,20";

class LensSearchPageOwnCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLensCatalogue(m_folder.Path(),
                           LensRow(1, "qb-16", kF16, 1) + LensRow(2, "QA-25", kF25, 1) + LensRow(3, "Qc-12", kF12, 1) +
                               LensRow(4, "QL-25 line", kF25, 2) + LensRow(5, "QD-16 both", kF16, 3) +
                               "INSERT INTO CCD VALUES (1, 6.4, 4.8, 8, 'Area 8', 1, 1, 10);"
                               "INSERT INTO CCD VALUES (2, 0, 0, 14.34, 'Line 14.3', 2, 2, 20);"
                               "INSERT INTO CCD VALUES (3, 6.4, 4.8, 8, 'Plain 8', 0, 1, 30);");
        m_window = std::make_unique<CMainWindow>(m_folder.Path(), true);
        m_messages.Clear();  // the telecentric and illumination files are missing here
    }
    void TearDown() override { m_window.reset(); }

    Page& P() { return m_window->Dlg().m_dlgCCTVSelect; }
    std::wstring Item(int id) { return P().GetItemText(id); }

    quorrel::CMessageRecorder m_messages;
    CTempFolder m_folder;
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace

TEST_F(LensSearchPageOwnCatalogue, FormatWithAreaFlagOneUnlocksTheDiagonalEditOnlyWhenTicked) {
    // With the sizes still empty, a box ticked before the format is chosen
    // stays ticked (this format has no diagonal-only bit).
    ClickCheckBox(P(), kHFov);
    ChooseSensor(P(), L"Area 8");
    EXPECT_TRUE(P().IsItemChecked(kHFov));
    EXPECT_EQ(P().m_nSensorAxes, 1);
    EXPECT_EQ(Item(Page::kManualV), L"4.80");
    EXPECT_EQ(Item(Page::kManualH), L"6.40");
    EXPECT_EQ(Item(Page::kManualD), L"8.00");
    EXPECT_TRUE(P().IsItemEnabled(kDFov));
    EXPECT_FALSE(P().IsItemChecked(kDFov));
    EXPECT_TRUE(P().IsItemReadOnly(kValueOf(kDFov)));
    ClickCheckBox(P(), kDFov);
    EXPECT_FALSE(P().IsItemReadOnly(kValueOf(kDFov)));
    EXPECT_FALSE(P().IsItemChecked(kHFov));

    // Choosing it again empties the sizes one by one: with only the
    // diagonal left for a moment, the vertical and horizontal boxes are
    // unticked; the diagonal box is unticked by the format's own rule.
    ClickCheckBox(P(), kHFov);
    ChooseSensor(P(), L"Area 8");
    EXPECT_FALSE(P().IsItemChecked(kHFov));
    EXPECT_FALSE(P().IsItemChecked(kDFov));
    for (int box : {kVFov, kHFov, kDFov}) EXPECT_TRUE(P().IsItemEnabled(box)) << box;
    EXPECT_EQ(Item(Page::kManualD), L"8.00");
}

TEST_F(LensSearchPageOwnCatalogue, DiagonalOnlyFormatLocksTheVerticalAndHorizontalBoxes) {
    ChooseSensor(P(), L"Line 14.3");
    EXPECT_EQ(Item(Page::kManualV), L"");
    EXPECT_EQ(Item(Page::kManualH), L"");
    EXPECT_EQ(Item(Page::kManualD), L"14.34");
    EXPECT_FALSE(P().IsItemEnabled(kVFov));
    EXPECT_FALSE(P().IsItemEnabled(kHFov));
    EXPECT_TRUE(P().IsItemEnabled(kDFov));
    // The line sensor's class finds the line-scan lenses only, without
    // vertical and horizontal cells.
    ClickCheckBox(P(), kDFov);
    TypeInto(P(), kValueOf(kDFov), L"200");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"QL-25 line", L"QD-16 both"}));
    for (const Row& r : ListRows(P())) EXPECT_EQ(r[lens_search::kColFovH] + r[lens_search::kColFovV], L"");
    // A format with neither area bit leaves all three boxes enabled.
    ChooseSensor(P(), L"Plain 8");
    for (int box : {kVFov, kHFov, kDFov}) EXPECT_TRUE(P().IsItemEnabled(box)) << box;
    EXPECT_EQ(Item(Page::kManualD), L"");
}

TEST_F(LensSearchPageOwnCatalogue, TypedInSensorFindsOnlyLensesOfTheAreaClass) {
    ClickCheckBox(P(), Page::kManualInput);
    TypeInto(P(), Page::kManualV, L"4.8");
    TypeInto(P(), Page::kManualH, L"6.4");
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    PressButton(P(), Page::kSearch);
    EXPECT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"qb-16", L"QA-25", L"Qc-12", L"QD-16 both"}));
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LensSearchPageOwnCatalogue, ModelSortIgnoresTheCaseOfLetters) {
    ChooseSensor(P(), L"Area 8");
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    PressButton(P(), Page::kSearch);
    ASSERT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"qb-16", L"QA-25", L"Qc-12", L"QD-16 both"}));
    P().OnLvnColumnclickResult(lens_search::kColModel);
    EXPECT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"QD-16 both", L"Qc-12", L"qb-16", L"QA-25"}));
    P().OnLvnColumnclickResult(lens_search::kColModel);
    EXPECT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"QA-25", L"qb-16", L"Qc-12", L"QD-16 both"}));
    // The working distance grows with the focal length: 12, 16 and 16 (in
    // their present order), 25.
    P().OnLvnColumnclickResult(lens_search::kColWD);
    EXPECT_EQ(Column(P(), 0), (std::vector<std::wstring>{L"Qc-12", L"qb-16", L"QD-16 both", L"QA-25"}));
}

TEST_F(LensSearchPageOwnCatalogue, ClickBesideTheRowsDoesNothing) {
    ChooseSensor(P(), L"Area 8");
    ClickCheckBox(P(), kHFov);
    TypeInto(P(), kValueOf(kHFov), L"100");
    PressButton(P(), Page::kSearch);
    ASSERT_EQ(P().m_listResult->GetItemCount(), 4);  // the rows end well above the list's bottom
    P().m_strClickedModel = L"unchanged";
    ClickRow(P(), -1, wxEVT_LEFT_DOWN);
    ClickRow(P(), -1, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(P().m_strClickedModel, L"unchanged");
    EXPECT_EQ(m_window->Dlg().GetCurSel(), CQuorrelDlg::kTabLensSearch);
    EXPECT_TRUE(P().IsShown());
    // The last row itself does answer.
    ClickRow(P(), 3, wxEVT_LEFT_DOWN);
    EXPECT_EQ(P().m_strClickedModel, L"QD-16 both");
    EXPECT_EQ(P().m_strClickedRing, L"0.0");
    EXPECT_EQ(P().m_strSensorText, L"Area 8");
}
