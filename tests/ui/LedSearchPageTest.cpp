// The illumination search page as the user drives it on the sample
// catalogue: both search modes, the checks and their messages, the filters,
// the result list with its sorting and selection, a lens handed over, the
// languages of the names and File, New.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <wx/checklst.h>
#include <wx/radiobut.h>

#include "DetailPageSupport.h"
#include "UiHarness.h"
#include "illumination/CLEDModelSelectionDlg.h"
#include "illumination/LedTypes.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/wx/PageMessagesWx.h"

using namespace uitest;
using Page = CLEDModelSelectionDlg;
using Request = led_search::tagLedSearchRequest;
using Texts = std::vector<std::wstring>;

namespace {

void ClickRadio(Page& page, int id) {
    auto* radio = page.GetControlAs<wxRadioButton>(id);
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    radio->ProcessWindowEvent(event);
    PumpEvents();
}

wxCheckListBox& TypeList(Page& page) { return *page.GetControlAs<wxCheckListBox>(Page::kTypeList); }

// The row of `model`, or null.
const Row* Find(const std::vector<Row>& rows, const std::wstring& model) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r[0] == model; });
    return it == rows.end() ? nullptr : &*it;
}

// Every type, colour and control method, with the given geometry.
Request Unfiltered(const Page& page, Request q) {
    q.nTypeMask = led_search::TypeMask(page.m_arrLedTypeData, std::vector<bool>(page.m_arrLedTypeData.size(), true));
    q.nColorMask = 63, q.nControlMask = 3;
    return q;
}

Request Lens(const Page& page, double h, double v, double d, double wd, double eff) {
    Request q;
    q.dFovH = h, q.dFovV = v, q.dFovD = d, q.dLensWD = wd, q.dEffDiameter = eff;
    return Unfiltered(page, q);
}

// The rows the search function gives for the same request.
std::vector<Row> Expected(const Page& page, const Request& q) {
    std::vector<led_search::tagLedSearchRow> found;
    led_search::SearchLights(page.m_arrLedData, q, found);
    std::vector<Row> rows;
    for (const auto& f : found) {
        led_search::tagLedCells cells;
        led_search::FormatRow(f, {page.m_arrLedTypeData, page.m_arrLedColorData, page.m_strLanguage}, cells);
        rows.emplace_back(cells.begin(), cells.end());
    }
    return rows;
}

class LedSearchPage : public ::testing::Test {
protected:
    void SetUp() override { m_window.ClickTab(CQuorrelDlg::kTabIlluminationSearch); }

    Page& P() { return m_window.Dlg().m_dlgLEDSelect; }
    std::wstring Item(int id) { return P().GetItemText(id); }
    std::vector<Row> Rows() { return ListRows(*P().m_listResult); }

    void SearchLens(const wchar_t* h, const wchar_t* v, const wchar_t* wd, const wchar_t* eff) {
        ClickRadio(P(), Page::kModeLensSpec);
        for (auto [id, text] : {std::pair{Page::kFovH, h}, {Page::kFovV, v}, {Page::kLensWD, wd}, {Page::kEffDiameter, eff}})
            Type(P(), id, text);
        ClickButton(P(), Page::kSearch);
    }
    // A lighting area on one axis (0 H, 1 V, 2 D) at an illumination WD.
    void SearchArea(int axis, const wchar_t* area, const wchar_t* wd) {
        ClickRadio(P(), Page::kModeIllumWD);
        if (!P().IsItemChecked(Page::kAxisFirst + axis)) ClickBox(P(), Page::kAxisFirst + axis);
        Type(P(), Page::kAreaFirst + axis, area);
        Type(P(), Page::kIllumWD, wd);
        ClickButton(P(), Page::kSearch);
    }

    quorrel::CMessageRecorder m_messages;
    CMainWindow m_window{SampleCatalogueFolder(), true};
};

}  // namespace

