#include "report/CCTVReport.h"

#include <algorithm>
#include <cmath>

#include "lens_selection/LensCatalogueLists.h"
#include "platform/Numbers.h"
#include "platform/Strings.h"
#include "report/ReportFrame.h"
#include "report/ReportPages.h"

namespace report {

using quorrel::LoadString;
using quorrel::ReportAlign;
using quorrel::ReportBrush;
using quorrel::ReportDC;
using quorrel::ReportPoint;
using quorrel::ReportRect;

namespace {

// Title band of this report.
constexpr CReportFrame::tagTitleBand kBand{1960, 100};

// The result table's header band.
constexpr int kHeaderTop = -570;
constexpr int kHeaderHeight = 100;
// The detail block reaches this far below its heading (the legend frame).
constexpr int kDetailHeight = 1160;
// The footer's text lies this far below the top of the last page (on A4).
constexpr int kFooterTextTop = -2760;

// The focus scale: 320 units from x 480 (p = 320) to x 800 (p = 0).
constexpr int kScaleLength = 320;
constexpr int kScaleRight = 800;

// What texts from the pages may not cross: the frame around the detail
// block and its picture, and the x edges of the legend grid's number, label
// and value cells in its left and right part.
constexpr int kFrameLeft = 90;
constexpr int kFrameRight = 1990;
constexpr std::array<int, 4> kLeftGrid{90, 150, 420, 860};
constexpr std::array<int, 4> kRightGrid{860, 920, 1190, 1590};
constexpr tagTextRoom kLeftValueCell{kLeftGrid[2], kLeftGrid[3]};
constexpr tagTextRoom kRightValueCell{kRightGrid[2], kRightGrid[3]};
constexpr tagTextRoom kInsideFrame{kFrameLeft, kFrameRight};

// Strings.
constexpr int kStrSizeOfSensor = 20018;
constexpr int kStrVerticalFov = 20019;
constexpr int kStrMm = 20020;
constexpr int kStrMagnification = 20021;
constexpr int kStrX = 20022;
constexpr int kStrWD = 20023;
constexpr int kStrResultOfSelection = 20024;
constexpr int kStrModel = 20025;
constexpr int kStrDetailSpecification = 20030;
constexpr int kStrLens = 20031;
constexpr int kStrCloseUpRing = 20032;
constexpr int kStrFocusPosition = 20033;
constexpr int kStrHorizontalFov = 20034;
constexpr int kStrOI = 20035;
constexpr int kStrEffectiveFno = 20036;
constexpr int kStrDOF = 20037;
constexpr int kStrFnoInfinity = 20039;
constexpr int kStrConditionsOfSelection = 20048;
constexpr int kStrCamera = 20049;
constexpr int kStrDiagonalFov = 20069;
constexpr int kStrBracketMm = 20121;

// "%smm" of a typed-in sensor's diagonal.
std::wstring DiagonalLabel(const std::wstring& d) { return d + L"mm"; }

// The search page's sensor: a typed diagonal wins over typed sides.
std::wstring SearchSensorLabel(const tagCCTVReportInput& in) {
    if (!in.sensorCombo.empty()) return in.sensorCombo;
    std::wstring label;
    if (!in.manualH.empty() && !in.manualV.empty()) label = SensorSizeLabel(in.manualH, in.manualV);
    if (!in.manualD.empty()) label = DiagonalLabel(in.manualD);
    return label;
}

// The detail page's sensor: typed sides win over a typed diagonal.
std::wstring DetailSensorLabel(const tagCCTVReportInput& in) {
    if (!in.sensor.empty()) return in.sensor;
    if (!in.detailManualH.empty() && !in.detailManualV.empty())
        return SensorSizeLabel(in.detailManualH, in.detailManualV);
    if (!in.detailManualD.empty()) return DiagonalLabel(in.detailManualD);
    return L"";
}

// (int)(x + 0.5), kept within 0..limit before the conversion so that no
// value can overflow it.
int RoundWithin(double x, int limit) {
    const double r = x + 0.5;
    if (!(r >= 0.0)) return 0;
    if (r >= limit) return limit;
    return static_cast<int>(r);
}

// ---- the blocks --------------------------------------------------------------

void DrawConditions(ReportDC& dc, const tagReportFonts& fonts, const tagCCTVReportInput& in, bool diagonal) {
    dc.SelectFont(fonts.f12);
    DrawTextAt(dc, HeadingText(kStrConditionsOfSelection), 110, -190);
    // Values end at 660 and reach left no further than their row's label.
    const ReportRect camera = DrawTextAt(dc, LoadString(kStrCamera), 160, -240);
    DrawFittedText(dc, SearchSensorLabel(in), 660, -240, ReportAlign::kRight, {camera.right, 660});
    DrawTextAt(dc, LoadString(kStrSizeOfSensor), 710, -240);

    struct Row {
        int label, unit, y;
        int labelRight = 160;  // where the label ends, once drawn
    };
    std::vector<Row> rows = {{diagonal ? kStrDiagonalFov : kStrHorizontalFov, kStrMm, -290}};
    if (!diagonal) rows.push_back({kStrVerticalFov, kStrMm, -340});
    rows.push_back({kStrMagnification, kStrX, -390});
    rows.push_back({kStrWD, kStrMm, -440});
    for (Row& r : rows) {
        r.labelRight = DrawTextAt(dc, LoadString(r.label), 160, r.y).right;
        DrawTextAt(dc, LoadString(r.unit), 710, r.y);
    }
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    for (const Row& r : rows) dc.Rectangle(110, r.y, 150, r.y - 40);

    // The ticked condition's value and tick, on its row.
    struct Tick {
        CCTVCondition condition;
        int y;
    };
    constexpr Tick kTicks[] = {{kCondH, -290}, {kCondV, -340}, {kCondD, -290}, {kCondM, -390}, {kCondW, -440}};
    for (const Tick& t : kTicks) {
        if (!in.conditions[t.condition]) continue;
        dc.SelectPen(kThickPen);
        int labelRight = 160;  // no label on the row
        for (const Row& r : rows)
            if (r.y == t.y) labelRight = r.labelRight;
        DrawFittedText(dc, in.conditionValue, 660, t.y, ReportAlign::kRight, {labelRight, 660});
        dc.MoveTo(110, t.y - 20);
        dc.LineTo(120, t.y - 30);
        dc.LineTo(150, t.y);
        break;
    }
}

// The result table, its header band on every page it covers.
void DrawResultTable(ReportDC& dc, const tagReportFonts& fonts, const tagCCTVReportInput& in, bool diagonal,
                     const tagTableLayout& table) {
    const std::vector<int>& rowTops = table.rowTops;
    dc.SelectFont(fonts.f12);
    DrawTextAt(dc, HeadingText(kStrResultOfSelection), 110, -520);

    const std::vector<int> edges = diagonal ? std::vector<int>{90, 420, 670, 1000, 1330, 1660}
                                            : std::vector<int>{90, 420, 670, 1000, 1330, 1660, 1990};
    constexpr int kCentres[] = {255, 545, 835, 1165, 1495, 1825};
    const int n = static_cast<int>(in.rows.size());

    if (in.selectedRow >= 0 && in.selectedRow < n) {
        dc.SelectPen(kThickPen);
        dc.SelectBrush(ReportBrush::LightGrey());
        const int top = rowTops[in.selectedRow];
        dc.Rectangle(90, top, edges.back(), top - kRowHeight);
    }

    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    auto cells = [&](int top, int bottom) {
        for (size_t c = 0; c + 1 < edges.size(); ++c) dc.Rectangle(edges[c], top, edges[c + 1], bottom);
    };
    for (int top : table.headerTops) cells(top, top - kHeaderHeight);
    for (int k = 0; k < n; ++k) cells(rowTops[k], rowTops[k] - kRowHeight);

    // Header lines and the list columns shown under them.
    struct Column {
        int title;
        int unit;  // 0: none
        int listColumn;
    };
    const std::vector<Column> columns =
        diagonal ? std::vector<Column>{{kStrModel, 0, 0},
                                       {kStrCloseUpRing, kStrBracketMm, 1},
                                       {kStrDiagonalFov, kStrBracketMm, 4},
                                       {kStrMagnification, 0, 5},
                                       {kStrWD, kStrBracketMm, 6}}
                 : std::vector<Column>{{kStrModel, 0, 0},
                                       {kStrCloseUpRing, kStrBracketMm, 1},
                                       {kStrHorizontalFov, kStrBracketMm, 2},
                                       {kStrVerticalFov, kStrBracketMm, 3},
                                       {kStrMagnification, 0, 5},
                                       {kStrWD, kStrBracketMm, 6}};
    dc.SelectFont(fonts.f9);
    for (int top : table.headerTops)
        for (size_t c = 0; c < columns.size(); ++c) {
            DrawTextCentredAt(dc, LoadString(columns[c].title), kCentres[c], top - 10);
            if (columns[c].unit) DrawTextCentredAt(dc, LoadString(columns[c].unit), kCentres[c], top - 50);
        }
    for (int k = 0; k < n; ++k)
        for (size_t c = 0; c < columns.size(); ++c)
            DrawFittedText(dc, in.rows[k][columns[c].listColumn], kCentres[c], rowTops[k] - 10, ReportAlign::kCentre,
                           {edges[c], edges[c + 1]});
}

// Top of legend row r (1..6).
int LegendRowTop(int B, int r) { return B - 20 - 50 * r; }

void DrawDetail(ReportDC& dc, const tagReportFonts& fonts, const tagCCTVReportInput& in, bool diagonal, int B) {
    dc.SelectFont(fonts.f12);
    DrawTextAt(dc, HeadingText(kStrDetailSpecification), 110, B);

    dc.SelectFont(fonts.f9);
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::LightGrey());
    dc.Rectangle(90, B - 60, 860, B - 110);

