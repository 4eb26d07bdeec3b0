#include "platform/wx/ReportDCWx.h"

#include <algorithm>
#include <cmath>

#include <pango/pangocairo.h>
#include <wx/dc.h>
#include <wx/dcgraph.h>
#include <wx/dcprint.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/prntbase.h>

#include "platform/Text.h"
#include "platform/wx/PngResource.h"

namespace quorrel {

namespace {

constexpr double kUnitsPerInch = 254.0;

wxColour Colour(ReportColour c) { return wxColour((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// The rectangle between two corners, whichever way round they lie.
wxRect Between(wxPoint a, wxPoint b) {
    return wxRect(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y));
}

wxRealPoint PrinterPerUnit(const wxPrintout& printout) {
    int ppiX = 0, ppiY = 0;
    printout.GetPPIPrinter(&ppiX, &ppiY);
    return {ppiX / kUnitsPerInch, ppiY / kUnitsPerInch};
}

// How much a page `page` units large is scaled down to fit the printout's
// paper (1 where it fits), and the printer pixels it then lies in from the
// paper's corner, centred. The paper's size is rounded to whole pixels, so
// a side within a pixel of the page's holds it: A4 holds the A4 page.
struct tagPaperFit {
    double scale = 1.0;
    wxRealPoint offset;
};
tagPaperFit FitOnPaper(const wxPrintout& printout, ReportSize page) {
    const wxRealPoint perUnit = PrinterPerUnit(printout);
    int paperW = 0, paperH = 0;
    printout.GetPageSizePixels(&paperW, &paperH);
    const double pageW = page.cx * perUnit.x;
    const double pageH = page.cy * perUnit.y;
    tagPaperFit fit;
    if (paperW <= 0 || paperH <= 0 || pageW <= 0.0 || pageH <= 0.0) return fit;
    auto fitting = [](double paper, double side) { return paper + 1.0 >= side ? 1.0 : paper / side; };
    fit.scale = std::min(fitting(paperW, pageW), fitting(paperH, pageH));
    if (fit.scale < 1.0) fit.offset = {(paperW - pageW * fit.scale) / 2.0, (paperH - pageH * fit.scale) / 2.0};
    return fit;
}

// The preview draws the printer's page into a bitmap of its own size.
wxRealPoint OutputPerPrinter(const wxPrintout& printout) {
    int pageW = 0, pageH = 0, dcW = 0, dcH = 0;
    printout.GetPageSizePixels(&pageW, &pageH);
    printout.GetDC()->GetSize(&dcW, &dcH);
    if (pageW <= 0 || pageH <= 0) return {1.0, 1.0};
    return {static_cast<double>(dcW) / pageW, static_cast<double>(dcH) / pageH};
}

template <typename T, void (*Free)(T*)>
struct tagFree {
    void operator()(T* p) const { Free(p); }
};
void Unref(void* object) { g_object_unref(object); }
using FontDescription = std::unique_ptr<PangoFontDescription, tagFree<PangoFontDescription, pango_font_description_free>>;

}  // namespace

// Texts are laid out by pango on the context's cairo surface. The
// toolkit's own text rounds every glyph's advance to whole pixels of the
// output (points of a PDF page), so a text drawn smaller was not the text
// drawn at full size made smaller: it ran longer or shorter, and a text
// that fitted on A4 was shrunk on Letter. Laid out without rounded
// positions or hinted metrics, a text scales exactly with the page.
struct CWxReportDC::tagText {
    cairo_t* cr = nullptr;
    std::unique_ptr<PangoContext, tagFree<void, Unref>> context;
    std::unique_ptr<PangoLayout, tagFree<void, Unref>> layout;
    std::map<std::pair<std::wstring, int>, FontDescription> fonts;  // by face and height

    explicit tagText(cairo_t* c) : cr(c) {
        context.reset(pango_cairo_create_context(cr));
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context.get(), options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context.get(), FALSE);
        layout.reset(pango_layout_new(context.get()));
    }
};

CWxReportDC::CWxReportDC(wxDC& dc, wxRealPoint printerPerUnit, wxRealPoint outputPerPrinter)
    : m_dc(&dc), m_printerPerUnit(printerPerUnit) {
    // A printer's own context lays text out at another resolution than the
    // preview's; its graphics context draws exactly as the preview does.
    if (!dc.GetGraphicsContext()) {
        if (auto* printer = dynamic_cast<wxPrinterDC*>(&dc)) {
            m_gcdc = std::make_unique<wxGCDC>(*printer);
            m_dc = m_gcdc.get();
        }
    }
    // Every context of the toolkit on GTK 3 draws through cairo; without
    // one no text is drawn.
    wxGraphicsContext* gc = m_dc->GetGraphicsContext();
    if (auto* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr) m_text = std::make_unique<tagText>(cr);
    m_dc->GetUserScale(&m_savedScale.x, &m_savedScale.y);
    m_savedOrigin = m_dc->GetDeviceOrigin();
    Place(outputPerPrinter, {0, 0});
}

CWxReportDC::CWxReportDC(wxPrintout& printout, ReportSize page)
    : CWxReportDC(*printout.GetDC(), PrinterPerUnit(printout), OutputPerPrinter(printout)) {
    const tagPaperFit fit = FitOnPaper(printout, page);
    const wxRealPoint output = OutputPerPrinter(printout);
    Place({output.x * fit.scale, output.y * fit.scale}, {static_cast<int>(std::lround(fit.offset.x * output.x)),
                                                         static_cast<int>(std::lround(fit.offset.y * output.y))});
    // Paper larger than the page would show the next page's band under it.
    m_dc->SetClippingRegion(Between(Device(0, 0), Device(page.cx, -page.cy)));
    m_clipped = true;
}

CWxReportDC::~CWxReportDC() {
    if (m_clipped) m_dc->DestroyClippingRegion();
    m_dc->SetUserScale(m_savedScale.x, m_savedScale.y);
    m_dc->SetDeviceOrigin(m_savedOrigin.x, m_savedOrigin.y);
}

void CWxReportDC::Place(wxRealPoint scale, wxPoint offset) {
    m_dc->SetUserScale(m_savedScale.x * scale.x, m_savedScale.y * scale.y);
    m_dc->SetDeviceOrigin(m_savedOrigin.x + offset.x, m_savedOrigin.y + offset.y);
}

wxString CWxReportDC::DrawnFace(const std::wstring& face) {
    if (face == L"Microsoft Yahei") return "WenQuanYi Micro Hei";
    return wxString(face);
}

ReportPoint CWxReportDC::LPtoDP(ReportPoint logical) const {
    return {static_cast<int>(std::lround(logical.x * m_printerPerUnit.x)),
            static_cast<int>(std::lround(-logical.y * m_printerPerUnit.y))};
}

wxPoint CWxReportDC::Device(int x, int y) const {
    const double px = m_origin.x + x * m_printerPerUnit.x;
    const double py = m_origin.y - y * m_printerPerUnit.y;
    return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
}

int CWxReportDC::DeviceLength(int length) const { return static_cast<int>(std::lround(length * m_printerPerUnit.x)); }

void CWxReportDC::SelectFont(const ReportFont& font) {
    m_font = font;
    if (!m_text || font.face.empty()) return;
    auto& description = m_text->fonts[std::make_pair(font.face, font.height)];
    if (description) return;
    // The character height (without the leading above it) in page pixels.
    const double em = std::abs(font.height) * m_printerPerUnit.y;
    description.reset(pango_font_description_new());
    pango_font_description_set_family(description.get(), DrawnFace(font.face).utf8_str());
    pango_font_description_set_absolute_size(description.get(), std::max(em, 0.1) * PANGO_SCALE);
}

wxRealPoint CWxReportDC::LayOut(const std::wstring& text) {
    if (!m_text) return {};
    PangoLayout* layout = m_text->layout.get();
    const auto it = m_text->fonts.find(std::make_pair(m_font.face, m_font.height));
    pango_layout_set_font_description(layout, it != m_text->fonts.end() ? it->second.get() : nullptr);
    const std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    pango_cairo_update_layout(m_text->cr, layout);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return {static_cast<double>(logical.width) / PANGO_SCALE, static_cast<double>(logical.height) / PANGO_SCALE};
}

ReportSize CWxReportDC::MeasureText(const std::wstring& text) {
    wxRealPoint size = LayOut(text);
    if (text.empty()) size.y = LayOut(L"H").y;  // an empty line keeps its height
    return {static_cast<int>(std::lround(size.x / m_printerPerUnit.x)),
            static_cast<int>(std::lround(size.y / m_printerPerUnit.y))};
}

void CWxReportDC::DrawAt(const std::wstring& text, double x, double y) {
    if (text.empty() || !m_text) return;
    cairo_t* cr = m_text->cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    // Counterclockwise on the page is against cairo's turn, whose y grows down.
    if (m_font.escapement != 0) cairo_rotate(cr, -m_font.escapement / 10.0 * M_PI / 180.0);
    const wxRealPoint size = LayOut(text);
    if (m_bkMode == ReportBkMode::kOpaque) {
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_rectangle(cr, 0, 0, size.x, size.y);
        cairo_fill(cr);
    }
    const wxColour colour = Colour(m_textColour);
    cairo_set_source_rgb(cr, colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0);
    cairo_move_to(cr, 0, 0);
    pango_cairo_show_layout(cr, m_text->layout.get());
    cairo_restore(cr);
}

void CWxReportDC::DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) {
    if (text.empty()) return;
    const wxPoint topLeft = Device(rect.left, rect.top);
    const wxPoint topRight = Device(rect.right, rect.top);
    const double width = LayOut(text).x;
    double x = topLeft.x;
    if (align == ReportAlign::kRight) x = topRight.x - width;
    if (align == ReportAlign::kCentre) x = (topLeft.x + topRight.x - width) / 2.0;
    DrawAt(text, x, topLeft.y);
}

void CWxReportDC::TextOut(int x, int y, const std::wstring& text) {
    const wxPoint at = Device(x, y);
    DrawAt(text, at.x, at.y);
}

void CWxReportDC::ApplyPen() {
    m_dc->SetPen(wxPen(Colour(m_pen.colour), std::max(1, DeviceLength(m_pen.width)), wxPENSTYLE_SOLID));
}

void CWxReportDC::ApplyBrush() {
    m_dc->SetBrush(m_brush.hollow ? *wxTRANSPARENT_BRUSH : wxBrush(Colour(m_brush.colour)));
}

void CWxReportDC::LineTo(int x, int y) {
    ApplyPen();
    m_dc->DrawLine(Device(m_position.x, m_position.y), Device(x, y));
    m_position = {x, y};
}

void CWxReportDC::Rectangle(int left, int top, int right, int bottom) {
    ApplyPen();
    ApplyBrush();
    m_dc->DrawRectangle(Between(Device(left, top), Device(right, bottom)));
}

void CWxReportDC::Polygon(const std::vector<ReportPoint>& points) {
    ApplyPen();
    ApplyBrush();
    std::vector<wxPoint> device;
    for (const ReportPoint& p : points) device.push_back(Device(p.x, p.y));
    m_dc->DrawPolygon(static_cast<int>(device.size()), device.data());
}

void CWxReportDC::FillSolidRect(int x, int y, int width, int height, ReportColour colour) {
    m_dc->SetPen(*wxTRANSPARENT_PEN);
    m_dc->SetBrush(wxBrush(Colour(colour)));
    m_dc->DrawRectangle(Between(Device(x, y), Device(x + width, y + height)));
}

void CWxReportDC::StretchPicture(int pngId, int x, int y, int width, int height) {
    auto it = m_pictures.find(pngId);
    if (it == m_pictures.end()) it = m_pictures.emplace(pngId, LoadPngResource(pngId)).first;
    if (!it->second.IsOk()) return;

    const wxPoint from = Device(x, y);
    const wxPoint to = Device(x + width, y + height);
    const wxRect target = Between(from, to);
    if (target.width <= 1 || target.height <= 1) return;
    // Spanning the target in the other direction than the page mirrors it.
    const bool flipX = to.x < from.x;
    const bool flipY = to.y < from.y;
    wxBitmap bitmap = it->second;
    if (flipX || flipY) {
        wxImage image = bitmap.ConvertToImage();
        if (flipX) image = image.Mirror(true);
        if (flipY) image = image.Mirror(false);
        bitmap = wxBitmap(image);
    }

    if (wxGraphicsContext* gc = m_dc->GetGraphicsContext()) {
        const wxInterpolationQuality quality = gc->GetInterpolationQuality();
        gc->SetInterpolationQuality(wxINTERPOLATION_BEST);
        gc->DrawBitmap(bitmap, target.x, target.y, target.width, target.height);
        gc->SetInterpolationQuality(quality);
    } else {
        const wxImage image = bitmap.ConvertToImage().Scale(target.width, target.height, wxIMAGE_QUALITY_HIGH);
        m_dc->DrawBitmap(wxBitmap(image), target.GetTopLeft(), true);
    }
}

}  // namespace quorrel
