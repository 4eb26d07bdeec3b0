// The illumination search page as the user drives it on the sample
// catalogue: both search modes, the checks and their messages, the filters,
// the result list with its sorting and selection, the lens hand-overs from
// the lens pages, the languages of the names and File, New.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <wx/checklst.h>
#include <wx/frame.h>
#include <wx/radiobut.h>

#include "DetailPageSupport.h"
#include "UiHarness.h"
#include "illumination/CLEDModelSelectionDlg.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"
#include "platform/Message.h"
#include "platform/Numbers.h"
#include "platform/wx/PageMessagesWx.h"
#include "telecentric/CTKLData.h"

using namespace uitest;
using Page = CLEDModelSelectionDlg;
using Row = std::vector<std::wstring>;

namespace {

const std::wstring kNothingFound = L"No illumination item to meet the requirement.";

void ClickRadio(Page& page, int id) {
    auto* radio = page.GetControlAs<wxRadioButton>(id);
    ASSERT_NE(radio, nullptr) << id;
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetEventObject(radio);
    radio->ProcessWindowEvent(event);
    PumpEvents();
}

wxCheckListBox& TypeList(Page& page) { return *page.GetControlAs<wxCheckListBox>(Page::kTypeList); }

std::vector<Row> ListRows(const Page& page) {
    std::vector<Row> rows;
    for (long r = 0; r < page.m_listResult->GetItemCount(); ++r) {
        Row row;
        for (int c = 0; c < led_search::kColumnCount; ++c) row.push_back(page.m_listResult->RowText(r, c));
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::wstring> Column(const std::vector<Row>& rows, int column) {
    std::vector<std::wstring> texts;
    for (const Row& r : rows) texts.push_back(r[static_cast<size_t>(column)]);
    return texts;
}

std::vector<Row> Keep(const std::vector<Row>& rows, const std::function<bool(const Row&)>& fits) {
    std::vector<Row> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept), fits);
    return kept;
}

// Every type, colour and control method.
led_search::tagLedSearchRequest Unfiltered(const Page& page) {
    led_search::tagLedSearchRequest q;
    q.nTypeMask = led_search::TypeMask(page.m_arrLedTypeData, std::vector<bool>(page.m_arrLedTypeData.size(), true));
    q.nColorMask = 63;
    q.nControlMask = 3;
    return q;
}

led_search::tagLedSearchRequest LensRequest(const Page& page, double h, double v, double d, double wd, double eff) {
    led_search::tagLedSearchRequest q = Unfiltered(page);
    q.dFovH = h, q.dFovV = v, q.dFovD = d, q.dLensWD = wd, q.dEffDiameter = eff;
    return q;
}

// The rows the search function gives for the same request.
std::vector<Row> Expected(const Page& page, const led_search::tagLedSearchRequest& q) {
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
    void SetUp() override {
        m_window = std::make_unique<CMainWindow>(SampleCatalogueFolder(), true);
        m_window->ClickTab(CQuorrelDlg::kTabIlluminationSearch);
        ASSERT_TRUE(m_messages.Texts().empty());
    }
    void TearDown() override { m_window.reset(); }

    Page& P() { return m_window->Dlg().m_dlgLEDSelect; }
    std::wstring Item(int id) { return P().GetItemText(id); }

    void SearchLens(const wchar_t* h, const wchar_t* v, const wchar_t* wd, const wchar_t* eff) {
        ClickRadio(P(), Page::kModeLensSpec);
        Type(P(), Page::kFovH, h);
        Type(P(), Page::kFovV, v);
        Type(P(), Page::kLensWD, wd);
        Type(P(), Page::kEffDiameter, eff);
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
    std::unique_ptr<CMainWindow> m_window;
};

}  // namespace

TEST_F(LedSearchPage, StartsWithNoModeEveryFilterOnAndAnEmptyList) {
    EXPECT_FALSE(P().IsItemChecked(Page::kModeLensSpec));
    EXPECT_FALSE(P().IsItemChecked(Page::kModeIllumWD));
    for (int all : {Page::kColorAll, Page::kControlAll, Page::kTypeAll}) EXPECT_TRUE(P().IsItemChecked(all)) << all;
    for (int id = Page::kColorFirst; id <= Page::kControlFirst + 1; ++id) {
        EXPECT_TRUE(P().IsItemChecked(id)) << id;
        EXPECT_FALSE(P().IsItemEnabled(id)) << id;
    }
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(P().IsItemReadOnly(Page::kAreaFirst + i));
    const wxCheckListBox& types = TypeList(P());
    EXPECT_FALSE(types.IsEnabled());
    ASSERT_EQ(types.GetCount(), 9u);  // the coaxial type is discontinued
    for (unsigned i = 0; i < types.GetCount(); ++i) EXPECT_TRUE(types.IsChecked(i)) << i;
    EXPECT_EQ(types.GetString(0), "Ring light");
    EXPECT_EQ(types.GetString(8), "Back light");

    EXPECT_EQ(P().m_listResult->GetSize().GetWidth(), 810);
    ASSERT_EQ(P().m_listResult->GetColumnCount(), 9);
    const wchar_t* headers[] = {L"Model", L"Illumination Type", L"Emitted Color", L"Maximum Rated Current [A]",
                                L"Power Consumption [W]", L"Reference WD [mm]", L"LED Controller",
                                L"Control System", L""};
    for (int c = 0; c < 9; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        P().m_listResult->GetColumn(c, column);
        EXPECT_EQ(column.GetText().ToStdWstring(), headers[c]);
    }
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
}

TEST_F(LedSearchPage, ModesAxesAndAllBoxesEnableTheirControls) {
    ClickRadio(P(), Page::kModeIllumWD);
    for (int id : {Page::kFovH, Page::kFovV, Page::kFovD, Page::kLensWD, Page::kEffDiameter})
        EXPECT_FALSE(P().IsItemEnabled(id)) << id;
    for (int id = Page::kAreaFirst; id <= Page::kIllumWD; ++id) EXPECT_TRUE(P().IsItemEnabled(id)) << id;
    ClickRadio(P(), Page::kModeLensSpec);
    EXPECT_TRUE(P().IsItemEnabled(Page::kEffDiameter));
    EXPECT_FALSE(P().IsItemEnabled(Page::kIllumWD));

    // One lighting-area axis at a time; the others empty their edits.
    ClickBox(P(), Page::kAxisFirst);
    Type(P(), Page::kAreaFirst, L"20");
    ClickBox(P(), Page::kAxisFirst + 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(P().IsItemChecked(Page::kAxisFirst + i), i == 2) << i;
        EXPECT_EQ(P().IsItemReadOnly(Page::kAreaFirst + i), i != 2) << i;
    }
    EXPECT_EQ(Item(Page::kAreaFirst), L"");

    // "ALL" unticked frees the boxes and keeps their ticks; ticked again it
    // ticks them all and locks them.
    for (auto [all, first, count] : {std::tuple{Page::kColorAll, Page::kColorFirst, 6},
                                     std::tuple{Page::kControlAll, Page::kControlFirst, 2}}) {
        ClickBox(P(), all);
        EXPECT_TRUE(P().IsItemEnabled(first));
        EXPECT_TRUE(P().IsItemChecked(first));
        ClickBox(P(), first);
        ClickBox(P(), all);
        for (int id = first; id < first + count; ++id) {
            EXPECT_TRUE(P().IsItemChecked(id)) << id;
            EXPECT_FALSE(P().IsItemEnabled(id)) << id;
        }
    }
    ClickBox(P(), Page::kTypeAll);
    EXPECT_TRUE(TypeList(P()).IsEnabled());
    TypeList(P()).Check(3, false);
    ClickBox(P(), Page::kTypeAll);
    EXPECT_TRUE(TypeList(P()).IsChecked(3));
    EXPECT_FALSE(TypeList(P()).IsEnabled());
}

TEST_F(LedSearchPage, LensSpecificationSearchWritesTheDiagonalAndKeepsTheLensValues) {
    SearchLens(L"3", L"4", L"150", L"23.46");
    EXPECT_EQ(Item(Page::kFovD), L"5.00");
    EXPECT_EQ(ListRows(P()), Expected(P(), LensRequest(P(), 3, 4, 5, 150, 23.46)));
    m_messages.Clear();

    SearchLens(L"64", L"48", L"150", L"23.46");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Item(Page::kFovD), L"80.00");
    const std::vector<Row> rows = ListRows(P());
    EXPECT_EQ(rows, Expected(P(), LensRequest(P(), 64, 48, 80, 150, 23.46)));
    // QR-D80 (inner 52, height 20, 20..250): at most 150 - 20 = 130; the
    // cone from the 23.46 mm front to the 80 mm field passes the 52 mm hole
    // from 150 - (52 - 23.46) * 150 / (80 - 23.46) = 74.28 on, where the
    // ring already lights 122.7 mm, more than 80.
    const auto it = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r[0] == L"QR-D80"; });
    ASSERT_NE(it, rows.end());
    EXPECT_EQ(*it, (Row{L"QR-D80", L"Ring light", L"White", L"0.20", L"4.80", L"74.28 - 130.00", L"QP-CV24-2", L"CV",
                        L""}));
    // The made-to-order QR-D160 shows its own icon.
    for (long r = 0; r < static_cast<long>(rows.size()); ++r) {
        wxListItem item;
        item.SetId(r);
        item.SetMask(wxLIST_MASK_IMAGE);
        ASSERT_TRUE(P().m_listResult->GetItem(item));
        EXPECT_EQ(item.GetImage(), rows[static_cast<size_t>(r)][0] == L"QR-D160" ? 1 : 0) << r;
    }
    EXPECT_NE(std::find(Column(rows, 0).begin(), Column(rows, 0).end(), L"QR-D160"), Column(rows, 0).end());
    EXPECT_EQ(P().m_dLastLensWD, 150.0);
    EXPECT_EQ(P().m_dLastEffDiameter, 23.46);
    EXPECT_EQ(P().m_dLastFovH, 64.0);
    EXPECT_EQ(P().m_dLastFovV, 48.0);
    EXPECT_EQ(P().m_dLastFovD, 80.0);
}