    for (int r = 1; r <= 6; ++r) DrawTextCentredAt(dc, std::to_wstring(r), 120, LegendRowTop(B, r));
    for (int r = 1; r <= 5; ++r) DrawTextCentredAt(dc, std::to_wstring(r + 6), 890, LegendRowTop(B, r));

    // Left column: label at 160, value and unit.
    DrawTextAt(dc, LoadString(kStrLens), 160, LegendRowTop(B, 1));
    DrawFittedText(dc, in.lens, 660, LegendRowTop(B, 1), ReportAlign::kCentre, kLeftValueCell);
    DrawTextAt(dc, LoadString(kStrCamera), 160, LegendRowTop(B, 2));
    DrawFittedText(dc, DetailSensorLabel(in), 610, LegendRowTop(B, 2), ReportAlign::kCentre, kLeftValueCell);
    auto lengthRow = [&](int r, int label, const std::wstring& value) {
        DrawTextAt(dc, LoadString(label), 160, LegendRowTop(B, r));
        DrawFittedText(dc, value, 610, LegendRowTop(B, r), ReportAlign::kRight, kLeftValueCell);
        DrawTextAt(dc, L"mm", 660, LegendRowTop(B, r));
    };
    lengthRow(3, kStrCloseUpRing, in.ring);
    DrawTextAt(dc, LoadString(kStrFocusPosition), 160, LegendRowTop(B, 4));
    if (diagonal) {
        lengthRow(5, kStrDiagonalFov, in.fovD);
    } else {
        lengthRow(5, kStrHorizontalFov, in.fovH);
        lengthRow(6, kStrVerticalFov, in.fovV);
    }

