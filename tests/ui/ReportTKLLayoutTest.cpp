// The telecentric report's layout, drawn on the recording surface from page
// contents given directly: where the blocks go for 0, 7 and 8 result rows,
// the highlight, the figure labels of empty controls, a long table running
// on over pages, its header band repeated, with the page count covering the
// drawing, and long page texts fitted into their rooms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/Text.h"
#include "report/ReportFrame.h"
#include "report/ReportPages.h"
#include "report/TKLReport.h"
#include "support/RecordingReportDC.h"
#include "support/ReportFit.h"

using namespace report;
using quorrel::ReportAlign;
using quorrel::ReportBrush;
using quorrel::ReportRect;
using quorrel::test::CRecordingReportDC;
using quorrel::test::tagFitCase;
using quorrel::test::tagReportCall;

namespace {

constexpr int kA4 = 297;
const std::wstring kFooter = L"*All values are design value (Reference). ";
const std::wstring kSpecHeading = L"\u25A0Specifications of ";

// `rows` result rows of a 0.5x search and the data sheet of TKL05-65.
tagTKLReportInput Input(int rows) {
    tagTKLReportInput in;
    in.language = L"EN";
    in.date = L"2026/12/06";
    in.sensorCombo = L"2/3\"";
    in.fovV = L"13.20";
    in.fovH = L"17.60";
    for (int k = 0; k < rows; ++k)
        in.rows.push_back({L"TKL-" + std::to_wstring(k), L"5M", L"Non-Coax.", L"17.6", L"13.2", L"0.5x", L"65.0"});
    in.model = L"TKL05-65";
    in.magnification = L"0.5x";
    in.figureOD = L"42.0";
    in.holdA = L"30.0";
    return in;
}

CRecordingReportDC Draw(const tagTKLReportInput& in, int page = 1) {
    CRecordingReportDC dc;
    DrawTKLReportPage(dc, in, page, kA4);
    return dc;
}

// The lowest y anything of the drawing reaches.
int Lowest(const CRecordingReportDC& dc) {
    int lowest = 0;
    for (const tagReportCall& c : dc.calls) {
        lowest = std::min(lowest, std::min(c.rect.top, c.rect.bottom));
        for (const quorrel::ReportPoint& p : c.points) lowest = std::min(lowest, p.y);
    }
    return lowest;
}

// A long model name, a line sensor and long values on the data sheet.
tagTKLReportInput LongInput(const wchar_t* language) {
    tagTKLReportInput in = Input(2);
    in.language = language;
    in.sensorCombo = in.rows[0][1] = L"I/F 14.3mm (2k x 7um line)";
    in.model = in.rows[0][0] = L"TKL05-65-LONG-CATALOGUE-MODEL-NAME";
    in.illumination = L"Coaxial illumination, external light source";
    in.figureLensBack = L"17.526000000000000001";
    in.holdB = L"30.0000000000000000000000000";
    return in;
}

// The texts from the pages where the report anchors them, each with its
// room: its cell, the frame (100 to 1950), the heading before the model
// name; figure labels sharing a line split it halfway between their
// centres, and "C" keeps left of the swatch at 1500.
std::vector<tagFitCase> PageTexts(const CRecordingReportDC& dc, const tagTKLReportInput& in) {
    const tagReportFonts f = MakeReportFonts(in.language);
    const tagTKLLayout layout = TKLLayout(static_cast<int>(in.rows.size()), kA4);
    const int B = layout.specTop, Y0 = layout.figureTop;
    constexpr ReportAlign L = ReportAlign::kLeft, C = ReportAlign::kCentre;
    const tagReportCall* heading = dc.FindText(kSpecHeading);
    std::vector<tagFitCase> cases = {
        {in.model, 600, -200, L, f.f12, 600, 1950},
        {in.sensorCombo, 600, -250, L, f.f12, 600, 1950},
        {in.fovH, 600, -300, L, f.f12, 600, 1950},
        {in.fovV, 600, -350, L, f.f12, 600, 1950},
        {in.magnification, 600, -400, L, f.f12, 600, 1950},
        {in.model, 750, B + 5, C, f.f14, heading ? heading->rect.right : 100, 1950},
        {L"OD:" + in.figureOD + L"mm", 510, Y0, C, f.f9, 100, 955},
        {L"Lens Back:" + in.figureLensBack + L"mm", 1400, Y0, C, f.f9, 955, 1950},
        {L"WD:" + in.figureWD + L"mm", 510, Y0 - 370, C, f.f9, 100, 780},
        {L"Barrel Length:" + in.barrelLength + L"mm", 1050, Y0 - 370, C, f.f9, 780, 1950},
        {L"OI:" + in.oi + L"mm", 950, Y0 - 500, C, f.f9, 100, 1950},
        {L"B:" + in.holdB + L"mm", 550, Y0 - 690, C, f.f9, 100, 775},
        {L"Hold Length:" + in.holdLength + L"mm", 1000, Y0 - 720, C, f.f9, 775, 1950},
        {L"A:" + in.holdA + L"mm", 550, Y0 - 750, C, f.f9, 100, 775},
        {L"C:" + in.holdC + L"mm", 700, Y0 - 1100, C, f.f9, 100, 1500},
        {L"D:" + in.holdD + L"mm", 700, Y0 - 1200, C, f.f9, 100, 1950},
    };
    // The data sheet's values, centred in their cells.
    const std::wstring* values[5][2] = {{&in.illumination, &in.dof},       {&in.magnification, &in.na},
                                        {&in.oi, &in.effectiveFno},        {&in.wdOd, &in.distortion},
                                        {&in.resolution, &in.imageFormat}};
    for (int r = 1; r <= 5; ++r) {
        cases.push_back({*values[r - 1][0], 730, B - 20 - 50 * r, C, f.f9, 550, 900});
        cases.push_back({*values[r - 1][1], 1530, B - 20 - 50 * r, C, f.f9, 1350, 1700});
    }
    constexpr int kCentres[] = {300, 570, 780, 1070, 1370, 1650, 1850};
    constexpr int kEdges[] = {100, 500, 640, 920, 1220, 1520, 1765, 1950};
    for (size_t k = 0; k < in.rows.size(); ++k)
        for (int c = 0; c < 7; ++c)
            cases.push_back(
                {in.rows[k][c], kCentres[c], layout.table.rowTops[k] - 10, C, f.f9, kEdges[c], kEdges[c + 1]});
    return cases;
}

}  // namespace

