// The non-telecentric report's layout, drawn on the recording surface from
// page contents given directly: where the blocks go for 0, 16, 17 and 45
// result rows, the header band repeated on a continued page, the diagonal
// layout, the focus marker, the fonts, the page breaks and footer on paper
// other than A4, and long page texts fitted into their rooms.
#include <gtest/gtest.h>

#include <string>

#include "lens_selection/LensCatalogueLists.h"
#include "report/CCTVReport.h"
#include "report/ReportFrame.h"
#include "support/RecordingReportDC.h"
#include "support/ReportFit.h"

using namespace report;
using quorrel::ReportAlign;
using quorrel::ReportBrush;
using quorrel::ReportFont;
using quorrel::ReportPoint;
using quorrel::ReportRect;
using quorrel::test::CRecordingReportDC;
using quorrel::test::tagFitCase;
using quorrel::test::tagReportCall;

namespace {

constexpr int kA4 = 297;
constexpr int kLetter = 279;

// A report of `rows` result rows for a 2/3" sensor searched by working
// distance, with a calculated detail.
tagCCTVReportInput Input(int rows) {
    tagCCTVReportInput in;
    in.language = L"EN";
    in.date = L"2026/12/06";
    in.sensorCombo = in.sensor = L"2/3\"";
    in.conditions[kCondW] = true;
    in.conditionValue = L"100";
    for (int k = 0; k < rows; ++k)
        in.rows.push_back({L"QF-" + std::to_wstring(k), L"0.0", L"35.03", L"26.27", L"43.79", L"0.251", L"100.00"});
    in.lens = L"QF-25M14", in.ring = L"5.0";
    in.fovV = L"26.275", in.fovH = L"35.033", in.fovD = L"43.791";
    in.magnification = L"0.251", in.wd = L"100.000", in.focusDraw = L"0.000";
    in.warnings = {L"ring warning", L"mount warning", L"focus warning"};
    return in;
}

CRecordingReportDC Draw(const tagCCTVReportInput& in, int page = 1, int h = kA4) {
    CRecordingReportDC dc;
    DrawCCTVReportPage(dc, in, page, h);
    return dc;
}

const std::wstring kFooter = L"*All values are design value (Reference). ";

// The fault's report: a line sensor with a long catalogue name searched by
// a diagonal field, long lens names and long values on the detail page.
tagCCTVReportInput LongInput(const wchar_t* language) {
    tagCCTVReportInput in = Input(2);
    in.language = language;
    in.sensorCombo = in.sensor = L"I/F 14.3mm (2k x 7um line)";
    in.conditions = {false, false, true, false, false};
    in.conditionValue = L"50.000000000000000000001";
    in.lens = in.rows[0][0] = L"QF-25M14-LONG-CATALOGUE-NAME-2K";
    in.rows[1][0] = L"QF-25M14-AN-EVEN-LONGER-CATALOGUE-NAME-4K";
    in.rows[1][4] = L"43.79(12345.678-98765.432)";
    in.fovD = L"43.79100000000001";
    in.magnification = L"0.25100000000000000";
    in.dof = L"12.3456789";
    in.warnings = {std::wstring(150, L'w'), std::wstring(200, L'x'), L"focus warning"};
    return in;
}

// The texts from the pages where the report anchors them, each with its
// room: its neighbour, its cell, the frame (90 to 1990) or, for the
// downward callout, the frame's bottom.
std::vector<tagFitCase> PageTexts(const CRecordingReportDC& dc, const tagCCTVReportInput& in) {
    const tagReportFonts f = MakeReportFonts(in.language);
    const bool diagonal = IsDiagonalMode(in);
    const int n = static_cast<int>(in.rows.size());
    const int B = CCTVLayout(n, kA4).detailTop, P = B - 560;
    constexpr ReportAlign L = ReportAlign::kLeft, R = ReportAlign::kRight, C = ReportAlign::kCentre;
    // The end of the conditions label at the start of row y.
    auto labelEnd = [&](int y) {
        for (const tagReportCall& c : dc.calls)
            if (c.kind == tagReportCall::kText && c.rect.left == 160 && c.rect.top == y) return c.rect.right;
        return 160;
    };
    const int conditionY = in.conditions[kCondD] ? -290 : -440;  // diagonal field or working distance
    std::vector<tagFitCase> cases = {
        {in.sensorCombo, 660, -240, R, f.f12, labelEnd(-240), 660},
        {in.conditionValue, 660, conditionY, R, f.f12, labelEnd(conditionY), 660},
        {in.lens, 660, B - 70, C, f.f9, 420, 860},
        {in.sensor, 610, B - 120, C, f.f9, 420, 860},
        {in.ring, 610, B - 170, R, f.f9, 420, 860},
        {diagonal ? in.fovD : in.fovH, 610, B - 270, R, f.f9, 420, 860},
        {in.magnification, 1410, B - 70, R, f.f9, 1190, 1590},
        {in.wd, 1410, B - 120, R, f.f9, 1190, 1590},
        {in.objectToImage, 1410, B - 170, R, f.f9, 1190, 1590},
        {in.effectiveFno, 1410, B - 220, R, f.f9, 1190, 1590},
        {in.dof, 1410, B - 270, R, f.f9, 1190, 1590},
        {in.warnings[0], 130, B - 370, L, f.f8, 90, 1990},
        {in.warnings[1], 130, B - 410, L, f.f8, 90, 1990},
        {in.warnings[2], 130, B - 450, L, f.f8, 90, 1990},
        {L"1:  " + in.lens, 960, P + 50, L, f.f9, 960, 1460},
        {L"2: " + in.sensor + L" Size of sensor", 1460, P + 50, L, f.f9, 1460, 1990},
        {L"7:  " + in.magnification + L" x", 410, P + 50, L, f.f9, 410, 960},
        {L"3:  " + in.ring + L" mm", 1310, P - 350, L, f.f9, 1310, 1990},
        {L"Fno (Infinity): " + in.fno, 910, P - 350, L, f.f9, 910, 1310},
        {L"11:  " + in.dof, 210, P - 380, L, f.f9, 210, 410},
        {L"8:  " + in.wd + L" mm", 410, P - 400, L, f.f9, 410, 1990},
        {L"9:  " + in.objectToImage + L" mm", 910, P - 520, L, f.f9, 910, 1990},
        {(diagonal ? L"5:  " + in.fovD : L"6:  " + in.fovV) + L" mm", 160, P - 250, L, f.rotated, 250 - P,
         1160 - B},
    };
    if (!diagonal) cases.push_back({in.fovV, 610, B - 320, R, f.f9, 420, 860});
    const std::vector<int> columns = diagonal ? std::vector<int>{0, 1, 4, 5, 6} : std::vector<int>{0, 1, 2, 3, 5, 6};
    constexpr int kEdges[] = {90, 420, 670, 1000, 1330, 1660, 1990};
    for (int k = 0; k < n; ++k)
        for (size_t c = 0; c < columns.size(); ++c)
            cases.push_back({in.rows[k][columns[c]], (kEdges[c] + kEdges[c + 1]) / 2, -680 - 50 * k, C, f.f9,
                             kEdges[c], kEdges[c + 1]});
    return cases;
}

}  // namespace