    // Right column: label at 930, value right-aligned at 1410, unit at 1510.
    struct Right {
        int label;
        const std::wstring& value;
        const wchar_t* unit;
    };
    const Right right[] = {{kStrMagnification, in.magnification, L"x"},
                           {kStrWD, in.wd, L"mm"},
                           {kStrOI, in.objectToImage, L"mm"},
                           {kStrEffectiveFno, in.effectiveFno, L""},
                           {kStrDOF, in.dof, L"mm"}};
    for (int r = 1; r <= 5; ++r) {
        const Right& e = right[r - 1];
        DrawTextAt(dc, LoadString(e.label), 930, LegendRowTop(B, r));
        DrawFittedText(dc, e.value, 1410, LegendRowTop(B, r), ReportAlign::kRight, kRightValueCell);
        if (*e.unit) DrawTextAt(dc, e.unit, 1510, LegendRowTop(B, r));
    }
    DrawTextAt(dc, L"Permissible Circle of Confusion : 0.04mm", 930, LegendRowTop(B, 6));
}

void DrawFocusScale(ReportDC& dc, const tagReportFonts& fonts, const tagCCTVReportInput& in, int B) {
    dc.SelectFont(fonts.f9);
    DrawTextAt(dc, L"N", 440, B - 220);
    DrawTextAt(dc, L"F", 820, B - 220);
    dc.SelectPen(kThinPen);
    dc.MoveTo(kScaleRight - kScaleLength, B - 235);
    dc.LineTo(kScaleRight, B - 235);

    dc.SelectFont(fonts.f8);
    dc.SetTextColour(quorrel::kReportRed);
    DrawFittedText(dc, in.warnings[0], 130, B - 370, ReportAlign::kLeft, kInsideFrame);
    DrawFittedText(dc, in.warnings[1], 130, B - 410, ReportAlign::kLeft, kInsideFrame);
    DrawFittedText(dc, in.warnings[2], 130, B - 450, ReportAlign::kLeft, kInsideFrame);
    dc.SetTextColour(quorrel::kReportBlack);

    const int p = FocusMarkerOffset(in.hasLens, in.maxDraw, in.drawoutDirection,
                                    quorrel::ParseLeadingNumber(in.focusDraw));
    // A positive height: the marker stands on B - 246, mirrored.
    dc.StretchPicture(kFocusMarkerPng, kScaleRight - p, B - 246, 22, 22);
}

void DrawLegendGrid(ReportDC& dc, int B) {
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    dc.Rectangle(kFrameLeft, B - 60, kFrameRight, B - kDetailHeight);
    auto grid = [&](const std::array<int, 4>& x, int rows) {
        for (int r = 1; r <= rows; ++r)
            for (size_t c = 0; c + 1 < x.size(); ++c)
                dc.Rectangle(x[c], B - 60 - 50 * (r - 1), x[c + 1], B - 110 - 50 * (r - 1));
    };
    grid(kLeftGrid, 6);
    grid(kRightGrid, 5);
}

void DrawPicture(ReportDC& dc, const tagReportFonts& fonts, const tagCCTVReportInput& in, bool diagonal, int B) {
    const int P = B - 560;
    dc.StretchPicture(kLensSetupPng, 260, P, 1510, -590);

    dc.SelectPen(kThinPen);
    auto line = [&](int x0, int y0, int x1, int y1) {
        dc.MoveTo(x0, y0);
        dc.LineTo(x1, y1);
    };
    line(160, P - 3, 260, P - 3);
    line(160, P - 338, 260, P - 338);
    line(210, P - 3, 210, P - 338);
    line(260, P - 430, 310, P - 430);

    dc.SelectBrush(ReportBrush::Black());
    dc.Polygon({{210, P - 3}, {200, P - 23}, {220, P - 23}});
    dc.Polygon({{210, P - 338}, {200, P - 318}, {220, P - 318}});
    dc.Polygon({{240, P - 430}, {260, P - 420}, {260, P - 440}});
    dc.Polygon({{330, P - 430}, {310, P - 420}, {310, P - 440}});

    // Each callout reaches right no further than the next one on its line
    // (the lines of "11" and "8" overlap) or the frame.
    struct Callout {
        std::wstring text;
        int x, y, right;
    };
    const Callout callouts[] = {
        {L"1:  " + in.lens, 960, P + 50, 1460},
        {L"2: " + DetailSensorLabel(in) + L" " + LoadString(kStrSizeOfSensor), 1460, P + 50, kFrameRight},
        {L"7:  " + in.magnification + L" x", 410, P + 50, 960},
        {L"3:  " + in.ring + L" mm", 1310, P - 350, kFrameRight},
        {LoadString(kStrFnoInfinity) + L": " + in.fno, 910, P - 350, 1310},
        {L"11:  " + in.dof, 210, P - 380, 410},
        {L"8:  " + in.wd + L" mm", 410, P - 400, kFrameRight},
        {L"9:  " + in.objectToImage + L" mm", 910, P - 520, kFrameRight},
    };
    dc.SelectFont(fonts.f9);
    for (const Callout& c : callouts) DrawFittedText(dc, c.text, c.x, c.y, ReportAlign::kLeft, {c.x, c.right});

    // Runs down beside the vertical dimension line, to the frame's bottom.
    dc.SelectFont(fonts.rotated);
    TextOutFitted(dc, 160, P - 250, diagonal ? L"5:  " + in.fovD + L" mm" : L"6:  " + in.fovV + L" mm",
                  B - kDetailHeight);
}

}  // namespace

