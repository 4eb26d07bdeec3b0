#include "platform/wx/ReportDCWx.h"

#include <algorithm>
#include <cmath>

#include <wx/dc.h>
#include <wx/dcgraph.h>
#include <wx/dcprint.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/prntbase.h>

#include "platform/wx/PngResource.h"

namespace quorrel {

namespace {

// The toolkit's cairo contexts lay text out at 96 dots per inch of their
// own units: a font of p points is p * 96 / 72 pixels high.
constexpr double kFontDpi = 96.0;
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
// paper's corner, centred.
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
    fit.scale = std::min({1.0, paperW / pageW, paperH / pageH});
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

}  // namespace

CWxReportDC::CWxReportDC(wxDC& dc, wxRealPoint printerPerUnit, wxRealPoint outputPerPrinter)
    : m_dc(&dc), m_printerPerUnit(printerPerUnit), m_outputPerPrinter(outputPerPrinter) {
    // A printer's own context lays text out at another resolution than the
    // preview's; its graphics context draws exactly as the preview does.
    if (!dc.GetGraphicsContext()) {
        if (auto* printer = dynamic_cast<wxPrinterDC*>(&dc)) {
            m_gcdc = std::make_unique<wxGCDC>(*printer);
            m_dc = m_gcdc.get();
        }
    }
}

CWxReportDC::CWxReportDC(wxPrintout& printout, ReportSize page)
    : CWxReportDC(*printout.GetDC(), PrinterPerUnit(printout), OutputPerPrinter(printout)) {
    const tagPaperFit fit = FitOnPaper(printout, page);
    m_printerPerUnit = {m_printerPerUnit.x * fit.scale, m_printerPerUnit.y * fit.scale};
    m_paperOffset = fit.offset;
    // Paper larger than the page would show the next page's band under it.
    const wxPoint corner = Device(0, 0);
    m_dc->SetClippingRegion(Between(corner, Device(page.cx, -page.cy)));
    m_clipped = true;
}

CWxReportDC::~CWxReportDC() {
    if (m_clipped) m_dc->DestroyClippingRegion();
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
    const double px = (m_paperOffset.x + m_origin.x + x * m_printerPerUnit.x) * m_outputPerPrinter.x;
    const double py = (m_paperOffset.y + m_origin.y - y * m_printerPerUnit.y) * m_outputPerPrinter.y;
    return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
}

int CWxReportDC::DeviceLength(int length) const {
    return static_cast<int>(std::lround(length * m_printerPerUnit.x * m_outputPerPrinter.x));
}

void CWxReportDC::SelectFont(const ReportFont& font) {
    m_font = font;
    const auto key = std::make_pair(font.face, font.height);
    if (font.face.empty() || m_fonts.count(key)) return;
    // The character height (without the leading above it) in context pixels.
    const double emPixels = std::abs(font.height) * m_printerPerUnit.y * m_outputPerPrinter.y;
    wxFont f(wxFontInfo().FaceName(DrawnFace(font.face)));
    f.SetFractionalPointSize(std::max(emPixels * 72.0 / kFontDpi, 0.1));
    m_fonts.emplace(key, f);
}

void CWxReportDC::ApplyText() {
    const auto it = m_fonts.find(std::make_pair(m_font.face, m_font.height));
    if (it != m_fonts.end()) m_dc->SetFont(it->second);
    m_dc->SetTextForeground(Colour(m_textColour));
    m_dc->SetTextBackground(*wxWHITE);
    m_dc->SetBackgroundMode(m_bkMode == ReportBkMode::kTransparent ? wxBRUSHSTYLE_TRANSPARENT : wxBRUSHSTYLE_SOLID);
}

ReportSize CWxReportDC::MeasureText(const std::wstring& text) {
    ApplyText();
    wxCoord w = 0, h = 0;
    m_dc->GetTextExtent(text, &w, &h);
    if (text.empty()) m_dc->GetTextExtent("H", nullptr, &h);  // an empty line keeps its height
    return {static_cast<int>(std::lround(w / (m_printerPerUnit.x * m_outputPerPrinter.x))),
            static_cast<int>(std::lround(h / (m_printerPerUnit.y * m_outputPerPrinter.y)))};
}

void CWxReportDC::DrawAt(const std::wstring& text, wxPoint at) {
    if (text.empty()) return;
    ApplyText();
    if (m_font.escapement != 0)
        m_dc->DrawRotatedText(text, at, m_font.escapement / 10.0);
    else
        m_dc->DrawText(text, at);
}

void CWxReportDC::DrawText(const std::wstring& text, const ReportRect& rect, ReportAlign align) {
    if (text.empty()) return;
    ApplyText();
    const wxPoint topLeft = Device(rect.left, rect.top);
    const wxPoint topRight = Device(rect.right, rect.top);
    const int width = m_dc->GetTextExtent(text).x;
    int x = topLeft.x;
    if (align == ReportAlign::kRight) x = topRight.x - width;
    if (align == ReportAlign::kCentre) x = (topLeft.x + topRight.x - width) / 2;
    DrawAt(text, {x, topLeft.y});
}

void CWxReportDC::TextOut(int x, int y, const std::wstring& text) { DrawAt(text, Device(x, y)); }

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