TEST_F(LedSearchPage, ModesAxesAndAllBoxesEnableTheirControls) {
    ClickRadio(P(), Page::kModeIllumWD);
    for (int id = Page::kFovH; id <= Page::kIllumWD; ++id) EXPECT_EQ(P().IsItemEnabled(id), id >= Page::kAreaFirst) << id;
    ClickRadio(P(), Page::kModeLensSpec);
    for (int id = Page::kFovH; id <= Page::kIllumWD; ++id) EXPECT_EQ(P().IsItemEnabled(id), id < Page::kAreaFirst) << id;

    // One lighting-area axis at a time; the others empty their edits.
    ClickBox(P(), Page::kAxisFirst);
    Type(P(), Page::kAreaFirst, L"20");
    ClickBox(P(), Page::kAxisFirst + 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(P().IsItemChecked(Page::kAxisFirst + i), i == 2) << i;
        EXPECT_EQ(P().IsItemReadOnly(Page::kAreaFirst + i), i != 2) << i;
    }
    EXPECT_EQ(Item(Page::kAreaFirst), L"");

    // "ALL" unticked frees the boxes with their ticks; ticked again it ticks
    // and locks them.
    for (auto [all, first, count] : {std::tuple{Page::kColorAll, Page::kColorFirst, 6},
                                     std::tuple{Page::kControlAll, Page::kControlFirst, 2}}) {
        ClickBox(P(), all);
        EXPECT_TRUE(P().IsItemChecked(first));
        ClickBox(P(), first);
        ClickBox(P(), all);
        for (int id = first; id < first + count; ++id) EXPECT_TRUE(P().IsItemChecked(id) && !P().IsItemEnabled(id)) << id;
    }
    ClickBox(P(), Page::kTypeAll);
    EXPECT_TRUE(TypeList(P()).IsEnabled());
    TypeList(P()).Check(3, false);
    ClickBox(P(), Page::kTypeAll);
    EXPECT_TRUE(TypeList(P()).IsChecked(3) && !TypeList(P()).IsEnabled());
}

TEST_F(LedSearchPage, LensSpecificationSearchWritesTheDiagonal) {
    SearchLens(L"3", L"4", L"150", L"23.46");
    EXPECT_EQ(Item(Page::kFovD), L"5.00");

    SearchLens(L"64", L"48", L"150", L"23.46");
    const std::vector<Row> rows = Rows();
    EXPECT_EQ(rows, Expected(P(), Lens(P(), 64, 48, 80, 150, 23.46)));
    // QR-D80 (hole 52, height 20, 20..250): at most 150 - 20 = 130; the cone
    // from the 23.46 mm front to the 80 mm field passes the hole from
    // 150 - (52 - 23.46) * 150 / (80 - 23.46) = 74.28 on, where the ring
    // already lights 122.7 mm.
    ASSERT_NE(Find(rows, L"QR-D80"), nullptr);
    EXPECT_EQ(*Find(rows, L"QR-D80"),
              (Row{L"QR-D80", L"Ring light", L"White", L"0.20", L"4.80", L"74.28 - 130.00", L"QP-CV24-2", L"CV", L""}));
    // The made-to-order QR-D160 shows its own icon.
    ASSERT_NE(Find(rows, L"QR-D160"), nullptr);
    for (long r = 0; r < static_cast<long>(rows.size()); ++r) {
        wxListItem item;
        item.SetId(r), item.SetMask(wxLIST_MASK_IMAGE);
        ASSERT_TRUE(P().m_listResult->GetItem(item));
        EXPECT_EQ(item.GetImage(), rows[static_cast<size_t>(r)][0] == L"QR-D160" ? 1 : 0) << r;
    }
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LedSearchPage, WorkingDistanceSearchFromEachAxis) {
    for (int axis = 0; axis < 3; ++axis) {
        SearchArea(axis, L"60", L"30");
        Request q;
        q.dIllumWD = 30.0;
        (axis == 0 ? q.dAreaH : axis == 1 ? q.dAreaV : q.dAreaD) = 60.0;
        const std::vector<Row> rows = Rows();
        EXPECT_FALSE(rows.empty()) << axis;
        EXPECT_EQ(rows, Expected(P(), Unfiltered(P(), q))) << axis;
        // The bar lights' V axis lights only 16 + 18 + 0.72 = 34.72 mm at 30.
        const bool bars = std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r[1] == L"Bar light"; });
        EXPECT_EQ(bars, axis != 1) << axis;
    }
}