TEST(CCTVReportLayout, BlocksAndPagesFollowTheRowCountAndThePageHeight) {
    struct Case {
        int h, rows, pages, row, rowTextTop, detailTop, footerTop;
        std::vector<int> headerTops;  // the table's header band, repeated on each page it continues on
    };
    const Case cases[] = {
        {kA4, 16, 1, 15, -1430, -1520, -2760, {-570}},
        {kA4, 17, 2, 16, -1480, -3020, -5730, {-570}},  // detail 50 below the top of page 2
        {kA4, 45, 2, 43, -2830, -3270, -5730, {-570, -3070}},  // the last row on page 1
        // The header band repeated 100 below the top of page 2, the row under it.
        {kA4, 45, 2, 44, -3180, -3270, -5730, {-570, -3070}},
        {kA4, 70, 2, 69, -4430, -4520, -5730, {-570, -3070}},   // the detail block still ends above page 2's footer
        {kA4, 71, 3, 70, -4480, -5990, -8700, {-570, -3070}},   // it would reach into the footer: on to page 3
        {kA4, 97, 3, 96, -5780, -5990, -8700, {-570, -3070}},   // rows 44 to 96 on page 2
        {kA4, 98, 3, 97, -6150, -6240, -8700, {-570, -3070, -6040}},  // row 97 under the header on page 3
        // Letter: rows keep 100 above page 1's bottom (-2790), and the footer
        // its distance from the last page's bottom.
        {kLetter, 3, 1, 2, -780, -870, -2580, {-570}},
        {kLetter, 20, 2, 19, -1630, -2840, -5370, {-570}},
        {kLetter, 45, 2, 39, -2630, -3290, -5370, {-570, -2890}},
        {kLetter, 45, 2, 40, -3000, -3290, -5370, {-570, -2890}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << " mm, " << c.rows << " rows");
        EXPECT_EQ(CCTVLayout(c.rows, c.h).pages, c.pages);
        const CRecordingReportDC dc = Draw(Input(c.rows), 1, c.h);
        EXPECT_EQ(dc.TextTop(L"QF-" + std::to_wstring(c.row)), c.rowTextTop);
        EXPECT_EQ(dc.TextTop(L"\u25A0Detail Specification"), c.detailTop);
        EXPECT_EQ(dc.TextTop(kFooter), c.footerTop);
        std::vector<int> headerTops;
        for (int top : dc.TextTops(L"Model")) headerTops.push_back(top + 10);
        EXPECT_EQ(headerTops, c.headerTops);
        EXPECT_TRUE(dc.AcrossPageEdges(c.h).empty()) << "nothing cut by a page's edge";
    }
    const CRecordingReportDC empty = Draw(Input(0));
    EXPECT_EQ(empty.FindText(L"\u25A0Result of selection"), nullptr);
    EXPECT_EQ(empty.TextTop(L"\u25A0Detail Specification"), -720);
}