tagCCTVLayout CCTVLayout(int rows, int pageHeightMm) {
    tagCCTVLayout layout;
    // The footer keeps its A4 place under the last page's top unless the
    // page is shorter than A4.
    const int footerLift = std::max(0, 2970 - 10 * pageHeightMm);
    if (rows <= kCCTVRowThreshold) {
        layout.table = TableLayout(rows, kHeaderTop, kHeaderHeight, 0);
        layout.detailTop = -720 - kRowHeight * rows;
        layout.footerOffset = footerLift;
        return layout;
    }
    layout.table = TableLayout(rows, kHeaderTop, kHeaderHeight, pageHeightMm);
    const std::vector<int>& rowTops = layout.table.rowTops;
    const int lastRowPage = PageOf(rowTops.back(), pageHeightMm);
    int B = PageTop(2, pageHeightMm) - 50;
    if (lastRowPage > 1) {
        B = rowTops.back() - kRowHeight - 50;
        // The block ends a row's height above the footer of its page, or
        // goes on to the next page.
        const int footerTop = PageTop(lastRowPage, pageHeightMm) + footerLift + kFooterTextTop;
        if (B - kDetailHeight - kRowHeight < footerTop) B = PageTop(lastRowPage + 1, pageHeightMm) - 50;
    }
    layout.detailTop = B;
    layout.pages = PageOf(B, pageHeightMm);
    layout.footerOffset = PageTop(layout.pages, pageHeightMm) + footerLift;
    return layout;
}