TEST_F(LedSearchPage, RefusalsShowTheirMessagesInOrderAndKeepTheList) {
    ClickButton(P(), Page::kSearch);
    SearchLens(L"", L"", L"", L"");
    SearchLens(L"64", L"", L"", L"");
    SearchLens(L"64", L"48", L"", L"");
    EXPECT_EQ(Item(Page::kFovD), L"80.00");
    SearchLens(L"64", L"48", L"150", L"");
    SearchLens(L"64", L"48", L"150", L"23.46");
    const std::vector<Row> found = Rows();
    ASSERT_FALSE(found.empty());
    ClickRadio(P(), Page::kModeIllumWD);
    Type(P(), Page::kIllumWD, L"30");
    ClickButton(P(), Page::kSearch);
    SearchArea(1, L"40", L"");
    EXPECT_EQ(m_messages.Texts(), (Texts{L"Select a search condition.", L"FOV is not entered.", L"FOV is not entered.",
                                         L"Lens WD is not entered.", L"Effective diameter is not entered.",
                                         L"Lighting area is not entered.", L"Illumination WD is not entered."}));
    for (const auto& entry : m_messages.Entries()) EXPECT_EQ(entry.icon, quorrel::MessageIcon::Exclamation);
    EXPECT_EQ(Rows(), found);
}

TEST_F(LedSearchPage, EachFilterKeepsOnlyTheLightsThatPassIt) {
    SearchArea(0, L"40", L"20");
    const std::vector<Row> all = Rows();
    ASSERT_GT(all.size(), 20u);
    auto number = [](const Row& r, size_t column) { return quorrel::ParseLeadingNumber(r[column]); };
    auto onlyType = [&](const wxString& name) {
        for (unsigned i = 0; i < TypeList(P()).GetCount(); ++i) TypeList(P()).Check(i, TypeList(P()).GetString(i) == name);
    };
    const struct {
        const char* what;
        std::function<void()> set;
        std::function<bool(const Row&)> fits;
    } cases[] = {
        {"bar lights", [&] { ClickBox(P(), Page::kTypeAll), onlyType("Bar light"); },
         [](const Row& r) { return r[1] == L"Bar light"; }},
        {"no type", [&] { onlyType(""); }, [](const Row&) { return false; }},
        {"red", [&] {
             ClickBox(P(), Page::kTypeAll), ClickBox(P(), Page::kColorAll);
             for (int id = Page::kColorFirst + 1; id < Page::kColorFirst + 6; ++id) ClickBox(P(), id);
         }, [](const Row& r) { return r[2] == L"Red"; }},
        {"constant current", [&] {
             ClickBox(P(), Page::kColorAll), ClickBox(P(), Page::kControlAll), ClickBox(P(), Page::kControlFirst + 1);
         }, [](const Row& r) { return r[7] == L"CC"; }},
        {"0.2 A", [&] { ClickBox(P(), Page::kControlAll), Type(P(), Page::kCurrentLimit, L"0.2"); },
         [&](const Row& r) { return number(r, 3) <= 0.2; }},
        {"5 W", [&] { Type(P(), Page::kCurrentLimit, L""), Type(P(), Page::kPowerLimit, L"5"); },
         [&](const Row& r) { return number(r, 4) <= 5.0; }},
        {"limits of 0", [&] { Type(P(), Page::kCurrentLimit, L"0"), Type(P(), Page::kPowerLimit, L"0"); },
         [](const Row&) { return true; }},
    };
    for (const auto& c : cases) {
        m_messages.Clear();
        c.set();
        ClickButton(P(), Page::kSearch);
        std::vector<Row> kept;
        std::copy_if(all.begin(), all.end(), std::back_inserter(kept), c.fits);
        EXPECT_EQ(Rows(), kept) << c.what;
        EXPECT_EQ(m_messages.Texts(), kept.empty() ? Texts{L"No illumination item to meet the requirement."} : Texts{})
            << c.what;
    }
}

TEST_F(LedSearchPage, LightWithTwoIntervalsShowsTheNearerFirst) {
    // 0.01 x^2 - 1.2 x + 41 dips to 5 mm at WD 60 and lights 14 mm only up
    // to 30 and from 90 on.
    CLedData_DirectRing dip;
    dip.ProductName = L"QR-DIP", dip.Type = 1, dip.Color = 4;
    dip.MinWD = 20, dip.MaxWD = 100;
    dip.WD_H_b = 0.01, dip.WD_H_c = -1.2, dip.WD_H_d = 41;
    P().m_arrLedData.push_back(&dip);
    SearchArea(0, L"14", L"20");
    const std::vector<Row> rows = Rows();
    P().m_arrLedData.pop_back();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back()[0], L"QR-DIP");
    EXPECT_EQ(rows.back()[5], L"20.00 - 30.00  90.00 - 100.00");
}