TEST(CCTVReportLayout, TwoPageReportShowsPageTwoThroughTheViewportOnly) {
    for (int rows : {16, 17}) {
        const CRecordingReportDC page1 = Draw(Input(rows), 1);
        const CRecordingReportDC page2 = Draw(Input(rows), 2);
        const ReportPoint pageStep = page2.LPtoDP({0, 2970});
        EXPECT_EQ(page1.GetViewportOrg(), (ReportPoint{0, 0})) << rows;
        EXPECT_EQ(page2.GetViewportOrg(), (ReportPoint{0, rows > 16 ? pageStep.y : 0})) << rows;
        EXPECT_EQ(page1.Texts(), page2.Texts()) << "both pages draw the whole report";
    }
}

TEST(CCTVReportLayout, SelectedRowIsGreyWithAThickOutline) {
    tagCCTVReportInput in = Input(45);
    in.selectedRow = 44;
    const std::vector<tagReportCall> grey = Draw(in).GreyBoxes();
    ASSERT_EQ(grey.size(), 2u) << "the row and the detail block's first row";
    EXPECT_EQ(grey[0].rect, (ReportRect{90, -3170, 1990, -3220})) << "under page 2's header band";
    EXPECT_EQ(grey[0].pen, kThickPen);
    in.selectedRow = -1;
    EXPECT_EQ(Draw(in).GreyBoxes().size(), 1u);
}

TEST(CCTVReportLayout, LineSensorOrDiagonalConditionPrintsTheDiagonalLayout) {
    tagCCTVReportInput lineSensor = Input(2);
    lineSensor.sensorCombo = L"I/F 14.3mm (2k x 7um line)";
    tagCCTVReportInput diagonalSearch = Input(2);
    diagonalSearch.conditions = {false, false, true, false, false};
    for (const tagCCTVReportInput& in : {lineSensor, diagonalSearch}) {
        const CRecordingReportDC dc = Draw(in);
        EXPECT_EQ(dc.FindText(L"Vertical FOV"), nullptr);
        const tagReportCall* header = dc.FindText(L"Diagonal FOV");
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->rect.top, -290) << "first the conditions row";
        int rightmost = 0;
        for (const tagReportCall& b : dc.Calls(tagReportCall::kRectangle))
            if (b.rect.top <= -570 && b.rect.top >= -720) rightmost = std::max(rightmost, b.rect.right);
        EXPECT_EQ(rightmost, 1660);
        EXPECT_NE(dc.FindText(L"43.79"), nullptr) << "list column 4 in table column 3";
        const tagReportCall* rotated = dc.FindText(L"5:  43.791 mm");
        ASSERT_NE(rotated, nullptr);
        EXPECT_EQ(rotated->kind, tagReportCall::kTextOut);
        EXPECT_EQ(rotated->font.escapement, 2700);
    }
    // Two-axis: the vertical field of view runs beside the dimension line.
    const CRecordingReportDC twoAxis = Draw(Input(2));
    const tagReportCall* rotated = twoAxis.FindText(L"6:  26.275 mm");
    ASSERT_NE(rotated, nullptr);
    EXPECT_EQ(rotated->points, (std::vector<ReportPoint>{{160, -720 - 100 - 560 - 250}}));
}

