// The drawing surface of the printed reports, free of any toolkit type.
//
// Coordinates are logical units of 0.1 mm: x grows to the right from the
// left edge of the page, y is 0 at the top of page 1 and grows upward, so
// everything on a page has a negative y (y = -240 lies 24 mm below the top).
// A report is one tall drawing; the viewport origin chooses which band of it
// lands on the page being printed.
//
// The printout implements it over the toolkit's device context (print and
// preview alike); tests use a recording implementation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorrel {

// A colour as 0xRRGGBB.
using ReportColour = std::uint32_t;
constexpr ReportColour kReportBlack = 0x000000;
constexpr ReportColour kReportWhite = 0xFFFFFF;
constexpr ReportColour kReportRed = 0xFF0000;
constexpr ReportColour kReportLightGrey = 0xC0C0C0;

struct ReportPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ReportPoint&) const = default;
};

struct ReportSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const ReportSize&) const = default;
};

// left < right; top > bottom (y grows upward).
struct ReportRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ReportRect&) const = default;
};

// A font as the report creates it.
struct ReportFont {
    std::wstring face;
    int height = 0;      // logical units; negative: the character (em) height
    int escapement = 0;  // text direction, tenths of a degree counterclockwise
    bool operator==(const ReportFont&) const = default;
};

// Pens are solid; a width of 0 draws the thinnest line the device has.
struct ReportPen {
    int width = 0;  // logical units
    ReportColour colour = kReportBlack;
    bool operator==(const ReportPen&) const = default;
};

// A solid brush of one colour, or the hollow brush that fills nothing.
struct ReportBrush {
    bool hollow = false;
    ReportColour colour = kReportBlack;
    bool operator==(const ReportBrush&) const = default;

    static ReportBrush Solid(ReportColour c) { return {false, c}; }
    static ReportBrush Hollow() { return {true, kReportBlack}; }
    static ReportBrush LightGrey() { return Solid(kReportLightGrey); }
    static ReportBrush Black() { return Solid(kReportBlack); }
};

enum class ReportBkMode { kOpaque, kTransparent };
enum class ReportAlign { kLeft, kRight, kCentre };

class ReportDC {
public:
    virtual ~ReportDC() = default;

    // The attribute side (the printer): the device point of a logical point.
    // The report never moves the attribute side's viewport origin.
    virtual ReportPoint LPtoDP(ReportPoint logical) const = 0;
    // Places logical (0, 0) at `origin`, in the attribute side's device
    // units (the preview scales them to its own).
    virtual void SetViewportOrg(ReportPoint origin) = 0;
    virtual ReportPoint GetViewportOrg() const = 0;

    virtual void SetTextColour(ReportColour colour) = 0;
    virtual ReportColour GetTextColour() const = 0;
    virtual void SetBkMode(ReportBkMode mode) = 0;
    virtual ReportBkMode GetBkMode() const = 0;

    // The drawing objects in use.
    virtual void SelectFont(const ReportFont& font) = 0;
    virtual ReportFont GetFont() const = 0;
    virtual void SelectPen(const ReportPen& pen) = 0;
    virtual ReportPen GetPen() const = 0;
    virtual void SelectBrush(const ReportBrush& brush) = 0;
    virtual ReportBrush GetBrush() const = 0;

    // The size of a one-line text in the current font.
    virtual ReportSize MeasureText(const std::wstring& text) = 0;
    // Draws a one-line text into `rect`, placed by `align`.
    virtual void DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) = 0;
    // Draws a text with its reference point (the top-left corner before the
    // font's escapement turns it) at (x, y).
    virtual void TextOut(int x, int y, const std::wstring& text) = 0;

    // Lines with the current pen.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Polygon(const std::vector<ReportPoint>& points) = 0;
    // Fills without outline; width and height are signed logical extents.
    virtual void FillSolidRect(int x, int y, int width, int height, ReportColour colour) = 0;
    // Stretches picture `pngId` over the rectangle from (x, y) spanning
    // width and height (signed logical extents): a negative height hangs the
    // picture down from y; a positive one stands it up from y, so it comes
    // out mirrored top to bottom.
    virtual void StretchPicture(int pngId, int x, int y, int width, int height) = 0;
};

}  // namespace quorrel
