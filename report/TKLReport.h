// The printed report of the telecentric lens tabs: the search conditions and
// result list of the telecentric search page and the data sheet of the
// data-sheet page with its barrel and holding figures.
//
// CQuorrelDlg::DrawTKLReport reads the pages' controls into a
// tagTKLReportInput at every call; DrawTKLReportPage draws from it alone.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/ReportDC.h"
#include "report/ReportPages.h"

namespace report {

// More result rows than this continue the report on further pages.
inline constexpr int kTKLRowThreshold = 7;

// The figures: the barrel with its dimension marks, the holding drawing and
// the swatch of the places not to hold.
inline constexpr int kBarrelFigurePng = 309;
inline constexpr int kHoldFigurePng = 308;
inline constexpr int kNotHoldSwatchPng = 306;

// Everything the report prints, as the pages show it.
struct tagTKLReportInput {
    std::wstring language;  // string 25000
    std::wstring date;      // the footer's date

    // Search page.
    std::wstring sensorCombo;       // sensor format as chosen
    std::wstring manualH, manualV;  // sensor size typed by hand
    std::wstring fovV, fovH;        // fields of view of the search
    std::vector<std::array<std::wstring, 7>> rows;  // result list, columns 0..6 as shown
    int selectedRow = -1;                           // -1: none

    // Data-sheet page.
    std::wstring model, illumination, magnification, effectiveFno, na, wdOd, oi, barrelLength, dof, resolution,
        distortion, imageFormat;
    std::wstring figureOD, figureWD, figureLensBack;
    std::wstring holdA, holdB, holdC, holdD, holdLength;
};

// Where the parts of the report go for `rows` result rows on pages
// `pageHeightMm` high. Up to 7 rows the specification block follows the
// table on page 1. Above that the report runs over pages: rows that would
// come closer than 100 units to a page's bottom continue the table 100 units
// below the top of the next page, under a repeat of its header band, and
// the specification block, figures and footer start 100 units below the top
// of the page after the table's last row.
struct tagTKLLayout {
    tagTableLayout table;      // the result table's header bands and rows
    int specTop = 0;           // B, the specification heading
    int figureTop = 0;         // Y0, the top of the barrel figure
    int pages = 1;             // pages the drawing covers
};
tagTKLLayout TKLLayout(int rows, int pageHeightMm);

// Draws the whole report; page `page` (from 1) of pages `pageHeightMm` high
// shows its band of it.
void DrawTKLReportPage(quorrel::ReportDC& dc, const tagTKLReportInput& in, int page, int pageHeightMm);

}  // namespace report