TEST_F(LedSearchPage, WorkingDistanceSearchFromEachAxis) {
    for (int axis = 0; axis < 3; ++axis) {
        SCOPED_TRACE(axis);
        SearchArea(axis, L"60", L"30");
        led_search::tagLedSearchRequest q = Unfiltered(P());
        q.dIllumWD = 30.0;
        (axis == 0 ? q.dAreaH : axis == 1 ? q.dAreaV : q.dAreaD) = 60.0;
        const std::vector<Row> rows = ListRows(P());
        EXPECT_FALSE(rows.empty());
        EXPECT_EQ(rows, Expected(P(), q));
        EXPECT_EQ(P().m_dLastLensWD, -1.0);
        EXPECT_EQ(P().m_dLastFovD, -1.0);
    }
    // The bar lights' V axis lights only 16 + 18 + 0.72 = 34.72 mm at 30.
    SearchArea(1, L"60", L"30");
    for (const Row& r : ListRows(P())) EXPECT_NE(r[1], L"Bar light") << wxString(r[0]).utf8_string();
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LedSearchPage, RefusalsShowTheirMessagesInOrderAndKeepTheList) {
    ClickButton(P(), Page::kSearch);
    SearchLens(L"", L"", L"", L"");
    SearchLens(L"64", L"", L"", L"");
    SearchLens(L"64", L"48", L"", L"");
    EXPECT_EQ(Item(Page::kFovD), L"80.00");
    SearchLens(L"64", L"48", L"150", L"");
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::wstring>{L"Select a search condition.", L"FOV is not entered.",
                                                             L"FOV is not entered.", L"Lens WD is not entered.",
                                                             L"Effective diameter is not entered."}));
    m_messages.Clear();

    SearchLens(L"64", L"48", L"150", L"23.46");
    const std::vector<Row> found = ListRows(P());
    ASSERT_FALSE(found.empty());
    ClickRadio(P(), Page::kModeIllumWD);
    Type(P(), Page::kIllumWD, L"30");
    ClickButton(P(), Page::kSearch);
    ClickBox(P(), Page::kAxisFirst + 1);
    Type(P(), Page::kAreaFirst + 1, L"40");
    Type(P(), Page::kIllumWD, L"");
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::wstring>{L"Lighting area is not entered.", L"Illumination WD is not entered."}));
    for (const auto& entry : m_messages.Entries()) EXPECT_EQ(entry.icon, quorrel::MessageIcon::Exclamation);
    EXPECT_EQ(ListRows(P()), found);
}

