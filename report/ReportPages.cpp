#include "report/ReportPages.h"

namespace report {

int PageTop(int page, int pageHeightMm) { return -(page - 1) * 10 * pageHeightMm; }

int PageOf(int y, int pageHeightMm) {
    const int page = 10 * pageHeightMm;
    if (page <= 0 || y >= 0) return 1;
    return -y / page + 1;
}

tagTableLayout TableLayout(int rows, int headerTop, int headerHeight, int pageHeightMm) {
    tagTableLayout table;
    table.headerTops.push_back(headerTop);
    int top = headerTop - headerHeight;
    for (int k = 0; k < rows; ++k) {
        if (pageHeightMm > 0) {
            const int page = PageOf(top, pageHeightMm);
            const int lowest = PageTop(page + 1, pageHeightMm) + kPageMargin;  // lowest bottom allowed
            if (top - kRowHeight < lowest) {
                const int header = PageTop(page + 1, pageHeightMm) - kPageMargin;
                table.headerTops.push_back(header);
                top = header - headerHeight;
            }
        }
        table.rowTops.push_back(top);
        top -= kRowHeight;
    }
    return table;
}

}  // namespace report
