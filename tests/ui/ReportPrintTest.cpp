// The non-telecentric report from real pages: what the report reads back
// from the lens search and detail pages, which lens record places the focus
// marker, and a real rendering through the toolkit adapter into a PDF file
// read back with pdftotext.
#include "DetailPageSupport.h"

#include <regex>

#include <wx/listctrl.h>

#include "platform/Text.h"
#include "report/CCTVReport.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"
#include "support/ReportPdf.h"

using namespace uitest;
using quorrel::test::CommandOutput;
using quorrel::test::CRecordingReportDC;
using quorrel::test::PdfText;
using quorrel::test::RenderPdf;
using quorrel::test::tagReportCall;

namespace {

using Search = CCCTVModelSelectionDlg;

class ReportFromPages : public DetailPageTest {
protected:
    Search& SearchPage() { return Main().m_dlgCCTVSelect; }
    wxListCtrl& List() { return *SearchPage().m_listResult; }

    // Searches on the lens search page, selects the first row showing
    // `model` and double-clicks it: the lens goes to the detail page, which
    // is shown. Returns that row.
    long SearchAndOpen(const std::wstring& sensor, int quantity, const std::wstring& value, const std::wstring& model) {
        m_window->ClickTab(CQuorrelDlg::kTabLensSearch);
        Choose(SearchPage(), Search::kSensorCombo, sensor);
        ClickBox(SearchPage(), Search::kQuantityFirst + quantity);
        Type(SearchPage(), Search::kValueFirst + quantity, value);
        ClickButton(SearchPage(), Search::kSearch);
        const long row = List().FindItem(-1, model);
        if (row < 0) return row;
        List().SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        SearchPage().OnNMClickResult(row);
        PumpEvents();
        SearchPage().OnNMDblclkResult(row);
        PumpEvents();
        return row;
    }
    CRecordingReportDC DrawPage(int page) {
        CRecordingReportDC dc;
        m_window->View().OnPrint(dc, page, 297);
        return dc;
    }
};

}  // namespace

TEST_F(ReportFromPages, PrintsWhatTheSearchAndDetailPagesShow) {
    const long row = SearchAndOpen(L"2/3\"", 4, L"100", L"QF-25M14");  // working distance 100 mm
    ASSERT_GE(row, 0);
    CalculateFrom(Dlg::kWDBox, Dlg::kWD, L"100");
    ASSERT_EQ(Item(Dlg::kFocusPosition), L"1.280");

    // The places of the cells: ReportCCTVLayoutTest.
    const CRecordingReportDC dc = DrawPage(1);
    EXPECT_NE(dc.FindText(L"2/3\""), nullptr);
    EXPECT_EQ(dc.TextTop(L"100"), -440) << "the working-distance row";
    const int rowTop = -670 - 50 * static_cast<int>(row);
    EXPECT_EQ(dc.TextTop(L"QF-25M14"), rowTop - 10) << "the row's model cell";
    ASSERT_FALSE(dc.GreyBoxes().empty());
    EXPECT_EQ(dc.GreyBoxes()[0].rect.top, rowTop) << "the selected row";
    EXPECT_NE(dc.FindText(L"8:  100.000 mm"), nullptr);

    // Tabs without a report print blank pages.
    m_window->ClickTab(CQuorrelDlg::kTabIlluminationSearch);
    EXPECT_TRUE(DrawPage(1).calls.empty());
}

namespace {

// A 25 mm lens of `drawRange` mm focus draw.
std::string Lens25(int id, const std::string& name, const char* drawRange) {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + name +
           "', 1, '', '', '', '25,-2,30,0,30,-5.474,0,1.1,1.4," + drawRange + ",25,11,0,0,20', 3.45, 'C', 1, 0, '1.4,2,2.8,4', 0, " +
           std::to_string(id) + ");";
}

const char kTwoThirdsInch[] = "INSERT INTO CCD VALUES (1, 8.8, 6.6, 11, '2/3\"', 3, 1, 10);";

// Two catalogue lenses named QT-25: draw ranges 3 mm and 1.5 mm; QT-25B
// with 6 mm.
class ReportSameNamedLenses : public ReportFromPages {
protected:
    std::wstring CatalogueFolder() override {
        WriteLensCatalogue(m_folder.Path(),
                           Lens25(1, "QT-25", "3") + Lens25(2, "QT-25", "1.5") + Lens25(3, "QT-25B", "6") + kTwoThirdsInch);
        return m_folder.Path();
    }
    CTempFolder m_folder;
};

}  // namespace

TEST_F(ReportSameNamedLenses, LaterLensOfTheNameSuppliesTheFocusScale) {
    m_messages.Clear();
    ASSERT_EQ(SearchAndOpen(L"2/3\"", 4, L"100", L"QT-25"), 0);
    ASSERT_EQ(List().GetItemCount(), 3);
    Type(Page(), Dlg::kFocusPosition, L"1.000");
    // 1.5 mm of draw range: 213 units a mm (the first lens would give 107).
    const std::vector<tagReportCall> pictures = DrawPage(1).Calls(tagReportCall::kPicture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].rect.left, 800 - 213);
}

