// The report drawing surface over a toolkit device context: the printer's
// during printing, the preview's page bitmap during print preview, or any
// other context (a PDF surface in the tests).
//
// The report is drawn in the pixels of an A4 page at the printer's
// resolution: one 0.1 mm unit is `printerPerUnit` printer pixels (the
// resolution / 254), and every coordinate, pen width and font size is
// converted here. Texts are measured there too, so what fits is decided
// once for every output. The context's own scale then takes the page to
// its output: `outputPerPrinter` pixels of the context a printer pixel (1
// when printing; the preview draws the printer's page into a smaller
// bitmap), times the scale that fits the page to smaller paper. Fonts are
// sized by their character height; "Microsoft Yahei" is drawn with
// WenQuanYi Micro Hei, since the font configuration does not stand it in by
// itself.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include "platform/ReportDC.h"

class wxDC;
class wxGCDC;
class wxPrintout;

namespace quorrel {

class CWxReportDC : public ReportDC {
public:
    CWxReportDC(wxDC& dc, wxRealPoint printerPerUnit, wxRealPoint outputPerPrinter);
    // For the page a printout is printing or previewing, from its printer
    // resolution, its paper size in printer pixels and the size of its DC:
    // a page `page` units large (0.1 mm each) is drawn as it is where the
    // paper holds it (within the rounding of the paper's size to whole
    // pixels), from the paper's top-left corner; on paper narrower or
    // shorter it is scaled down uniformly to the largest size the paper
    // holds and centred on it. Nothing is drawn outside the page.
    CWxReportDC(wxPrintout& printout, ReportSize page);
    ~CWxReportDC() override;

    // The face drawn for a report font's face.
    static wxString DrawnFace(const std::wstring& face);

    ReportPoint LPtoDP(ReportPoint logical) const override;
    void SetViewportOrg(ReportPoint origin) override { m_origin = origin; }
    ReportPoint GetViewportOrg() const override { return m_origin; }

    void SetTextColour(ReportColour colour) override { m_textColour = colour; }
    ReportColour GetTextColour() const override { return m_textColour; }
    void SetBkMode(ReportBkMode mode) override { m_bkMode = mode; }
    ReportBkMode GetBkMode() const override { return m_bkMode; }

    void SelectFont(const ReportFont& font) override;
    ReportFont GetFont() const override { return m_font; }
    void SelectPen(const ReportPen& pen) override { m_pen = pen; }
    ReportPen GetPen() const override { return m_pen; }
    void SelectBrush(const ReportBrush& brush) override { m_brush = brush; }
    ReportBrush GetBrush() const override { return m_brush; }

    ReportSize MeasureText(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) override;
    void TextOut(int x, int y, const std::wstring& text) override;

    void MoveTo(int x, int y) override { m_position = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Polygon(const std::vector<ReportPoint>& points) override;
    void FillSolidRect(int x, int y, int width, int height, ReportColour colour) override;
    void StretchPicture(int pngId, int x, int y, int width, int height) override;

private:
    struct tagText;  // the text layout

    // Page pixels of a logical point and of a logical length.
    wxPoint Device(int x, int y) const;
    int DeviceLength(int length) const;
    // Scales the page by `scale` and moves it `offset` pixels of the context
    // from where the context had it.
    void Place(wxRealPoint scale, wxPoint offset);
    void ApplyPen();
    void ApplyBrush();
    // Lays the text out in the current font; its size in page pixels.
    wxRealPoint LayOut(const std::wstring& text);
    // Draws the text with its reference point at page point (x, y), turned
    // by the font's escapement.
    void DrawAt(const std::wstring& text, double x, double y);

    wxDC* m_dc;                      // what is drawn on
    std::unique_ptr<wxGCDC> m_gcdc;  // a printer's context, drawn through its graphics context
    std::unique_ptr<tagText> m_text;
    wxRealPoint m_printerPerUnit;
    wxRealPoint m_savedScale{1.0, 1.0};  // the context's own scale and origin, given back at the end
    wxPoint m_savedOrigin;
    bool m_clipped = false;  // to the page

    ReportPoint m_origin;
    ReportColour m_textColour = kReportBlack;
    ReportBkMode m_bkMode = ReportBkMode::kOpaque;
    ReportFont m_font;
    ReportPen m_pen;
    ReportBrush m_brush = ReportBrush::Solid(kReportWhite);
    ReportPoint m_position;

    std::map<int, wxBitmap> m_pictures;  // by picture id
};

}  // namespace quorrel