TEST(CCTVReportLayout, TickedConditionShowsItsValueAndTick) {
    const CRecordingReportDC dc = Draw(Input(0));
    const tagReportCall* value = dc.FindText(L"100");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->rect.right, 660);
    EXPECT_EQ(value->rect.top, -440);
    std::vector<std::vector<ReportPoint>> thick;
    for (const tagReportCall& l : dc.Calls(tagReportCall::kLine))
        if (l.pen == kThickPen) thick.push_back(l.points);
    EXPECT_EQ(thick, (std::vector<std::vector<ReportPoint>>{{{110, -460}, {120, -470}}, {{120, -470}, {150, -440}}}));
}

TEST(CCTVReportLayout, FocusMarkerStandsWhereTheDrawPutsIt) {
    const struct {
        bool hasLens;
        double maxDraw;
        int direction;
        const wchar_t* draw;
        int x;
    } cases[] = {
        {true, 3.0, 0, L"0.000", 800},  {true, 3.0, 1, L"0.000", 480},
        {true, 3.0, 0, L"1.500", 639},  // 107 units a mm: p = 161
        {true, 3.0, 1, L"1.500", 641},  {true, 3.0, 0, L"9.000", 480},   // limited to the scale
        {true, 0.0, 0, L"1.500", 800},  // no draw range: where draw 0 puts it
        {true, 0.0, 1, L"1.500", 480},  {false, 3.0, 0, L"1.500", 800},  // no lens record
        {true, 3.0, 0, L"--", 800},
    };
    for (const auto& c : cases) {
        tagCCTVReportInput in = Input(1);
        in.hasLens = c.hasLens, in.maxDraw = c.maxDraw, in.drawoutDirection = c.direction, in.focusDraw = c.draw;
        const std::vector<tagReportCall> pictures = Draw(in).Calls(tagReportCall::kPicture);
        ASSERT_EQ(pictures.size(), 2u);
        EXPECT_EQ(pictures[0].pictureId, kFocusMarkerPng);
        const int B = -770;
        EXPECT_EQ(pictures[0].rect, (ReportRect{c.x, B - 246, c.x + 22, B - 224})) << c.draw << " " << c.direction;
    }
}

TEST(CCTVReportLayout, TenModelsPrintNoFocusScaleOrWarnings) {
    int marked = 0;
    for (const lens_lists::LensEntry& e : lens_lists::Table())
        marked += (e.marks & lens_lists::kNoReportFocusScale) != 0;
    EXPECT_EQ(marked, 10);

    tagCCTVReportInput in = Input(1);
    in.lens = L"QE-40M40";
    const CRecordingReportDC dc = Draw(in);
    EXPECT_EQ(dc.FindText(L"N"), nullptr);
    EXPECT_EQ(dc.FindText(L"ring warning"), nullptr);
    const std::vector<tagReportCall> pictures = dc.Calls(tagReportCall::kPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].pictureId, kLensSetupPng);
    EXPECT_EQ(pictures[0].rect, (ReportRect{260, -1330, 1770, -1920})) << "hangs down from P = B - 560";

    const CRecordingReportDC warned = Draw(Input(1));
    const tagReportCall* warning = warned.FindText(L"mount warning");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->rect.top, -770 - 410);
    EXPECT_EQ(warning->textColour, quorrel::kReportRed);
    EXPECT_EQ(warning->font.height, -28);
}