TEST_F(ReportSameNamedLenses, FocusScaleBelongsToTheDetailLensNotToTheSelectedRow) {
    ASSERT_EQ(SearchAndOpen(L"2/3\"", 4, L"100", L"QT-25"), 0);
    Type(Page(), Dlg::kFocusPosition, L"1.000");
    // The keyboard moves the selection to QT-25B (End): no click, so the
    // detail page keeps QT-25.
    const long other = List().FindItem(-1, L"QT-25B");
    ASSERT_GT(other, 0);
    List().SetItemState(0, 0, wxLIST_STATE_SELECTED);
    List().SetItemState(other, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    PumpEvents();
    ASSERT_EQ(Item(Dlg::kLensCombo), L"QT-25");
    const CRecordingReportDC dc = DrawPage(1);
    ASSERT_FALSE(dc.GreyBoxes().empty());
    EXPECT_EQ(dc.GreyBoxes()[0].rect.top, -670 - 50 * static_cast<int>(other)) << "the highlight stays on the row";
    // QT-25's 1.5 mm (the later of its name), not QT-25B's 6 mm (53 a mm).
    const std::vector<tagReportCall> pictures = dc.Calls(tagReportCall::kPicture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].rect.left, 800 - 213);
}

TEST_F(ReportFromPages, RendersIntoAPdfFileWithTheFooterOnTheLastPage) {
    ASSERT_GE(SearchAndOpen(L"2/3\"", 2, L"10.2", L"QH-25M18"), 0);  // diagonal 10.2 mm: 21 rows
    CalculateFrom(Dlg::kWDBox, Dlg::kWD, L"100");
    ASSERT_EQ(m_window->Doc().m_nPrintPages, 2);

    CTempFolder folder;
    const std::string pdf = quorrel::ToUtf8(folder.File(L"report.pdf"));
    RenderPdf(pdf, 2, [&](quorrel::ReportDC& dc, int page) { m_window->View().OnPrint(dc, page, 297); });
    const std::string page1 = PdfText(pdf, 1, 1);
    const std::string page2 = PdfText(pdf, 2, 2);
    ASSERT_NE(page1.find("Quorrel"), std::string::npos) << "pdftotext (poppler-utils) installed?";
    // QF-25M14 at beta 11 / 10.2 = 1.078: E = 26.96 mm beyond its 3 mm draw
    // takes the 24 mm ring (draw 2.96); its ends 24 / 25 and 27 / 25 give
    // 0.96 to 1.08 and fields of 11.5 to 10.2 mm.
    EXPECT_TRUE(std::regex_search(page1, std::regex("QF-25M14 +24\\.00 +10\\.2\\(11\\.5-10\\.2\\) +1\\.08")))
        << page1;
    const std::string footer = "*All values are design value (Reference).";
    EXPECT_EQ(page1.find(footer), std::string::npos);
    EXPECT_NE(page2.find(footer), std::string::npos) << page2;
    EXPECT_NE(page2.find(quorrel::ToUtf8(report::ReportDate())), std::string::npos);
    EXPECT_NE(page2.find("1 Lens"), std::string::npos);
    const std::string fonts = CommandOutput("pdffonts '" + pdf + "'");
    EXPECT_TRUE(fonts.find("LiberationSans") != std::string::npos && fonts.find("WenQuanYi") == std::string::npos)
        << fonts;

    // The title: 10 mm from the left, 7 mm from the top, an 18-pt face
    // whose line is 1.117 of its size high.
    std::smatch box;
    const std::string words = PdfText(pdf, 1, 1, true);
    ASSERT_TRUE(std::regex_search(words, box,
                                  std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                                             "yMax=\"([0-9.]+)\">Quorrel<")));
    const double mm = 72.0 / 25.4;
    EXPECT_NEAR(std::stod(box[1]), 10 * mm, 0.5);
    EXPECT_NEAR(std::stod(box[2]), 7 * mm, 0.5);
    EXPECT_NEAR(std::stod(box[3]) - std::stod(box[2]), 6.4 * mm * 1.117, 0.5);
}

TEST(ReportFonts, ChineseReportsUseTheCjkFace) {
    CTempFolder folder;
    report::tagCCTVReportInput in;
    in.language = L"CN";
    in.lens = L"QF-25M14";
    const std::string pdf = quorrel::ToUtf8(folder.File(L"cn.pdf"));
    RenderPdf(pdf, 1, [&](quorrel::ReportDC& dc, int page) { report::DrawCCTVReportPage(dc, in, page, 297); });
    const std::string fonts = CommandOutput("pdffonts '" + pdf + "'");
    EXPECT_TRUE(fonts.find("WenQuanYi") != std::string::npos && fonts.find("LiberationSans") == std::string::npos)
        << fonts;
}
