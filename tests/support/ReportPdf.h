// Rendering a report into a real PDF file and reading it back with the
// poppler tools (pdftotext, pdffonts). For the UI suite only, which links
// the toolkit: header-only, as the support library itself links no toolkit.
#pragma once

#include <cstdio>
#include <functional>
#include <regex>
#include <string>
#include <vector>

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

// One word of a PDF page and its box, in points from the page's top left.
struct tagPdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};
struct tagPdfPage {
    double width = 0, height = 0;  // points
    std::vector<tagPdfWord> words;
    std::string text;  // the words, each followed by a space
};

// Every page of a PDF file with its words, by pdftotext; none when there is
// no such file.
inline std::vector<tagPdfPage> PdfPages(const std::string& pdf) {
    std::vector<tagPdfPage> pages;
    if (FILE* file = std::fopen(pdf.c_str(), "rb"))
        std::fclose(file);
    else
        return pages;
    const std::string xhtml = CommandOutput("pdftotext -bbox '" + pdf + "' -");
    const std::regex item("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|"
                          "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                          "yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (std::sregex_iterator it(xhtml.begin(), xhtml.end(), item), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}, {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), m[7]});
            pages.back().text += m[7].str() + " ";
        }
    }
    return pages;
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