TEST_F(LedSearchPage, HeaderClicksSortModelAndColourAsTextAndTheCurrentAsANumber) {
    SearchArea(0, L"40", L"20");
    const std::vector<Row> found = Rows();
    // The rows as shown, stably sorted. Texts compare with A to Z folded to
    // lower case.
    auto sorted = [&](size_t column, bool descending, bool numeric) {
        auto key = [&](const Row& r) {
            std::wstring s = numeric ? L"" : r[column];
            for (wchar_t& c : s) c = (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c;
            return std::pair{numeric ? quorrel::ParseLeadingNumber(r[column]) : 0.0, s};
        };
        std::vector<Row> rows = Rows();
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return descending ? key(b) < key(a) : key(a) < key(b); });
        return rows;
    };
    // Direction 0: the smallest current first; 1: models from A up; 0:
    // colours from the greatest down; 1 on column 5: all equal, no change.
    const struct {
        int column;
        bool descending, numeric;
    } clicks[] = {{3, false, true}, {0, false, false}, {2, true, false}, {5, false, false}};
    for (const auto& c : clicks) {
        const std::vector<Row> expected = c.column == 5 ? Rows() : sorted(c.column, c.descending, c.numeric);
        P().OnLvnColumnclickResult(c.column);
        EXPECT_EQ(Rows(), expected) << c.column;
    }
    // A new search shows catalogue order and starts from direction 0.
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(Rows(), found);
    const std::vector<Row> expected = sorted(0, true, false);
    P().OnLvnColumnclickResult(0);
    EXPECT_EQ(Rows(), expected);
}

TEST_F(LedSearchPage, DoubleClickOpensTheSelectedLightsDataSheetWithTheSearchedLens) {
    CLedSpecViewDlg& sheet = m_window.Dlg().m_dlgLedSpec;
    SearchLens(L"64", L"48", L"150", L"23.46");
    ASSERT_GT(P().m_listResult->GetItemCount(), 1);
    P().m_listResult->SelectRow(1);
    PumpEvents();
    ASSERT_NE(P().m_pCurrentLight, nullptr);
    EXPECT_EQ(P().m_pCurrentLight->ProductName, P().m_listResult->RowText(1, 0));

    P().OnNMDblclkResult(-1);  // below the rows
    PumpEvents();
    EXPECT_EQ(m_window.Dlg().GetCurSel(), CQuorrelDlg::kTabIlluminationSearch);
    P().OnNMDblclkResult(1);
    PumpEvents();
    EXPECT_EQ(m_window.Dlg().GetCurSel(), CQuorrelDlg::kTabIlluminationSpec);
    EXPECT_EQ(sheet.m_pCurrentLight, P().m_pCurrentLight);
    EXPECT_TRUE(sheet.IsItemChecked(CLedSpecViewDlg::kLensSpec));
    EXPECT_EQ((Texts{sheet.GetItemText(CLedSpecViewDlg::kLensWD), sheet.GetItemText(CLedSpecViewDlg::kEffDiameter),
                     sheet.GetItemText(CLedSpecViewDlg::kFovH), sheet.GetItemText(CLedSpecViewDlg::kFovV)}),
              (Texts{L"150.00", L"23.46", L"64.00", L"48.00"}));

    // A search by illumination WD has no lens.
    m_window.ClickTab(CQuorrelDlg::kTabIlluminationSearch);
    SearchArea(0, L"40", L"20");
    P().OnNMDblclkResult(0);
    PumpEvents();
    EXPECT_FALSE(sheet.IsItemChecked(CLedSpecViewDlg::kLensSpec));
    EXPECT_EQ(sheet.GetItemText(CLedSpecViewDlg::kLensWD), L"");
}

TEST_F(LedSearchPage, HandedOverLensIsSearchedAndAMissingValueIsAskedFor) {
    CDetailCalculationDlg& detail = m_window.Dlg().m_dlgDetailCalc;
    detail.m_dHandFovH = 64.0, detail.m_dHandFovV = 48.0, detail.m_dHandFovD = 80.0;
    detail.m_dHandWD = 151.25, detail.m_dHandEffDiameter = 23.456;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    ClickButton(P(), Page::kSearch);
    EXPECT_GT(P().m_listResult->GetItemCount(), 0);
    EXPECT_EQ(Rows(), Expected(P(), Lens(P(), 64, 48, 80, 151.25, 23.46)));

    // No working distance: the list empties and the search asks for it
    // rather than searching with 1.00.
    detail.m_dHandWD = -1.0;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), Texts{L"Lens WD is not entered."});
}