TEST(CCTVReportLayout, FontsFollowTheLanguageCodeExactly) {
    const struct {
        const wchar_t *language, *face;
        int f8, f9, f12, f14, f18;
    } cases[] = {{L"EN", L"Arial", -28, -32, -42, -49, -64},
                 {L"CN", L"Microsoft Yahei", -25, -28, -35, -42, -56},
                 {L"cn", L"Arial", -28, -32, -42, -49, -64}};
    for (const auto& c : cases) {
        const tagReportFonts f = MakeReportFonts(c.language);
        EXPECT_EQ((std::vector<ReportFont>{f.f8, f.f9, f.f12, f.f14, f.f18, f.rotated}),
                  (std::vector<ReportFont>{{c.face, c.f8, 0}, {c.face, c.f9, 0}, {c.face, c.f12, 0},
                                           {c.face, c.f14, 0}, {c.face, c.f18, 0}, {c.face, c.f9, 2700}}));
    }
}

TEST(CCTVReportFrame, TitleBandAndRestoredDrawingObjects) {
    CRecordingReportDC dc;
    const quorrel::ReportFont font = dc.GetFont();
    const quorrel::ReportPen pen = dc.GetPen();
    const ReportBrush brush = dc.GetBrush();
    DrawCCTVReportPage(dc, Input(3), 1, kA4);

    const tagReportCall& band = dc.calls.front();
    EXPECT_EQ(band.kind, tagReportCall::kFill);
    EXPECT_EQ(band.rect, (ReportRect{60, -40, 2020, -170}));
    const tagReportCall* title = dc.FindText(L"Quorrel");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ((std::vector<int>{title->rect.left, title->rect.top, title->font.height}), (std::vector<int>{100, -70, -64}));
    EXPECT_EQ(title->textColour, quorrel::kReportWhite);
    EXPECT_EQ(title->bkMode, quorrel::ReportBkMode::kTransparent);
    // Everything selected for the drawing is put back.
    EXPECT_TRUE(dc.GetFont() == font && dc.GetPen() == pen && dc.GetBrush() == brush);
    EXPECT_EQ(dc.GetBkMode(), quorrel::ReportBkMode::kOpaque);
    EXPECT_EQ(dc.GetTextColour(), quorrel::kReportBlack);
}

TEST(CCTVReportFrame, TextPlacements) {
    CRecordingReportDC dc;
    dc.SelectFont(MakeReportFonts(L"EN").f9);  // 16 units a character
    DrawTextAt(dc, L"abc", 660, -240);
    DrawTextRightAt(dc, L"abc", 660, -240);
    DrawTextRightAt(dc, L"abcdefgh", 660, -240);
    dc.SelectFont(MakeReportFonts(L"EN").f12);  // 21 units a character
    DrawTextCentredAt(dc, L"abc", 255, -580);    // 63 wide: left 255 - 31
    ASSERT_EQ(dc.calls.size(), 4u);
    EXPECT_EQ(dc.calls[0].rect, (ReportRect{660, -240, 708, -276}));
    EXPECT_EQ(dc.calls[1].rect, (ReportRect{612, -240, 660, -276}));
    EXPECT_EQ(dc.calls[2].rect.right, 660);
    EXPECT_EQ(dc.calls[3].rect.left, 224);
    EXPECT_EQ(dc.calls[3].align, quorrel::ReportAlign::kCentre);
}

TEST(CCTVReportLayout, LongPageTextsShrinkOrAreCutShortWithinTheirRooms) {
    for (const wchar_t* language : {L"EN", L"CN"}) {
        SCOPED_TRACE(quorrel::ToUtf8(language));
        const tagCCTVReportInput in = LongInput(language);
        const CRecordingReportDC dc = Draw(in);
        for (const tagFitCase& c : PageTexts(dc, in)) quorrel::test::ExpectFitted(dc, c);
    }
}

TEST(CCTVReportLayout, PageTextsThatFitAreDrawnAsPlaced) {
    tagCCTVReportInput diagonal = Input(2);
    diagonal.conditions = {false, false, true, false, false};
    for (const tagCCTVReportInput& in : {Input(2), diagonal}) {
        const CRecordingReportDC dc = Draw(in);
        for (const tagFitCase& c : PageTexts(dc, in)) quorrel::test::ExpectAsPlaced(dc, c);
    }
}