int FocusMarkerOffset(bool hasLens, double maxDraw, int drawoutDirection, double focusDraw) {
    if (!hasLens) return 0;
    // Units of scale per mm of draw, rounded as a whole number; none without
    // a draw range.
    const double perMm = maxDraw > 0.0 ? RoundWithin(kScaleLength / maxDraw, 1 << 30) : 0.0;
    const bool atStart = focusDraw < 1e-9;
    const int travelled = atStart ? 0 : RoundWithin(perMm * focusDraw, kScaleLength);
    return drawoutDirection == 0 ? travelled : kScaleLength - travelled;
}

bool IsDiagonalMode(const tagCCTVReportInput& in) {
    return in.sensorCombo.compare(0, 3, L"I/F") == 0 || in.conditions[kCondD];
}

void DrawCCTVReportPage(ReportDC& dc, const tagCCTVReportInput& in, int page, int pageHeightMm) {
    const int n = static_cast<int>(in.rows.size());
    const CReportFrame frame(dc, in.language, n, kCCTVRowThreshold, page, pageHeightMm, kBand);
    const tagReportFonts& fonts = frame.Fonts();
    const tagCCTVLayout layout = CCTVLayout(n, pageHeightMm);
    const bool diagonal = IsDiagonalMode(in);

    DrawConditions(dc, fonts, in, diagonal);
    if (n > 0) {
        DrawResultTable(dc, fonts, in, diagonal, layout.table);
    }
    const int B = layout.detailTop;
    DrawDetail(dc, fonts, in, diagonal, B);
    if (!lens_lists::HasMark(in.lens, lens_lists::kNoReportFocusScale)) DrawFocusScale(dc, fonts, in, B);
    DrawLegendGrid(dc, B);
    DrawPicture(dc, fonts, in, diagonal, B);

    const int off = layout.footerOffset;
    DrawFooter(dc, fonts, in.date, {80, off + kFooterTextTop, 60, 2020, off - 2820, 2000, off - 2830});
}

}  // namespace report
