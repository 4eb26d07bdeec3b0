// How a report runs over several pages: the report is one tall drawing in
// 0.1 mm units, y = 0 at the top of page 1 and growing upward, and page p
// shows the band that starts (p - 1) page heights below the top.
#pragma once

#include <vector>

namespace report {

// The paper the page count is announced for: the count is known before a
// printer (and its paper) is chosen.
inline constexpr int kA4HeightMm = 297;

// A table row is this high.
inline constexpr int kRowHeight = 50;
// A table row keeps this distance from its page's bottom; a row that cannot
// starts this far below the top of the next page.
inline constexpr int kPageMargin = 100;

// The top of page `page` (from 1) on paper `pageHeightMm` high.
int PageTop(int page, int pageHeightMm);
// The page (from 1) on which a block whose top is at `y` starts; a y on a
// page boundary starts the lower page. Paper of no height is one page.
int PageOf(int y, int pageHeightMm);

// The tops of `rows` table rows, the first at `firstTop`, each following the
// one before, except that a row which would end closer than kPageMargin to
// its page's bottom starts kPageMargin below the top of the next page.
// `pageHeightMm` 0 lays the rows out on one page without end.
std::vector<int> TableRowTops(int rows, int firstTop, int pageHeightMm);

}  // namespace report
