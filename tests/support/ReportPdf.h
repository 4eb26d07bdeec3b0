// Rendering a report into a real PDF file and reading it back with the
// poppler tools (pdftotext, pdffonts). For the UI suite only, which links
// the toolkit: header-only, as the support library itself links no toolkit.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <cairo-pdf.h>
#include <wx/defs.h>  // before wx/dcgraph.h, which needs its settings

#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include "platform/wx/ReportDCWx.h"

namespace quorrel::test {

// What a shell command writes to its standard output.
inline std::string CommandOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The text of pages `first` to `last` of a PDF file, by pdftotext; with
// `boxes` an XHTML list of every word with its box, in points.
inline std::string PdfText(const std::string& pdf, int first, int last, bool boxes = false) {
    return CommandOutput(std::string("pdftotext ") + (boxes ? "-bbox" : "-layout") + " -f " + std::to_string(first) +
                         " -l " + std::to_string(last) + " '" + pdf + "' -");
}

// Renders pages 1 to `pages` into an A4 PDF file, drawn in the pixels of a
// 600 dpi printer as the print operation does.
inline void RenderPdf(const std::string& path, int pages, const std::function<void(ReportDC&, int)>& draw) {
    constexpr double kDpi = 600.0;
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 210.0 / 25.4 * 72.0, 297.0 / 25.4 * 72.0);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, 72.0 / kDpi, 72.0 / kDpi);
    for (int page = 1; page <= pages; ++page) {
        {
            wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr));
            CWxReportDC report(dc, {kDpi / 254.0, kDpi / 254.0}, {1.0, 1.0});
            draw(report, page);
        }
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

}  // namespace quorrel::test
