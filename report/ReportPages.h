// How a report runs over several pages: the report is one tall drawing in
// 0.1 mm units, y = 0 at the top of page 1 and growing upward, and page p
// shows the band that starts (p - 1) page heights below the top.
#pragma once

#include <vector>

namespace report {

// The paper a report is laid out on, whatever paper it is printed on.
inline constexpr int kA4WidthMm = 210;
inline constexpr int kA4HeightMm = 297;

// A table row is this high.
inline constexpr int kRowHeight = 50;
// A table row keeps this distance from its page's bottom; a table or block
// continued on the next page starts this far below its top.
inline constexpr int kPageMargin = 100;

// The top of page `page` (from 1) on paper `pageHeightMm` high.
int PageTop(int page, int pageHeightMm);
// The page (from 1) on which a block whose top is at `y` starts; a y on a
// page boundary starts the lower page. Paper of no height is one page.
int PageOf(int y, int pageHeightMm);

// Where a table goes: its header band and its rows.
struct tagTableLayout {
    // The top of the header band: the first one, then the one repeated on
    // each page the table continues on.
    std::vector<int> headerTops;
    std::vector<int> rowTops;  // top of each row
};
// A table of `rows` rows under a header band `headerHeight` high whose top
// is at `headerTop`. Each row follows the one before, except that a row
// which would end closer than kPageMargin to its page's bottom continues
// the table on the next page: the header band is repeated kPageMargin below
// that page's top and the row starts under it. `pageHeightMm` 0 lays the
// table out on one page without end.
tagTableLayout TableLayout(int rows, int headerTop, int headerHeight, int pageHeightMm);

}  // namespace report
