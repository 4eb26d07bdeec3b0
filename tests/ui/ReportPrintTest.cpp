// The non-telecentric report from real pages: what the report reads back
// from the lens search and detail pages, which lens record places the focus
// marker, and a real rendering through the toolkit adapter into a PDF file
// read back with pdftotext; a print job of either report covers the pages
// of the list shown, whatever was shown before.
#include "DetailPageSupport.h"
#include "PrintToFile.h"

#include <iterator>
#include <regex>

#include <wx/listctrl.h>
#include <wx/print.h>

#include "platform/Text.h"
#include "report/CCTVReport.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"
#include "support/ReportPdf.h"

using namespace uitest;
using quorrel::test::CommandOutput;
using quorrel::test::CRecordingReportDC;
using quorrel::test::PdfPages;
using quorrel::test::PdfText;
using quorrel::test::tagPdfPage;
using quorrel::test::tagPdfWord;
using quorrel::test::RenderPdf;
using quorrel::test::tagReportCall;

namespace {

using Search = CCCTVModelSelectionDlg;

class ReportFromPages : public DetailPageTest {
protected:
    Search& SearchPage() { return Main().m_dlgCCTVSelect; }
    wxListCtrl& List() { return *SearchPage().m_listResult; }

    // Searches on the lens search page for `value` of quantity `quantity`
    // (in box order) on sensor `sensor`.
    void SearchLenses(const std::wstring& sensor, int quantity, const std::wstring& value) {
        m_window->ClickTab(CQuorrelDlg::kTabLensSearch);
        Choose(SearchPage(), Search::kSensorCombo, sensor);
        if (!SearchPage().IsItemChecked(Search::kQuantityFirst + quantity))
            ClickBox(SearchPage(), Search::kQuantityFirst + quantity);
        Type(SearchPage(), Search::kValueFirst + quantity, value);
        ClickButton(SearchPage(), Search::kSearch);
    }
    // Searches, selects the first row showing `model` and double-clicks it:
    // the lens goes to the detail page, which is shown. Returns that row.
    long SearchAndOpen(const std::wstring& sensor, int quantity, const std::wstring& value, const std::wstring& model) {
        SearchLenses(sensor, quantity, value);
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
std::string Lens25(int id, const std::string& name, const char* drawRange, const char* imageCircle = "11") {
    return "INSERT INTO LENS VALUES (" + std::to_string(id) + ", '" + name +
           "', 1, '', '', '', '25,-2,30,0,30,-5.474,0,1.1,1.4," + drawRange + ",25," + imageCircle +
           ",0,0,20', 3.45, 'C', 1, 0, '1.4,2,2.8,4', 0, " + std::to_string(id) + ");";
}

const char kTwoThirdsInch[] = "INSERT INTO CCD VALUES (1, 8.8, 6.6, 11, '2/3\"', 3, 1, 10);";

// Two catalogue lenses named QT-25: draw ranges 3 mm and 1.5 mm; QT-25B
// with 6 mm.
class ReportSameNamedLenses : public ReportFromPages {
protected:
    std::wstring CatalogueFolder() override {
        WriteLensCatalogue(m_folder.Path(), Lens25(1, "QT-25", "3") + Lens25(2, "QT-25", "1.5") +
                                                Lens25(3, "QT-25B", "6") + kTwoThirdsInch);
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

namespace {

using Tkl = CTklModelSelectionDlg;

// Long and short result lists: a 2/3" sensor finds every lens, a 1" one
// only those of a 20 mm image circle; the telecentric search finds the 1x
// lenses at a vertical field of view of 4, the 0.5x ones at 8. By default 50
// lenses and 3 of them, 50 telecentric lenses at 1x and 3 at 0.5x.
class ReportPrintJob : public ReportFromPages {
protected:
    struct tagCounts {
        int lenses = 53, wideLenses = 3;  // of them of a 20 mm image circle
        int telecentric = 50, halfX = 3;  // at 1x, at 0.5x
    };
    ReportPrintJob() = default;
    explicit ReportPrintJob(tagCounts counts) : m_counts(counts) {}

    std::wstring CatalogueFolder() override {
        std::string lenses =
            std::string(kTwoThirdsInch) + "INSERT INTO CCD VALUES (2, 12.8, 9.6, 16, '1\"', 3, 1, 20);";
        for (int k = 1; k <= m_counts.lenses; ++k) {
            const bool wide = k > m_counts.lenses - m_counts.wideLenses;
            lenses += Lens25(k, (wide ? "QS-" : "QL-") + std::to_string(k), "3", wide ? "20" : "11");
        }
        std::string telecentric =
            "INSERT INTO LENS (ID, Type, SensorType, Pmag, WD, CCDLimit, SpecialFlag, Discontinued) VALUES ";
        const int all = m_counts.telecentric + m_counts.halfX;
        for (int k = 1; k <= all; ++k) {
            const bool half = k > m_counts.telecentric;
            const std::string id = std::to_string(k);
            telecentric += "(" + id + ", '" + (half ? "TS-" : "TL-") + id + "', '2M', " + (half ? "0.5" : "1.0") +
                           ", 90, 20, 1, 0)" + (k < all ? "," : ";");
        }
        WriteLensCatalogue(m_folder.Path(), lenses);
        WriteTelecentricCatalogue(m_folder.Path(), telecentric);
        return m_folder.Path();
    }
    tagCounts m_counts{};
    CTempFolder m_folder;
    CTempFolder m_printFolder;
    const std::string m_pdf = quorrel::ToUtf8(m_printFolder.File(L"job.pdf"));

    // A telecentric search for a typed 3 x 4 sensor at vertical field of
    // view `fovV`: 4 is 1x, 8 is 0.5x.
    void SearchTelecentric(const std::wstring& fovV) {
        m_window->ClickTab(CQuorrelDlg::kTabTelecentricSearch);
        Tkl& page = Main().m_dlgTklSelect;
        if (!page.IsItemChecked(Tkl::kManualInput)) ClickBox(page, Tkl::kManualInput);
        Type(page, Tkl::kManualH, L"3");
        Type(page, Tkl::kManualV, L"4");
        if (!page.IsItemChecked(Tkl::kQuantityFirst)) ClickBox(page, Tkl::kQuantityFirst);
        Type(page, Tkl::kValueFirst, fovV);
        ClickButton(page, Tkl::kSearch);
    }

    // Prints the report of the tab in front through the print dialog into a
    // PDF file: its pages, none when no file was written. Every print goes to
    // one file, as GTK's file printer offers the last print's file again.
    std::vector<tagPdfPage> Print(const tagPrintChoice& choice = {}) {
        std::remove(m_pdf.c_str());
        PrintToFile(*m_window, m_pdf, choice);
        return PdfPages(m_pdf);
    }
    // The text of each page printed.
    std::vector<std::string> PrintedPages(const tagPrintChoice& choice = {}) {
        std::vector<std::string> texts;
        for (const tagPdfPage& page : Print(choice)) texts.push_back(page.text);
        return texts;
    }
};

// How often `pattern` matches on the pages.
int Matches(const std::vector<std::string>& pages, const std::string& pattern) {
    const std::regex re(pattern);
    int count = 0;
    for (const std::string& page : pages)
        count += static_cast<int>(std::distance(std::sregex_iterator(page.begin(), page.end(), re),
                                                std::sregex_iterator()));
    return count;
}

}  // namespace

TEST_F(ReportPrintJob, PrintsEveryRowOnceOnThePagesOfTheTabInFront) {
    const struct {
        bool telecentric;
        bool shortAfterLong;  // a long list shown on the data tab, then a short search
        size_t rows, pages;
        const char* block;    // the heading of the block below the table
    } cases[] = {{false, false, 53, 2, "Detail Specification"},
                 {false, true, 3, 1, "Detail Specification"},
                 {true, false, 50, 3, "Specifications of"},
                 {true, true, 3, 1, "Specifications of"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.telecentric ? "telecentric" : "lens") << " report"
                                        << (c.shortAfterLong ? ", short list after a long one" : ", long list"));
        auto search = [&](bool longList) {
            if (c.telecentric)
                SearchTelecentric(longList ? L"4" : L"8");
            else
                SearchLenses(longList ? L"2/3\"" : L"1\"", 4, L"100");
        };
        // Printed from the search tab; the data tab shown only for the
        // long list.
        search(true);
        if (c.shortAfterLong) {
            m_window->ClickTab(c.telecentric ? CQuorrelDlg::kTabTelecentricSpec : CQuorrelDlg::kTabDetail);
            search(false);
        }
        const quorrel::CResultList& list =
            *(c.telecentric ? Main().m_dlgTklSelect.m_listResult : SearchPage().m_listResult);
        const std::vector<std::string> pages = PrintedPages();
        ASSERT_FALSE(pages.empty());
        ASSERT_NE(pages[0].find("Quorrel"), std::string::npos) << "pdftotext (poppler-utils) installed?";
        EXPECT_EQ(pages.size(), c.pages);
        const Row models = ListColumn(list, 0);
        EXPECT_EQ(models.size(), c.rows);
        for (const std::wstring& model : models)  // as a word of its own
            EXPECT_EQ(Matches(pages, "(^|\\s)" + quorrel::ToUtf8(model) + "(?=\\s|$)"), 1) << quorrel::ToUtf8(model);
        EXPECT_EQ(Matches(pages, c.block), 1);
        EXPECT_EQ(Matches(pages, "design value"), 1) << "the footer";
        for (size_t p = 0; p < pages.size(); ++p) {
            EXPECT_NE(pages[p].find_first_not_of(" \n\f"), std::string::npos) << "page " << p + 1 << " is blank";
            for (size_t q = 0; q < p; ++q) EXPECT_NE(pages[p], pages[q]) << "page " << p + 1 << " repeats " << q + 1;
        }
    }
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

namespace {

// A 2/3" search lists 107 lenses (3 pages), a 1" search 16 of them (one
// page); the telecentric search lists 50 lenses at 1x (3 pages), 7 at 0.5x
// (one page).
class ReportOnPaper : public ReportPrintJob {
protected:
    ReportOnPaper() : ReportPrintJob(tagCounts{107, 16, 50, 7}) {}

    enum class Report { kTelecentric7, kTelecentric50, kLens16WithDetail, kLens107 };
    static constexpr wchar_t kDetailLens[] = L"QS-92";
    // Shows the report's pages; returns the models of its result list.
    Row Show(Report report) {
        switch (report) {
        case Report::kTelecentric7:
        case Report::kTelecentric50:
            SearchTelecentric(report == Report::kTelecentric7 ? L"8" : L"4");
            m_window->ClickTab(CQuorrelDlg::kTabTelecentricSpec);
            return ListColumn(*Main().m_dlgTklSelect.m_listResult, 0);
        case Report::kLens16WithDetail:
            EXPECT_GE(SearchAndOpen(L"1\"", 4, L"100", kDetailLens), 0);
            CalculateFrom(Dlg::kWDBox, Dlg::kWD, L"100");
            break;
        case Report::kLens107:
            SearchLenses(L"2/3\"", 4, L"100");
            break;
        }
        return ListColumn(*SearchPage().m_listResult, 0);
    }
};

bool Overlap(const tagPdfWord& a, const tagPdfWord& b) {
    constexpr double kTouch = 0.2;  // points two neighbours' boxes may share
    return std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin) > kTouch &&
           std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin) > kTouch;
}

int CountWord(const std::vector<tagPdfPage>& pages, const std::string& text) {
    int count = 0;
    for (const tagPdfPage& page : pages)
        for (const tagPdfWord& word : page.words) count += word.text == text;
    return count;
}

}  // namespace

TEST_F(ReportOnPaper, WholeReportOnEveryPaperAndOrientation) {
    const struct {
        Report report;
        const char* name;
        size_t rows, pages;
        double titleMm;  // from the left
    } reports[] = {{Report::kTelecentric7, "telecentric, 7 rows", 7, 1, 15},
                   {Report::kTelecentric50, "telecentric, 50 rows", 50, 3, 15},
                   {Report::kLens16WithDetail, "lens, 16 rows and detail", 16, 1, 10},
                   {Report::kLens107, "lens, 107 rows", 107, 3, 10}};
    const struct {
        const char* paper;
        bool landscape;
        double width, height;  // mm
    } papers[] = {{"iso_a4", false, 210, 297},   {"na_letter", false, 215.9, 279.4}, {"iso_a5", false, 148, 210},
                  {"iso_a4", true, 297, 210},    {"na_legal", false, 215.9, 355.6}, {"iso_a3", true, 420, 297}};
    const std::string date = quorrel::ToUtf8(report::ReportDate());
    constexpr double mm = 72.0 / 25.4;
    for (const auto& r : reports) {
        const Row models = Show(r.report);
        ASSERT_EQ(models.size(), r.rows) << r.name;
        for (const auto& p : papers) {
            SCOPED_TRACE(testing::Message() << r.name << " on " << p.paper << (p.landscape ? " landscape" : ""));
            const std::vector<tagPdfPage> pages = Print({"", p.paper, p.landscape});
            ASSERT_EQ(pages.size(), r.pages);
            for (const std::wstring& model : models)  // the detail's lens shows in the detail block too
                if (model != kDetailLens) {
                    EXPECT_EQ(CountWord(pages, quorrel::ToUtf8(model)), 1);
                }
            // The footer's date once, on the last page.
            EXPECT_EQ(CountWord(pages, date), 1);
            EXPECT_EQ(CountWord({pages.back()}, date), 1);
            for (size_t n = 0; n < pages.size(); ++n) {
                const tagPdfPage& page = pages[n];
                EXPECT_NEAR(page.width, p.width * mm, 1.0);
                EXPECT_NEAR(page.height, p.height * mm, 1.0);
                for (size_t i = 0; i < page.words.size(); ++i) {
                    const tagPdfWord& w = page.words[i];
                    EXPECT_TRUE(w.xMin >= 0 && w.yMin >= 0 && w.xMax <= page.width && w.yMax <= page.height)
                        << "\"" << w.text << "\" off page " << n + 1;
                    for (size_t j = 0; j < i; ++j)
                        EXPECT_FALSE(Overlap(w, page.words[j]))
                            << "\"" << w.text << "\" on \"" << page.words[j].text << "\", page " << n + 1;
                }
            }
            // The footer's line and the date under it lie below everything
            // else of the last page.
            const std::vector<tagPdfWord>& last = pages.back().words;
            const auto footer = std::find_if(last.begin(), last.end(), [](auto& w) { return w.text == "*All"; });
            if (footer == last.end()) {
                ADD_FAILURE() << "no footer";
                continue;
            }
            for (const tagPdfWord& w : last)
                if (std::abs(w.yMin - footer->yMin) > 1.0 && w.text != date) {
                    EXPECT_LE(w.yMax, footer->yMin + 0.5) << "\"" << w.text << "\" below the footer";
                }
            // On A4 and larger paper the page is drawn as it is: the title
            // 10 or 15 mm from the left, 7 mm from the top.
            if (p.width >= 210 && p.height >= 297) {
                const tagPdfWord& title = pages[0].words.at(0);
                ASSERT_EQ(title.text, "Quorrel");
                EXPECT_NEAR(title.xMin, r.titleMm * mm, 0.5);
                EXPECT_NEAR(title.yMin, 7 * mm, 0.5);
            }
        }
    }
}

TEST_F(ReportOnPaper, PrintsExactlyThePagesTypedInPages) {
    Show(Report::kLens107);
    const std::vector<std::string> all = PrintedPages();
    ASSERT_EQ(all.size(), 3u);
    ASSERT_NE(all[2].find("Detail Specification"), std::string::npos) << "the detail block ends the report";
    const struct {
        const char* typed;
        std::vector<int> pages;  // of the whole report, in print order
    } cases[] = {{"2-3", {2, 3}}, {"3", {3}}, {"2", {2}}, {"1,3", {1, 3}}, {"1-3", {1, 2, 3}}, {"2-9", {2, 3}}};
    for (const auto& c : cases) {
        // Each page printed, by the page of the whole report it equals (0:
        // none).
        std::vector<int> printed;
        for (const std::string& text : PrintedPages({c.typed}))
            printed.push_back(static_cast<int>(std::find(all.begin(), all.end(), text) - all.begin() + 1) %
                              static_cast<int>(all.size() + 1));
        EXPECT_EQ(printed, c.pages) << "Pages: " << c.typed;
    }
    EXPECT_EQ(m_messages.Count(), 0u);

    // Pages the report does not have: no file, and the user is told.
    EXPECT_TRUE(Print({"4-5"}).empty());
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::wstring>{
                  L"Nothing was printed: none of the pages asked for is in the report. Its last page is 3. "});
}

// Every paper prints the A4 page itself: on paper that holds it (A4 within
// the rounding of its size, Legal, A3) word for word where Legal has it; on
// smaller paper made smaller by the fitting scale and centred, every word
// where the A4 page has it and of its size times the scale, so what fits
// on A4 fits on every paper.
TEST_F(ReportOnPaper, SmallerPaperPrintsTheA4PageMadeSmaller) {
    const struct {
        const char* paper;
        bool landscape;
        double width, height;  // mm
        double within;         // points a word may lie off its place
    } papers[] = {{"iso_a4", false, 210, 297, 0.05},     {"iso_a3", true, 420, 297, 0.05},
                  {"na_letter", false, 215.9, 279.4, 0.5}, {"iso_a5", false, 148, 210, 0.5},
                  {"iso_a4", true, 297, 210, 0.5},        {"na_letter", true, 279.4, 215.9, 0.5}};
    constexpr double mm = 72.0 / 25.4;
    for (Report report : {Report::kLens107, Report::kLens16WithDetail, Report::kTelecentric50}) {
        Show(report);
        const std::vector<tagPdfPage> legal = Print({"", "na_legal"});
        ASSERT_FALSE(legal.empty());
        for (const auto& p : papers) {
            SCOPED_TRACE(testing::Message() << "report " << static_cast<int>(report) << " on " << p.paper
                                            << (p.landscape ? " landscape" : ""));
            const double scale = std::min({1.0, p.width / 210.0, p.height / 297.0});
            const double left = scale < 1.0 ? (p.width - 210.0 * scale) / 2.0 * mm : 0.0;
            const double top = scale < 1.0 ? (p.height - 297.0 * scale) / 2.0 * mm : 0.0;
            const std::vector<tagPdfPage> pages = Print({"", p.paper, p.landscape});
            ASSERT_EQ(pages.size(), legal.size());
            for (size_t n = 0; n < pages.size(); ++n) {
                const std::vector<tagPdfWord>& words = pages[n].words;
                const std::vector<tagPdfWord>& a4 = legal[n].words;
                auto texts = [](std::vector<tagPdfWord> list) {
                    std::vector<std::string> t;
                    for (const tagPdfWord& w : list) t.push_back(w.text);
                    std::sort(t.begin(), t.end());
                    return t;
                };
                ASSERT_EQ(texts(words), texts(a4)) << "page " << n + 1;
                // Each word against the same word of the A4 page nearest to
                // where it should be.
                for (const tagPdfWord& w : words) {
                    double off = 1e9;
                    const tagPdfWord* near = nullptr;
                    for (const tagPdfWord& at : a4) {
                        if (at.text != w.text) continue;
                        const double d = std::max({std::abs(w.xMin - (left + at.xMin * scale)),
                                                   std::abs(w.yMin - (top + at.yMin * scale)),
                                                   std::abs(w.xMax - (left + at.xMax * scale)),
                                                   std::abs(w.yMax - (top + at.yMax * scale))});
                        if (d < off) off = d, near = &at;
                    }
                    EXPECT_LE(off, p.within) << "\"" << w.text << "\" on page " << n + 1 << " at " << w.xMin << ", "
                                             << w.yMin << " - " << w.xMax << ", " << w.yMax << "; A4 " << near->xMin
                                             << ", " << near->yMin << " - " << near->xMax << ", " << near->yMax;
                }
            }
        }
    }
}

// The next print dialog offers the last print's printer, paper and
// orientation, from File > Print and from the preview's Print button alike,
// with "Pages" back at all pages.
TEST_F(ReportOnPaper, PrintDialogOffersTheLastPrintSetUp) {
    Show(Report::kLens107);
    Print({"2", "iso_a5", true});
    auto fromPreview = [&] {
        m_window->View().OnFilePrintPreview();
        PumpEvents();
        wxPreviewFrame* preview = nullptr;
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) preview = p;
        ASSERT_NE(preview, nullptr);
        preview->GetControlBar()->OnPrint();
        preview->Close(true);
        PumpEvents();
    };
    const struct {
        const char* way;
        std::function<void()> open;
    } ways[] = {{"File > Print", {}}, {"the preview's Print button", fromPreview}};
    constexpr double mm = 72.0 / 25.4;
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        std::remove(m_pdf.c_str());
        const tagPrintOffer offer = PrintToFile(*m_window, m_pdf, {"", ""}, w.open);
        EXPECT_EQ(offer.printer, "Print to File");
        EXPECT_EQ(offer.paper, "iso_a5");
        EXPECT_TRUE(offer.landscape);
        EXPECT_TRUE(offer.allPages);
        const std::vector<tagPdfPage> pages = PdfPages(m_pdf);
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_NEAR(pages[0].width, 210 * mm, 1.0);
        EXPECT_NEAR(pages[0].height, 148 * mm, 1.0);
    }
}
