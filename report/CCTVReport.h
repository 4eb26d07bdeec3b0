// The printed report of the non-telecentric lens tabs: the search
// conditions and result list of the lens search page and the detail
// calculation of the detail page, on one page (up to 16 result rows) or two.
//
// CQuorrelDlg::DrawCCTVReport reads the pages' controls into a
// tagCCTVReportInput at every call; DrawCCTVReportPage draws from it alone.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/ReportDC.h"
#include "report/ReportPages.h"

namespace report {

// More result rows than this continue the report on a second page.
inline constexpr int kCCTVRowThreshold = 16;

// The focus marker picture and the lens set-up drawing behind the callouts.
inline constexpr int kFocusMarkerPng = 302;
inline constexpr int kLensSetupPng = 307;

// Everything the report prints, as the pages show it.
struct tagCCTVReportInput {
    std::wstring language;  // string 25000
    std::wstring date;      // the footer's date

    // Lens search page.
    std::wstring sensorCombo;       // sensor format as chosen
    std::wstring manualH, manualV, manualD;  // sensor size typed by hand
    // Which condition box is ticked, in box order: vertical, horizontal,
    // diagonal field of view, magnification, working distance.
    std::array<bool, 5> conditions{};
    std::wstring conditionValue;                  // the value of the first ticked box
    std::vector<std::array<std::wstring, 7>> rows;  // result list, columns 0..6
    int selectedRow = -1;                           // -1: none

    // The last catalogue lens named like the detail page's lens: its focus
    // draw range and direction place the focus marker.
    bool hasLens = false;
    double maxDraw = 0.0;
    int drawoutDirection = 0;

    // Detail page.
    std::wstring lens, sensor, ring;  // lens, sensor and close-up ring combos
    std::wstring detailManualH, detailManualV, detailManualD;
    std::wstring fovV, fovH, fovD, magnification, wd, objectToImage, effectiveFno, fno, dof;
    std::wstring focusDraw;
    std::array<std::wstring, 3> warnings;  // the ring, mount and focus warnings, in print order
};

// Condition boxes, in the order of tagCCTVReportInput::conditions.
enum CCTVCondition { kCondV = 0, kCondH = 1, kCondD = 2, kCondM = 3, kCondW = 4 };

// Where the parts of the report go for `rows` result rows on pages
// `pageHeightMm` high. A report of more than 16 rows runs over pages: rows
// that would come closer than 100 units to a page's bottom continue the
// table 100 units below the top of the next page, under a repeat of its
// header band; the detail block starts 50 units below the top of page 2
// while the table ends on page 1, else 50 units below the table's last row,
// or 50 units below the top of the next page when it would reach into that
// page's footer. The footer goes on the last page at the place it has on A4,
// moved up just enough to stay on a shorter page.
struct tagCCTVLayout {
    tagTableLayout table;      // the result table's header bands and rows
    int detailTop = 0;         // B, the detail block's heading
    int footerOffset = 0;      // added to the footer's page-1 positions
    int pages = 1;             // pages the drawing covers
};
tagCCTVLayout CCTVLayout(int rows, int pageHeightMm);

// The marker's distance p (0..320) left of x 800 on the focus scale: 0 at
// draw 0 for direction 0, 320 for the other direction; a lens without a draw
// range keeps the marker where draw 0 puts it.
int FocusMarkerOffset(bool hasLens, double maxDraw, int drawoutDirection, double focusDraw);

// Whether the sensor is of the "I/F" kind or the diagonal box is ticked:
// the report then prints diagonal fields of view only.
bool IsDiagonalMode(const tagCCTVReportInput& in);

// Draws the whole report; page `page` (from 1) of pages `pageHeightMm` high
// shows its band of it.
void DrawCCTVReportPage(quorrel::ReportDC& dc, const tagCCTVReportInput& in, int page, int pageHeightMm);

}  // namespace report