TEST_F(LedSearchPage, NoTypeTickedFindsNothing) {
    ClickBox(P(), Page::kTypeAll);
    for (unsigned i = 0; i < TypeList(P()).GetCount(); ++i) TypeList(P()).Check(i, false);
    SearchLens(L"64", L"48", L"150", L"23.46");
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{kNothingFound});
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
}

TEST_F(LedSearchPage, EachFilterKeepsOnlyTheLightsThatPassIt) {
    SearchArea(0, L"40", L"20");
    const std::vector<Row> all = ListRows(P());
    ASSERT_GT(all.size(), 20u);
    auto number = [](const Row& r, int column) { return quorrel::ParseLeadingNumber(r[static_cast<size_t>(column)]); };
    struct Case {
        const char* what;
        std::function<void()> set, reset;
        std::function<bool(const Row&)> fits;
    };
    const Case cases[] = {
        {"bar lights only",
         [&] {
             ClickBox(P(), Page::kTypeAll);
             for (unsigned i = 0; i < TypeList(P()).GetCount(); ++i)
                 TypeList(P()).Check(i, TypeList(P()).GetString(i) == "Bar light");
         },
         [&] { ClickBox(P(), Page::kTypeAll); }, [](const Row& r) { return r[1] == L"Bar light"; }},
        {"red only",
         [&] {
             ClickBox(P(), Page::kColorAll);
             for (int id = Page::kColorFirst + 1; id < Page::kColorFirst + 6; ++id) ClickBox(P(), id);
         },
         [&] { ClickBox(P(), Page::kColorAll); }, [](const Row& r) { return r[2] == L"Red"; }},
        {"constant current only",
         [&] {
             ClickBox(P(), Page::kControlAll);
             ClickBox(P(), Page::kControlFirst + 1);
         },
         [&] { ClickBox(P(), Page::kControlAll); }, [](const Row& r) { return r[7] == L"CC"; }},
        {"0.2 A and less", [&] { Type(P(), Page::kCurrentLimit, L"0.2"); },
         [&] { Type(P(), Page::kCurrentLimit, L""); }, [&](const Row& r) { return number(r, 3) <= 0.2; }},
        {"5 W and less", [&] { Type(P(), Page::kPowerLimit, L"5"); }, [&] { Type(P(), Page::kPowerLimit, L""); },
         [&](const Row& r) { return number(r, 4) <= 5.0; }},
        {"limits of 0 filter nothing",
         [&] {
             Type(P(), Page::kCurrentLimit, L"0");
             Type(P(), Page::kPowerLimit, L"0");
         },
         [&] {
             Type(P(), Page::kCurrentLimit, L"");
             Type(P(), Page::kPowerLimit, L"");
         },
         [](const Row&) { return true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        ClickButton(P(), Page::kSearch);
        const std::vector<Row> kept = Keep(all, c.fits);
        EXPECT_FALSE(kept.empty());
        EXPECT_EQ(ListRows(P()), kept);
        c.reset();
    }
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LedSearchPage, LightWithTwoIntervalsShowsTheNearerFirst) {
    // 0.01 x^2 - 1.2 x + 41 dips to 5 mm at WD 60 and lights 14 mm only up
    // to 30 and from 90 on.
    CLedData_DirectRing dip;
    dip.ProductName = L"QR-DIP", dip.Type = 1, dip.Color = 4, dip.ControlMethod = L"CV";
    dip.MinWD = 20, dip.MaxWD = 100;
    dip.WD_H_b = 0.01, dip.WD_H_c = -1.2, dip.WD_H_d = 41;
    P().m_arrLedData.push_back(&dip);
    SearchArea(0, L"14", L"20");
    const std::vector<Row> rows = ListRows(P());
    P().m_arrLedData.pop_back();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back()[0], L"QR-DIP");
    EXPECT_EQ(rows.back()[5], L"20.00 - 30.00  90.00 - 100.00");
}

TEST_F(LedSearchPage, HeaderClicksSortModelAndColourAsTextAndTheCurrentAsANumber) {
    SearchArea(0, L"40", L"20");
    const std::vector<Row> found = ListRows(P());
    ASSERT_GT(found.size(), 10u);
    auto folded = [](std::wstring s) {
        for (wchar_t& c : s) c = (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c;
        return s;
    };
    // The rows as shown, stably sorted: rows that compare equal keep their
    // order.
    auto sortedBy = [&](int column, bool descending, bool numeric) {
        std::vector<Row> rows = ListRows(P());
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            const Row& x = descending ? b : a;
            const Row& y = descending ? a : b;
            if (numeric)
                return quorrel::ParseLeadingNumber(x[static_cast<size_t>(column)]) <
                       quorrel::ParseLeadingNumber(y[static_cast<size_t>(column)]);
            return folded(x[static_cast<size_t>(column)]) < folded(y[static_cast<size_t>(column)]);
        });
        return rows;
    };
    // Direction 0: the smallest current first; then 1: models from A up;
    // then 0: colours from the greatest down.
    std::vector<Row> expected = sortedBy(3, false, true);
    P().OnLvnColumnclickResult(3);
    EXPECT_EQ(ListRows(P()), expected);
    expected = sortedBy(0, false, false);
    P().OnLvnColumnclickResult(0);
    EXPECT_EQ(ListRows(P()), expected);
    expected = sortedBy(2, true, false);
    P().OnLvnColumnclickResult(2);
    EXPECT_EQ(ListRows(P()), expected);
    EXPECT_EQ(P().m_nSortColumn, 2);
    EXPECT_EQ(P().m_nSortOrder, 1);
    // Every other column compares equal: the order stays.
    P().OnLvnColumnclickResult(5);
    EXPECT_EQ(ListRows(P()), expected);
    // A new search shows catalogue order and starts from direction 0.
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(ListRows(P()), found);
    expected = sortedBy(0, true, false);
    P().OnLvnColumnclickResult(0);
    EXPECT_EQ(ListRows(P()), expected);
}

