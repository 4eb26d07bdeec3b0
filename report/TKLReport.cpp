#include "report/TKLReport.h"

#include <iterator>

#include "platform/Strings.h"
#include "report/ReportFrame.h"
#include "report/ReportPages.h"

namespace report {

using quorrel::LoadString;
using quorrel::ReportAlign;
using quorrel::ReportBrush;
using quorrel::ReportDC;

namespace {

// Title band of this report.
constexpr CReportFrame::tagTitleBand kBand{1910, 150};

// The result table's header band.
constexpr int kHeaderTop = -530;
constexpr int kHeaderHeight = 100;
constexpr int kTableLeft = 100;
constexpr int kTableRight = 1950;
// Texts from the pages keep inside the frame of the table and the
// specification block.
constexpr tagTextRoom kInsideFrame{kTableLeft, kTableRight};
// The left edge of the "Not Hold" swatch beside the holding figure.
constexpr int kSwatchLeft = 1500;

// Strings.
constexpr int kStrVerticalFov = 20019;
constexpr int kStrMagnification = 20021;
constexpr int kStrWD = 20023;
constexpr int kStrResultOfSelection = 20024;
constexpr int kStrHorizontalFov = 20034;
constexpr int kStrOI = 20035;
constexpr int kStrEffectiveFno = 20036;
constexpr int kStrProductName = 20041;
constexpr int kStrSensorSize = 20042;
constexpr int kStrModel = 20043;
constexpr int kStrSensor = 20044;
constexpr int kStrIllumination = 20045;
constexpr int kStrSpecificationsOf = 20046;
constexpr int kStrOpticalMagnification = 20047;
constexpr int kStrWDOD = 20050;
constexpr int kStrResolution = 20051;
constexpr int kStrDepthOfField = 20052;
constexpr int kStrNA = 20053;
constexpr int kStrDistortion = 20054;
constexpr int kStrImageFormat = 20055;
constexpr int kStrBarrelLength = 20056;
constexpr int kStrBracketMm = 20121;

// The search page's sensor; a diagonal typed by hand is not printed.
std::wstring SensorLabel(const tagTKLReportInput& in) {
    if (!in.sensorCombo.empty()) return in.sensorCombo;
    if (!in.manualH.empty() && !in.manualV.empty()) return SensorSizeLabel(in.manualH, in.manualV);
    return L"";
}

void DrawConditions(ReportDC& dc, const tagReportFonts& fonts, const tagTKLReportInput& in) {
    dc.SelectFont(fonts.f12);
    struct Row {
        int label;
        std::wstring value;
        int y;
    };
    const Row rows[] = {{kStrProductName, in.model, -200},
                        {kStrSensorSize, SensorLabel(in), -250},
                        {kStrHorizontalFov, in.fovH, -300},
                        {kStrVerticalFov, in.fovV, -350},
                        {kStrMagnification, in.magnification, -400}};
    for (const Row& r : rows) {
        DrawTextAt(dc, LoadString(r.label), 100, r.y);
        DrawFittedText(dc, r.value, 600, r.y, ReportAlign::kLeft, kInsideFrame);
    }
}

// The result table, its header band on every page it covers.
void DrawResultTable(ReportDC& dc, const tagReportFonts& fonts, const tagTKLReportInput& in,
                     const tagTableLayout& table) {
    const std::vector<int>& rowTops = table.rowTops;
    dc.SelectFont(fonts.f12);
    DrawTextAt(dc, LoadString(kStrResultOfSelection), 100, -480);

    const int n = static_cast<int>(in.rows.size());
    if (in.selectedRow >= 0 && in.selectedRow < n) {
        dc.SelectPen(kThickPen);
        dc.SelectBrush(ReportBrush::LightGrey());
        const int top = rowTops[in.selectedRow];
        dc.Rectangle(kTableLeft, top, kTableRight, top - kRowHeight);
    }

    constexpr int kEdges[] = {kTableLeft, 500, 640, 920, 1220, 1520, 1765, kTableRight};
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    auto cells = [&](int top, int bottom) {
        for (size_t c = 0; c + 1 < std::size(kEdges); ++c) dc.Rectangle(kEdges[c], top, kEdges[c + 1], bottom);
    };
    for (int top : table.headerTops) cells(top, top - kHeaderHeight);
    for (int k = 0; k < n; ++k) cells(rowTops[k], rowTops[k] - kRowHeight);

    // Header lines; the cells below use their own centres in the last two
    // columns.
    struct Column {
        int title;
        int unit;  // 0: none
        int headerCentre;
        int cellCentre;
    };
    constexpr Column kColumns[] = {{kStrModel, 0, 300, 300},
                                   {kStrSensor, 0, 570, 570},
                                   {kStrIllumination, 0, 780, 780},
                                   {kStrHorizontalFov, kStrBracketMm, 1070, 1070},
                                   {kStrVerticalFov, kStrBracketMm, 1370, 1370},
                                   {kStrMagnification, 0, 1642, 1650},
                                   {kStrWD, kStrBracketMm, 1857, 1850}};
    dc.SelectFont(fonts.f9);
    for (int top : table.headerTops)
        for (const Column& c : kColumns) {
            DrawTextCentredAt(dc, LoadString(c.title), c.headerCentre, top - 10);
            if (c.unit) DrawTextCentredAt(dc, LoadString(c.unit), c.headerCentre, top - 50);
        }
    for (int k = 0; k < n; ++k)
        for (size_t c = 0; c < std::size(kColumns); ++c)
            DrawFittedText(dc, in.rows[k][c], kColumns[c].cellCentre, rowTops[k] - 10, ReportAlign::kCentre,
                           {kEdges[c], kEdges[c + 1]});
}

void DrawSpecification(ReportDC& dc, const tagReportFonts& fonts, const tagTKLReportInput& in, int B) {
    dc.SelectFont(fonts.f12);
    const int headingRight = DrawTextAt(dc, HeadingText(kStrSpecificationsOf), 100, B).right;
    dc.SelectFont(fonts.f14);
    DrawFittedText(dc, in.model, 750, B + 5, ReportAlign::kCentre, {headingRight, kTableRight});

    dc.SelectFont(fonts.f9);
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    struct Half {
        int label;
        const wchar_t* unit;
        const std::wstring& value;
    };
    const Half rows[5][2] = {
        {{kStrIllumination, L"", in.illumination}, {kStrDepthOfField, L"[mm]", in.dof}},
        {{kStrOpticalMagnification, L"[x]", in.magnification}, {kStrNA, L"", in.na}},
        {{kStrOI, L"[mm]", in.oi}, {kStrEffectiveFno, L"", in.effectiveFno}},
        {{kStrWDOD, L"[mm]", in.wdOd}, {kStrDistortion, L"[%]", in.distortion}},
        {{kStrResolution, L"[um]", in.resolution}, {kStrImageFormat, L"[mm]", in.imageFormat}},
    };
    // Each half: label left, unit right-aligned and value centred in its
    // two cells.
    struct Place {
        int left, label, unit, middle, value, right;
    };
    constexpr Place kHalves[] = {{100, 150, 530, 550, 730, 900}, {900, 950, 1330, 1350, 1530, 1700}};
    for (int r = 1; r <= 5; ++r) {
        const int top = B - 60 - kRowHeight * (r - 1);
        const int textTop = B - 20 - kRowHeight * r;
        for (int h = 0; h < 2; ++h) {
            const Place& p = kHalves[h];
            const Half& e = rows[r - 1][h];
            dc.Rectangle(p.left, top, p.middle, top - kRowHeight);
            dc.Rectangle(p.middle, top, p.right, top - kRowHeight);
            DrawTextAt(dc, LoadString(e.label), p.label, textTop);
            if (*e.unit) DrawTextRightAt(dc, e.unit, p.unit, textTop);
            DrawFittedText(dc, e.value, p.value, textTop, ReportAlign::kCentre, {p.middle, p.right});
        }
    }
}

// The two figures, the swatch and the dimension values written on them.
void DrawFigures(ReportDC& dc, const tagReportFonts& fonts, const tagTKLReportInput& in, int Y0) {
    dc.StretchPicture(kBarrelFigurePng, 250, Y0, 1570, -580);
    dc.StretchPicture(kHoldFigurePng, 280, Y0 - 700, 1000, -580);
    dc.StretchPicture(kNotHoldSwatchPng, kSwatchLeft, Y0 - 1100, 100, -100);

    dc.SelectFont(fonts.f9);
    DrawTextAt(dc, L"Not Hold", 1630, Y0 - 1150);
    // Each label's room: labels sharing a line split it halfway between
    // their centres, "C" stops at the swatch, the rest reach the frame.
    struct Label {
        std::wstring text;
        int cx, top;
        tagTextRoom room;
    };
    auto mm = [](const std::wstring& name, const std::wstring& value) { return name + L":" + value + L"mm"; };
    const Label labels[] = {
        {mm(L"OD", in.figureOD), 510, Y0, {kTableLeft, 955}},
        {mm(L"Lens Back", in.figureLensBack), 1400, Y0, {955, kTableRight}},
        {mm(L"WD", in.figureWD), 510, Y0 - 370, {kTableLeft, 780}},
        {mm(LoadString(kStrBarrelLength), in.barrelLength), 1050, Y0 - 370, {780, kTableRight}},
        {mm(L"OI", in.oi), 950, Y0 - 500, kInsideFrame},
        {mm(L"B", in.holdB), 550, Y0 - 690, {kTableLeft, 775}},
        {mm(L"Hold Length", in.holdLength), 1000, Y0 - 720, {775, kTableRight}},
        {mm(L"A", in.holdA), 550, Y0 - 750, {kTableLeft, 775}},
        {mm(L"C", in.holdC), 700, Y0 - 1100, {kTableLeft, kSwatchLeft}},
        {mm(L"D", in.holdD), 700, Y0 - 1200, kInsideFrame},
    };
    for (const Label& l : labels) DrawFittedText(dc, l.text, l.cx, l.top, ReportAlign::kCentre, l.room);
}

}  // namespace

tagTKLLayout TKLLayout(int rows, int pageHeightMm) {
    tagTKLLayout layout;
    if (rows <= kTKLRowThreshold) {
        layout.table = TableLayout(rows, kHeaderTop, kHeaderHeight, 0);
        layout.specTop = -680 - kRowHeight * rows;
    } else {
        layout.table = TableLayout(rows, kHeaderTop, kHeaderHeight, pageHeightMm);
        const int nextPage = PageOf(layout.table.rowTops.back(), pageHeightMm) + 1;
        layout.specTop = PageTop(nextPage, pageHeightMm) - kPageMargin;
        layout.pages = PageOf(layout.specTop, pageHeightMm);
    }
    layout.figureTop = layout.specTop - 420;
    return layout;
}

void DrawTKLReportPage(ReportDC& dc, const tagTKLReportInput& in, int page, int pageHeightMm) {
    const int n = static_cast<int>(in.rows.size());
    const CReportFrame frame(dc, in.language, n, kTKLRowThreshold, page, pageHeightMm, kBand);
    const tagReportFonts& fonts = frame.Fonts();
    const tagTKLLayout layout = TKLLayout(n, pageHeightMm);
    const int B = layout.specTop;
    const int Y0 = layout.figureTop;

    DrawConditions(dc, fonts, in);
    if (n > 0) DrawResultTable(dc, fonts, in, layout.table);
    DrawSpecification(dc, fonts, in, B);
    DrawFigures(dc, fonts, in, Y0);

    // The frame around the specification block and the figures.
    dc.SelectPen(kThinPen);
    dc.SelectBrush(ReportBrush::Hollow());
    dc.Rectangle(kTableLeft, B - 60, kTableRight, Y0 - 1350);

    DrawFooter(dc, fonts, in.date, {130, Y0 - 1350, 110, 2020, Y0 - 1390, 1950, Y0 - 1400});
}

}  // namespace report