TEST_F(LedSearchPage, TypeAndColourNamesFollowTheLanguage) {
    const struct {
        const wchar_t *language, *ring, *red, *back;
    } cases[] = {{L"JP", L"リング照明", L"赤色", L"バックライト"},
                 {L"EN", L"Ring light", L"Red", L"Back light"},
                 {L"CN", L"环形光源", L"红色", L"背光源"}};
    Request q;
    q.dIllumWD = 20.0, q.dAreaH = 10.0;
    for (const auto& c : cases) {
        P().m_strLanguage = c.language;
        P().m_arrLedTypeData.clear();
        TypeList(P()).Clear();
        P().SetTypeList(m_window.Dlg().m_arrLedTypeData);
        EXPECT_EQ(TypeList(P()).GetString(0) + "|" + TypeList(P()).GetString(8), wxString(c.ring) + "|" + c.back);
        P().FillResultList(Unfiltered(P(), q));
        const std::vector<Row> rows = Rows();
        const Row* red = Find(rows, L"QR-D80R");
        ASSERT_NE(red, nullptr);
        EXPECT_EQ((*red)[1] + L"|" + (*red)[2], std::wstring(c.ring) + L"|" + c.red);
    }
}

TEST_F(LedSearchPage, ListFitsTheVisibleHeightAndItsColumnsTheirTexts) {
    m_window.UnderTitleBar();
    ExpectControlsInView(P(), false);
    EXPECT_EQ(P().m_listResult->GetRect().GetBottom() + 1, P().GetVisibleHeight() - 2);

    SearchArea(0, L"40", L"20");
    const quorrel::CResultList& list = *P().m_listResult;
    for (int c = 0; c < led_search::kColSpare; ++c) {
        wxListItem header;
        header.SetMask(wxLIST_MASK_TEXT);
        list.GetColumn(c, header);
        int widest = list.GetTextExtent(header.GetText()).GetWidth();
        for (const Row& r : Rows())
            widest = std::max(widest, list.GetTextExtent(wxString(r[static_cast<size_t>(c)])).GetWidth() + (c ? 0 : 16));
        EXPECT_GE(list.GetColumnWidth(c), widest + 8) << c;
    }
}

TEST_F(LedSearchPage, StartsClearedAndFileNewClearsAgainButKeepsTheTypeList) {
    auto expectCleared = [&] {
        EXPECT_FALSE(P().IsItemChecked(Page::kModeLensSpec) || P().IsItemChecked(Page::kModeIllumWD));
        for (int id : {Page::kFovH, Page::kFovD, Page::kEffDiameter, Page::kIllumWD, Page::kCurrentLimit})
            EXPECT_TRUE(Item(id).empty() && P().IsItemEnabled(id)) << id;
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(!P().IsItemChecked(Page::kAxisFirst + i) && P().IsItemReadOnly(Page::kAreaFirst + i)) << i;
        for (int id = Page::kColorFirst; id <= Page::kControlFirst + 1; ++id)
            EXPECT_TRUE(P().IsItemChecked(id) && !P().IsItemEnabled(id)) << id;
        EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
        EXPECT_EQ(P().m_nSortOrder, 0);
    };
    expectCleared();
    EXPECT_TRUE(P().IsItemChecked(Page::kTypeAll));
    ASSERT_EQ(TypeList(P()).GetCount(), 9u);  // the coaxial type is discontinued
    for (unsigned i = 0; i < 9; ++i) EXPECT_TRUE(TypeList(P()).IsChecked(i) && !TypeList(P()).IsEnabled()) << i;
    EXPECT_EQ(TypeList(P()).GetString(8), "Back light");
    EXPECT_EQ(P().m_listResult->GetSize().GetWidth(), 810);

    SearchLens(L"64", L"48", L"150", L"23.46");
    ClickBox(P(), Page::kTypeAll);
    TypeList(P()).Check(2, false);
    ClickBox(P(), Page::kColorAll);
    ClickBox(P(), Page::kControlAll);
    Type(P(), Page::kCurrentLimit, L"0.3");
    SearchArea(1, L"40", L"30");
    P().OnLvnColumnclickResult(3);
    m_window.Command(wxID_NEW);
    expectCleared();
    EXPECT_FALSE(P().IsItemChecked(Page::kTypeAll));
    EXPECT_TRUE(TypeList(P()).IsEnabled() && !TypeList(P()).IsChecked(2));
}