TEST_F(LedSearchPage, SelectedRowIsTheCurrentLightAndADoubleClickOpensItsDataSheet) {
    SearchLens(L"64", L"48", L"150", L"23.46");
    ASSERT_GT(P().m_listResult->GetItemCount(), 1);
    P().m_listResult->SelectRow(1);
    PumpEvents();
    const std::wstring model = P().m_listResult->RowText(1, 0);
    ASSERT_NE(P().m_pCurrentLight, nullptr);
    EXPECT_EQ(P().m_pCurrentLight->ProductName, model);

    P().OnNMDblclkResult(-1);  // below the rows
    PumpEvents();
    EXPECT_EQ(m_window->Dlg().GetCurSel(), CQuorrelDlg::kTabIlluminationSearch);
    P().OnNMDblclkResult(1);
    PumpEvents();
    EXPECT_EQ(m_window->Dlg().GetCurSel(), CQuorrelDlg::kTabIlluminationSpec);
    EXPECT_TRUE(m_window->Dlg().m_dlgLedSpec.IsShown());
    EXPECT_EQ(m_window->Dlg().m_dlgLedSpec.m_pCurrentLight, P().m_pCurrentLight);
}

TEST_F(LedSearchPage, LensesHandedOverFromBothLensPagesAreSearched) {
    CQuorrelDlg& dlg = m_window->Dlg();
    CDetailCalculationDlg& detail = dlg.m_dlgDetailCalc;
    detail.m_dHandFovH = 64.0, detail.m_dHandFovV = 48.0, detail.m_dHandFovD = 80.0;
    detail.m_dHandWD = 151.25, detail.m_dHandEffDiameter = 23.456;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(ListRows(P()), Expected(P(), LensRequest(P(), 64, 48, 80, 151.25, 23.46)));
    EXPECT_GT(P().m_listResult->GetItemCount(), 0);

    // A lens without a working distance leaves its edit empty: the search
    // asks for it instead of searching with 1.00.
    detail.m_dHandWD = -1.0;
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 1);
    PumpEvents();
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::wstring>{L"Lens WD is not entered."});

    tagTKLColumns columns;
    columns.Kind = L"TKL", columns.WD = 110.0, columns.EFDI = 38.0;
    CTKLData lens(L"QTKL05-110", columns);
    dlg.m_dlgTKLSpec.m_pCurrentLens = &lens;
    dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovH, L"30");
    dlg.m_dlgTklSelect.SetItemText(CTklModelSelectionDlg::kFovV, L"40");
    quorrel::PostPageMessage(WM_SHOW_TAB_PAGE, 6, 4);
    PumpEvents();
    dlg.m_dlgTKLSpec.m_pCurrentLens = nullptr;
    ClickButton(P(), Page::kSearch);
    EXPECT_EQ(Item(Page::kFovD), L"50.00");
    EXPECT_EQ(ListRows(P()), Expected(P(), LensRequest(P(), 30, 40, 50, 110, 38)));
}

