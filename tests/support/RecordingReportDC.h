// A report drawing surface that draws nothing and keeps every drawing call
// with its coordinates, text and the font, pen, brush and colours in use, so
// that tests can ask where a report put what.
//
// Text is measured with a fixed rule: each character is half the font's
// character height wide, and a line is that height plus an eighth high
// (a 9-pt font of height -32 measures 16 units a character, 36 a line). The
// device units of LPtoDP are those of a 600 dpi printer.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/ReportDC.h"

namespace quorrel {

// Readable test failures.
inline void PrintTo(const ReportPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const ReportRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace quorrel

namespace quorrel::test {

struct tagReportCall {
    enum Kind { kText, kTextOut, kLine, kRectangle, kPolygon, kFill, kPicture };
    Kind kind = kText;
    std::wstring text;              // kText, kTextOut
    ReportRect rect;                // kText: its rectangle; kRectangle, kFill: corners; kPicture: x, y,
                                    // x + width, y + height
    ReportAlign align = ReportAlign::kLeft;
    std::vector<ReportPoint> points;  // kLine: from, to; kPolygon: corners
    int pictureId = 0;
    ReportFont font;
    ReportPen pen;
    ReportBrush brush;
    ReportColour textColour = kReportBlack;  // kText, kTextOut; kFill: its colour
    ReportBkMode bkMode = ReportBkMode::kOpaque;
};

class CRecordingReportDC : public ReportDC {
public:
    static constexpr double kDevicePerUnit = 600.0 / 254.0;

    std::vector<tagReportCall> calls;

    // The first text call (DrawText or TextOut) showing exactly `text`.
    const tagReportCall* FindText(const std::wstring& text) const&;
    // The call points into the recording, so a temporary one cannot answer.
    const tagReportCall* FindText(const std::wstring& text) const&& = delete;
    // The top of that text's rectangle; INT_MIN without such a text.
    int TextTop(const std::wstring& text) const;
    // The tops of every text showing exactly `text`, in drawing order.
    std::vector<int> TextTops(const std::wstring& text) const;
    // The calls that reach across the edge between two pages of paper
    // `pageHeightMm` high: the printed pages cut them there.
    std::vector<tagReportCall> AcrossPageEdges(int pageHeightMm) const;
    // Every text drawn, in drawing order.
    std::vector<std::wstring> Texts() const;
    // The calls of one kind, in drawing order.
    std::vector<tagReportCall> Calls(tagReportCall::Kind kind) const;
    // The rectangles drawn with the light grey brush (highlighted rows).
    std::vector<tagReportCall> GreyBoxes() const;

    ReportPoint LPtoDP(ReportPoint logical) const override;
    void SetViewportOrg(ReportPoint origin) override { m_viewport = origin; }
    ReportPoint GetViewportOrg() const override { return m_viewport; }
    void SetTextColour(ReportColour colour) override { m_textColour = colour; }
    ReportColour GetTextColour() const override { return m_textColour; }
    void SetBkMode(ReportBkMode mode) override { m_bkMode = mode; }
    ReportBkMode GetBkMode() const override { return m_bkMode; }
    void SelectFont(const ReportFont& font) override { m_font = font; }
    ReportFont GetFont() const override { return m_font; }
    void SelectPen(const ReportPen& pen) override { m_pen = pen; }
    ReportPen GetPen() const override { return m_pen; }
    void SelectBrush(const ReportBrush& brush) override { m_brush = brush; }
    ReportBrush GetBrush() const override { return m_brush; }

    ReportSize MeasureText(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) override {
        Add(tagReportCall::kText, text, rect).align = align;
    }
    void TextOut(int x, int y, const std::wstring& text) override { Add(tagReportCall::kTextOut, text, {}, {{x, y}}); }
    void MoveTo(int x, int y) override { m_position = {x, y}; }
    void LineTo(int x, int y) override {
        Add(tagReportCall::kLine, {}, {}, {m_position, {x, y}});
        m_position = {x, y};
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        Add(tagReportCall::kRectangle, {}, {left, top, right, bottom});
    }
    void Polygon(const std::vector<ReportPoint>& points) override { Add(tagReportCall::kPolygon, {}, {}, points); }
    void FillSolidRect(int x, int y, int width, int height, ReportColour colour) override {
        Add(tagReportCall::kFill, {}, {x, y, x + width, y + height}).textColour = colour;
    }
    void StretchPicture(int pngId, int x, int y, int width, int height) override {
        Add(tagReportCall::kPicture, {}, {x, y, x + width, y + height}).pictureId = pngId;
    }

private:
    // A call with the drawing objects and colours in use.
    tagReportCall& Add(tagReportCall::Kind kind, const std::wstring& text, const ReportRect& rect,
                       const std::vector<ReportPoint>& points = {}) {
        return calls.emplace_back(tagReportCall{kind, text, rect, ReportAlign::kLeft, points, 0, m_font, m_pen,
                                                m_brush, m_textColour, m_bkMode});
    }

    ReportPoint m_viewport;
    ReportColour m_textColour = kReportBlack;
    ReportBkMode m_bkMode = ReportBkMode::kOpaque;
    ReportFont m_font{L"System", -30, 0};
    ReportPen m_pen;
    ReportBrush m_brush = ReportBrush::Solid(kReportWhite);
    ReportPoint m_position;
};

}  // namespace quorrel::test