TEST(TKLReportLayout, OnlyASelectedRowIsGrey) {
    tagTKLReportInput in = Input(5);
    EXPECT_TRUE(Draw(in).GreyBoxes().empty());
    in.selectedRow = 2;
    const std::vector<tagReportCall> grey = Draw(in).GreyBoxes();
    ASSERT_EQ(grey.size(), 1u);
    EXPECT_EQ(grey[0].rect, (ReportRect{100, -730, 1950, -780}));
    EXPECT_EQ(grey[0].pen, kThickPen);
}

TEST(TKLReportLayout, FigureLabelsOfEmptyControlsKeepTheirNamesAndUnits) {
    const int Y0 = -680 - 420;
    struct Label {
        const wchar_t* text;
        int centre, top;
    };
    const Label labels[] = {{L"OD:42.0mm", 510, Y0},         {L"Lens Back:mm", 1400, Y0},
                            {L"WD:mm", 510, Y0 - 370},        {L"Barrel Length:mm", 1050, Y0 - 370},
                            {L"OI:mm", 950, Y0 - 500},        {L"B:mm", 550, Y0 - 690},
                            {L"Hold Length:mm", 1000, Y0 - 720}, {L"A:30.0mm", 550, Y0 - 750},
                            {L"C:mm", 700, Y0 - 1100},        {L"D:mm", 700, Y0 - 1200}};
    const CRecordingReportDC dc = Draw(Input(0));
    for (const Label& l : labels) {
        const tagReportCall* c = dc.FindText(l.text);
        ASSERT_NE(c, nullptr) << quorrel::ToUtf8(l.text);
        EXPECT_EQ((c->rect.left + c->rect.right) / 2, l.centre) << quorrel::ToUtf8(l.text);
        EXPECT_EQ(c->rect.top, l.top) << quorrel::ToUtf8(l.text);
    }
    const std::vector<tagReportCall> pictures = dc.Calls(tagReportCall::kPicture);
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0].pictureId, kBarrelFigurePng);
    EXPECT_EQ(pictures[0].rect, (ReportRect{250, Y0, 1820, Y0 - 580}));
    EXPECT_EQ(pictures[1].rect, (ReportRect{280, Y0 - 700, 1280, Y0 - 1280}));
    EXPECT_EQ(pictures[2].rect, (ReportRect{1500, Y0 - 1100, 1600, Y0 - 1200}));
    // The frame around the block and the figures.
    const std::vector<tagReportCall> boxes = dc.Calls(tagReportCall::kRectangle);
    EXPECT_EQ(boxes.back().rect, (ReportRect{100, -740, 1950, Y0 - 1350}));
}