TEST_F(LedSearchPage, TypeAndColourNamesFollowTheLanguage) {
    CQuorrelDlg& dlg = m_window->Dlg();
    struct Case {
        const wchar_t* language;
        const wchar_t *ring, *red, *back;
    };
    const Case cases[] = {{L"JP", L"リング照明", L"赤色", L"バックライト"},
                          {L"EN", L"Ring light", L"Red", L"Back light"},
                          {L"CN", L"环形光源", L"红色", L"背光源"}};
    for (const Case& c : cases) {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "page", wxDefaultPosition, wxSize(870, 720));
        auto* page = new Page;  // owned by the frame
        page->m_strLanguage = c.language;
        page->CreatePage(frame);
        page->m_arrLedData = dlg.m_dlgLEDSelect.m_arrLedData;
        page->SetTypeList(dlg.m_arrLedTypeData);
        page->m_arrLedColorData = dlg.m_dlgLEDSelect.m_arrLedColorData;
        const wxCheckListBox& types = *page->GetControlAs<wxCheckListBox>(Page::kTypeList);
        EXPECT_EQ(types.GetString(0).ToStdWstring(), c.ring);
        EXPECT_EQ(types.GetString(8).ToStdWstring(), c.back);
        led_search::tagLedSearchRequest q = Unfiltered(*page);
        q.dIllumWD = 20.0, q.dAreaH = 10.0;
        ASSERT_GT(page->FillResultList(q), 0);
        const std::vector<Row> rows = ListRows(*page);
        const auto red = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r[0] == L"QR-D80R"; });
        ASSERT_NE(red, rows.end());
        EXPECT_EQ((*red)[1], c.ring);
        EXPECT_EQ((*red)[2], c.red);
        frame->Destroy();
        PumpEvents();
    }
}

