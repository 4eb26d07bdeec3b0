// What both printed reports share: the fonts, pens and text placements, the
// title band, the footer with its date, and the frame of one report call
// (continuation over several pages, drawing objects, restoring the DC).
//
// Each report call draws the whole report as one tall drawing in 0.1 mm
// units (see platform/ReportDC.h); the page being printed only moves the
// viewport origin.
#pragma once

#include <string>

#include "platform/ReportDC.h"

namespace report {

// The report's product title and the string holding the language code.
inline constexpr wchar_t kProductTitle[] = L"Quorrel";
inline constexpr int kLanguageString = 25000;
// "*All values are design value (Reference). "
inline constexpr int kFooterString = 20040;

// The face of every report font: the CJK face for the language "CN"
// (compared exactly), Arial otherwise.
inline constexpr wchar_t kLatinFace[] = L"Arial";
inline constexpr wchar_t kChineseFace[] = L"Microsoft Yahei";
inline constexpr wchar_t kChineseLanguage[] = L"CN";
// Escapement of the rotated font: the text runs downward.
inline constexpr int kDownwardEscapement = 2700;

// The negative character height of a font of `points` in 0.1 mm: points *
// 254 / 72, rounded to the nearest unit (half away from zero).
int FontHeight(int points);

// The fonts of one report call.
struct tagReportFonts {
    quorrel::ReportFont f8;       // warnings
    quorrel::ReportFont f9;       // body text, tables, callouts, footer
    quorrel::ReportFont f12;      // headings and conditions
    quorrel::ReportFont f14;      // telecentric model name
    quorrel::ReportFont f18;      // title
    quorrel::ReportFont rotated;  // vertical callout, runs downward
};

// Arial at 8, 9, 12, 14 and 18 pt (rotated 9 pt); for "CN" the CJK face at
// 7, 8, 10, 12 and 16 pt (rotated 8 pt).
tagReportFonts MakeReportFonts(const std::wstring& language);

// Grids, boxes, rules and dimension lines; outline of the highlighted row and
// the condition ticks.
inline const quorrel::ReportPen kThinPen{1, quorrel::kReportBlack};
inline const quorrel::ReportPen kThickPen{7, quorrel::kReportBlack};

// The font size of a character height made by FontHeight.
int FontPoints(int height);

// Text with the top-left corner of its measured rectangle at (x, y).
// Each placement returns the rectangle it drew into.
quorrel::ReportRect DrawTextAt(quorrel::ReportDC& dc, const std::wstring& text, int x, int y);
// Text with the top-right corner at (x, y): it ends at x whatever its length.
quorrel::ReportRect DrawTextRightAt(quorrel::ReportDC& dc, const std::wstring& text, int x, int y);
// Table cell text centred on column centre cx, its top at y; the left edge is
// cx minus half the width, the halving truncated toward zero.
quorrel::ReportRect DrawTextCentredAt(quorrel::ReportDC& dc, const std::wstring& text, int cx, int y);

// Texts that come from the catalogue or the pages (names, values, cells,
// callouts) are fitted into the room the layout leaves them: a text that
// would reach into its neighbour, past a cell edge or out of the frame is
// drawn a point smaller at a time down to kMinTextPoints, and at that size
// cut short with kCutMark until it fits. It keeps its anchor: a right-aligned
// text still ends at its x, a centred one stays centred, and its top stays.
// A text that fits is drawn exactly as the plain placement draws it.
inline constexpr int kMinTextPoints = 6;
inline constexpr wchar_t kCutMark[] = L"...";
// A fitted text keeps this far inside its room, as the layout's own labels
// sit 1 mm inside their cells.
inline constexpr int kTextInset = 10;

// What a text may not cross on its line (x). Only the sides a text grows
// toward count: the right one for left-aligned text, the left one for
// right-aligned text, both for centred text.
struct tagTextRoom {
    int left = 0;
    int right = 0;
};

// DrawTextAt, DrawTextRightAt or DrawTextCentredAt (by `align`) fitted into
// `room`; the DC's font is the same afterwards. Returns the rectangle drawn
// into (of no width when not even the cut mark fits).
quorrel::ReportRect DrawFittedText(quorrel::ReportDC& dc, const std::wstring& text, int x, int y,
                                   quorrel::ReportAlign align, const tagTextRoom& room);
// TextOut of a text in the downward-running font, from (x, y) down to no
// lower than `bottom`.
void TextOutFitted(quorrel::ReportDC& dc, int x, int y, const std::wstring& text, int bottom);

// A section heading: "■" followed by string `stringId`.
std::wstring HeadingText(int stringId);

// A sensor typed in by hand: "%sx%smm" of its width and height.
std::wstring SensorSizeLabel(const std::wstring& h, const std::wstring& v);

// Today's local date as "%Y/%m/%d".
std::wstring ReportDate();

// Where a report puts its footer: the footer text (left), the rule and the
// date (right-aligned).
struct tagFooterLayout {
    int textX = 0;
    int textY = 0;
    int ruleLeft = 0;
    int ruleRight = 0;
    int ruleY = 0;
    int dateRight = 0;
    int dateTop = 0;
};
// The footer in F9 with a thin rule.
void DrawFooter(quorrel::ReportDC& dc, const tagReportFonts& fonts, const std::wstring& date,
                const tagFooterLayout& layout);

// The frame of one report call. The constructor continues a long report over
// several pages (when `rows` is above `threshold`, page `page` shows the
// band from y = -10 * h * (page - 1) down), makes the fonts, notes the DC's
// font, pen, brush and background mode, sets a transparent background and
// draws the black title band with "Quorrel" in white. The destructor selects
// the noted objects and background mode back; the viewport origin stays.
class CReportFrame {
public:
    struct tagTitleBand {
        int width = 0;   // from x 60
        int titleX = 0;  // left edge of the title text
    };

    CReportFrame(quorrel::ReportDC& dc, const std::wstring& language, int rows, int threshold, int page,
                 int pageHeightMm, const tagTitleBand& band);
    ~CReportFrame();
    CReportFrame(const CReportFrame&) = delete;
    CReportFrame& operator=(const CReportFrame&) = delete;

    const tagReportFonts& Fonts() const { return m_fonts; }
    // -10 * h for a report continued over pages, else 0.
    int TopOfPage2() const { return m_nTopOfPage2; }

private:
    quorrel::ReportDC& m_dc;
    tagReportFonts m_fonts;
    int m_nTopOfPage2 = 0;
    quorrel::ReportFont m_oldFont;
    quorrel::ReportPen m_oldPen;
    quorrel::ReportBrush m_oldBrush;
    quorrel::ReportBkMode m_oldBkMode;
};

}  // namespace report
