// The telecentric report from real pages: what it reads back from the
// telecentric search and data-sheet pages, rendered through the toolkit
// adapter into a PDF file and read back with pdftotext.
#include "DetailPageSupport.h"

#include <regex>

#include "platform/Text.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"
#include "support/ReportPdf.h"

using namespace uitest;
using quorrel::ReportBrush;
using quorrel::test::CRecordingReportDC;
using quorrel::test::PdfText;
using quorrel::test::RenderPdf;
using quorrel::test::tagReportCall;

namespace {

using Search = CTklModelSelectionDlg;

class TKLReportFromPages : public DetailPageTest {
protected:
    Search& SearchPage() { return Main().m_dlgTklSelect; }

    // A 3 x 4 mm sensor typed in, searched at a vertical field of view of
    // 4 mm; the row of `model` is selected and its data sheet shown.
    long SearchAndOpen(const std::wstring& model) {
        m_window->ClickTab(CQuorrelDlg::kTabTelecentricSearch);
        ClickBox(SearchPage(), Search::kManualInput);
        Type(SearchPage(), Search::kManualH, L"3");
        Type(SearchPage(), Search::kManualV, L"4");
        ClickBox(SearchPage(), Search::kQuantityFirst);
        Type(SearchPage(), Search::kFovV, L"4");
        ClickButton(SearchPage(), Search::kSearch);
        const quorrel::CResultList& list = *SearchPage().m_listResult;
        for (long row = 0; row < list.GetItemCount(); ++row) {
            if (list.RowText(row, 0) != model) continue;
            SearchPage().m_listResult->SelectRow(row);
            PumpEvents();
            m_window->ClickTab(CQuorrelDlg::kTabTelecentricSpec);
            return row;
        }
        return -1;
    }
};

}  // namespace

TEST_F(TKLReportFromPages, PrintsWhatTheSearchAndDataSheetShowIntoAPdfFile) {
    const long row = SearchAndOpen(L"TKL1-110D");
    ASSERT_GE(row, 0);
    ASSERT_EQ(SearchPage().m_listResult->GetItemCount(), 5);
    EXPECT_EQ(m_window->Doc().m_nPrintPages, 1);

    CRecordingReportDC dc;
    m_window->View().OnPrint(dc, 1, 297);
    int grey = 0;
    for (const tagReportCall& b : dc.Calls(tagReportCall::kRectangle))
        grey += b.brush == ReportBrush::LightGrey() && b.rect.top == -630 - 50 * static_cast<int>(row);
    EXPECT_EQ(grey, 1) << "the selected row";

    CTempFolder folder;
    const std::string pdf = quorrel::ToUtf8(folder.File(L"telecentric.pdf"));
    RenderPdf(pdf, 1, [&](quorrel::ReportDC& report, int page) { m_window->View().OnPrint(report, page, 297); });
    const std::string text = PdfText(pdf, 1, 1);
    ASSERT_NE(text.find("Quorrel"), std::string::npos) << "pdftotext (poppler-utils) installed?";
    const char* expected[] = {
        // the conditions, the lens's result row, the specification table
        "Product Name +TKL1-110D",
        "Sensor Size +3x4mm",
        "TKL1-110D +12M +Coaxial +3\\.0 +4\\.0 +1 +110\\.0",
        "Specifications of +TKL1-110D",
        "WD / OD +\\[mm\\] +110\\.0 / 34\\.0",
        // the figures and the footer
        "OD:34\\.0mm",
        "Lens Back:17\\.5mm",
        "Hold Length:82\\.0mm",
        "Not Hold",
        "\\*All values are design value \\(Reference\\)\\.",
    };
    for (const char* pattern : expected) EXPECT_TRUE(std::regex_search(text, std::regex(pattern))) << pattern;
    EXPECT_NE(text.find(quorrel::ToUtf8(report::ReportDate())), std::string::npos);
}