TEST_F(LedSearchPage, ListFitsTheVisibleHeightAndItsColumnsTheirTexts) {
    // A title bar of 37 pixels on top of the menu bar.
    m_window->View().SetSize(CQuorrelDlg::kWidth, m_window->View().GetClientSize().GetHeight() - 37);
    PumpEvents();
    for (wxWindow* control : P().GetChildren()) {
        if (!control->IsShown()) continue;
        EXPECT_LE(control->GetRect().GetBottom() + 1, P().GetVisibleHeight())
            << "control " << P().GetControlId(control) << " \"" << control->GetLabel().utf8_string() << "\"";
    }
    EXPECT_EQ(P().m_listResult->GetRect().GetBottom() + 1, P().GetVisibleHeight() - 2);

    SearchArea(0, L"40", L"20");
    const quorrel::CResultList& list = *P().m_listResult;
    for (int c = 0; c < led_search::kColSpare; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        list.GetColumn(c, column);
        int widest = list.GetTextExtent(column.GetText()).GetWidth();
        for (const Row& r : ListRows(P()))
            widest = std::max(widest, list.GetTextExtent(wxString(r[static_cast<size_t>(c)])).GetWidth() +
                                          (c == 0 ? 16 : 0));
        EXPECT_GE(list.GetColumnWidth(c), widest + 8) << c;
    }
    EXPECT_EQ(list.GetColumnWidth(led_search::kColSpare), 0);
}

TEST_F(LedSearchPage, FileNewClearsThePageButKeepsTheTypeList) {
    SearchLens(L"64", L"48", L"150", L"23.46");
    ClickBox(P(), Page::kTypeAll);
    TypeList(P()).Check(2, false);
    ClickBox(P(), Page::kColorAll);
    Type(P(), Page::kCurrentLimit, L"0.3");
    ClickRadio(P(), Page::kModeIllumWD);
    ClickBox(P(), Page::kAxisFirst + 1);
    Type(P(), Page::kAreaFirst + 1, L"40");
    P().OnLvnColumnclickResult(3);

    m_window->Command(wxID_NEW);

    EXPECT_FALSE(P().IsItemChecked(Page::kModeLensSpec));
    EXPECT_FALSE(P().IsItemChecked(Page::kModeIllumWD));
    for (int id : {Page::kFovH, Page::kFovV, Page::kFovD, Page::kLensWD, Page::kEffDiameter, Page::kAreaFirst + 1,
                   Page::kIllumWD, Page::kCurrentLimit}) {
        EXPECT_EQ(Item(id), L"") << id;
        EXPECT_TRUE(P().IsItemEnabled(id)) << id;
    }
    EXPECT_FALSE(P().IsItemChecked(Page::kAxisFirst + 1));
    EXPECT_TRUE(P().IsItemReadOnly(Page::kAreaFirst + 1));
    EXPECT_TRUE(P().IsItemChecked(Page::kColorAll));
    EXPECT_FALSE(P().IsItemEnabled(Page::kColorFirst));
    EXPECT_EQ(P().m_listResult->GetItemCount(), 0);
    EXPECT_EQ(P().m_nSortOrder, 0);
    // The type list keeps its state.
    EXPECT_FALSE(P().IsItemChecked(Page::kTypeAll));
    EXPECT_TRUE(TypeList(P()).IsEnabled());
    EXPECT_FALSE(TypeList(P()).IsChecked(2));
}