TEST(TKLReportLayout, BlocksAndPagesFollowTheRowCount) {
    struct Case {
        int rows, pages, lastRowTextTop, specTop, footerTop;
        std::vector<int> headerTops;  // the table's header band, repeated on each page it continues on
    };
    // From 8 rows the specification block starts 100 below the top of page 2
    // (-3070) and the footer follows the figures 1770 below it. Rows 0 to 43
    // fit on page 1; row 44 starts under the header band repeated 100 below
    // the top of page 2, and the block then starts 100 below the top of
    // page 3 (-6040).
    const Case cases[] = {{0, 1, 0, -680, -2450, {}},
                          {7, 1, -940, -1030, -2800, {-530}},
                          {8, 2, -990, -3070, -4840, {-530}},
                          {30, 2, -2090, -3070, -4840, {-530}},
                          {31, 2, -2140, -3070, -4840, {-530}},
                          {44, 2, -2790, -3070, -4840, {-530}},
                          {45, 3, -3180, -6040, -7810, {-530, -3070}},
                          {60, 3, -3930, -6040, -7810, {-530, -3070}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        EXPECT_EQ(TKLLayout(c.rows, kA4).pages, c.pages);
        const CRecordingReportDC dc = Draw(Input(c.rows));
        if (c.rows > 0) {
            EXPECT_EQ(dc.TextTop(L"TKL-" + std::to_wstring(c.rows - 1)), c.lastRowTextTop);
        }
        EXPECT_EQ(dc.FindText(L"Result of selection") != nullptr, c.rows > 0);
        EXPECT_EQ(dc.TextTop(kSpecHeading), c.specTop);
        EXPECT_EQ(dc.TextTop(kFooter), c.footerTop);
        std::vector<int> headerTops;
        for (int top : dc.TextTops(L"Model")) headerTops.push_back(top + 10);
        EXPECT_EQ(headerTops, c.headerTops);
        EXPECT_TRUE(dc.AcrossPageEdges(kA4).empty()) << "nothing cut by a page's edge";
        EXPECT_GT(Lowest(dc), -10 * kA4 * c.pages) << "inside the pages";
        EXPECT_LT(Lowest(dc), -10 * kA4 * (c.pages - 1)) << "the last page is not blank";
    }
}

TEST(TKLReportLayout, LongPageTextsShrinkOrAreCutShortWithinTheirRooms) {
    for (const wchar_t* language : {L"EN", L"CN"}) {
        SCOPED_TRACE(quorrel::ToUtf8(language));
        const tagTKLReportInput in = LongInput(language);
        const CRecordingReportDC dc = Draw(in);
        for (const tagFitCase& c : PageTexts(dc, in)) quorrel::test::ExpectFitted(dc, c);
    }
}

TEST(TKLReportLayout, PageTextsThatFitAreDrawnAsPlaced) {
    const tagTKLReportInput in = Input(2);
    const CRecordingReportDC dc = Draw(in);
    for (const tagFitCase& c : PageTexts(dc, in)) quorrel::test::ExpectAsPlaced(dc, c);
}
