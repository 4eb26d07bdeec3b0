// From a lens search result to its detail: a real search on the sample
// catalogue, a click on a row, the double-click that shows the detail page,
// a recalculation there, and the report page count the switch announces.
#include "DetailPageSupport.h"

#include <wx/listctrl.h>

#include "lens_selection/LensSearch.h"

using namespace uitest;

namespace {

using Search = CCCTVModelSelectionDlg;

class DetailPageFromSearch : public DetailPageTest {
protected:
    Search& SearchPage() { return Main().m_dlgCCTVSelect; }

    // Searches on the lens search page; returns the row count.
    int RunSearch(const std::wstring& sensor, int quantity, const std::wstring& value) {
        m_window->ClickTab(CQuorrelDlg::kTabLensSearch);
        SearchPage().OnBnClickedClear();
        Choose(SearchPage(), Search::kSensorCombo, sensor);
        ClickBox(SearchPage(), Search::kQuantityFirst + quantity);
        Type(SearchPage(), Search::kValueFirst + quantity, value);
        ClickButton(SearchPage(), Search::kSearch);
        return SearchPage().m_listResult->GetItemCount();
    }
    // The row showing `model`, or -1.
    long RowOf(const std::wstring& model) {
        const wxListCtrl* list = SearchPage().m_listResult;
        for (long row = 0; row < list->GetItemCount(); ++row)
            if (list->GetItemText(row, lens_search::kColModel).ToStdWstring() == model) return row;
        return -1;
    }
    // A double-click arrives as a click first.
    void DoubleClickRow(long row) {
        SearchPage().OnNMClickResult(row);
        PumpEvents();
        SearchPage().OnNMDblclkResult(row);
        PumpEvents();
    }
};

}  // namespace

TEST_F(DetailPageFromSearch, ResultRowOpensItsLensOnTheDetailPageReadyToRecalculate) {
    ASSERT_GT(RunSearch(L"2/3\"", 4, L"100"), 0);  // working distance 100 mm
    const long row = RowOf(L"QF-25M14");
    ASSERT_GE(row, 0);
    const std::wstring ring = SearchPage().m_listResult->GetItemText(row, lens_search::kColRing).ToStdWstring();

    SearchPage().OnNMClickResult(row);
    PumpEvents();
    EXPECT_TRUE(SearchPage().IsShown()) << "a click loads the lens without switching";
    EXPECT_EQ(Item(Dlg::kLensCombo), L"QF-25M14");
    SearchPage().OnNMDblclkResult(row);
    PumpEvents();
    ASSERT_TRUE(Page().IsShown());
    EXPECT_EQ(Main().GetCurSel(), CQuorrelDlg::kTabDetail);
    EXPECT_EQ(Item(Dlg::kSensorCombo), L"2/3\"");
    EXPECT_EQ(Item(Dlg::kRingCombo), L"5.0");
    EXPECT_EQ(ring.compare(0, 3, L"5.0"), 0) << "the row's ring";
    EXPECT_EQ(Item(Dlg::kMaxFocusDraw), L"3.000");

    // The same working distance on the detail page: f 25, so
    // beta = 25 / (100 + 30 - 5.474 - 25) = 25 / 99.526 = 0.251191;
    // diagonal 11 / beta = 43.79144, horizontal 35.03315, vertical 26.27486;
    // extension 6.27977: ring 5.0 and draw 1.27977;
    // object to image (beta + 2 + 1 / beta) * 25 - 2 = 153.80577;
    // effective F (beta / 1.1 + 1) * 1.4 = 1.719697;
    // depth of field 2 * 1.719697 * 0.04 / (beta^2 - 1.4^2 * 0.04^2 / 625) = 2.180568.
    CalculateFrom(Dlg::kWDBox, Dlg::kWD, L"100");
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(Item(Dlg::kMagnification), L"0.251");
    EXPECT_EQ(Item(Dlg::kFovD), L"43.791");
    EXPECT_EQ(Item(Dlg::kFovH), L"35.033");
    EXPECT_EQ(Item(Dlg::kFovV), L"26.275");
    EXPECT_EQ(Item(Dlg::kRingCombo), L"5.0");
    EXPECT_EQ(Item(Dlg::kFocusPosition), L"1.280");
    EXPECT_EQ(Item(Dlg::kObjectToImage), L"153.806");
    EXPECT_EQ(Item(Dlg::kWD), L"100.000");
    EXPECT_EQ(Item(Dlg::kEffectiveFno), L"1.720");
    EXPECT_EQ(Item(Dlg::kWantedDOF), L"2.181");
    // 108 / 3 * 1.27977 = 46.07: the marker at 503 - 46.07 + 0.5 -> 457.
    EXPECT_EQ(MarkerX(Page()), 457);
}

TEST_F(DetailPageFromSearch, SixteenResultRowsMakeAOnePageReportAndSeventeenTwo) {
    // 1" sensor (diagonal 16 mm): a 20 mm diagonal field (0.8x) finds 16
    // lenses, a working distance of 65 mm 17.
    ASSERT_EQ(RunSearch(L"1\"", 2, L"20"), 16);
    DoubleClickRow(0);
    ASSERT_TRUE(Page().IsShown());
    EXPECT_EQ(m_window->Doc().m_nPrintPages, 1);

    ASSERT_EQ(RunSearch(L"1\"", 4, L"65"), 17);
    DoubleClickRow(16);
    ASSERT_TRUE(Page().IsShown());
    EXPECT_EQ(m_window->Doc().m_nPrintPages, 2);
    EXPECT_EQ(Item(Dlg::kLensCombo),
              SearchPage().m_listResult->GetItemText(16, lens_search::kColModel).ToStdWstring());
}
