#include "report/ReportPages.h"

namespace report {

int PageTop(int page, int pageHeightMm) { return -(page - 1) * 10 * pageHeightMm; }

int PageOf(int y, int pageHeightMm) {
    const int page = 10 * pageHeightMm;
    if (page <= 0 || y >= 0) return 1;
    return -y / page + 1;
}

std::vector<int> TableRowTops(int rows, int firstTop, int pageHeightMm) {
    std::vector<int> tops;
    int top = firstTop;
    for (int k = 0; k < rows; ++k) {
        if (pageHeightMm > 0) {
            const int page = PageOf(top, pageHeightMm);
            const int lowest = PageTop(page + 1, pageHeightMm) + kPageMargin;  // lowest bottom allowed
            if (top - kRowHeight < lowest) top = PageTop(page + 1, pageHeightMm) - kPageMargin;
        }
        tops.push_back(top);
        top -= kRowHeight;
    }
    return tops;
}

}  // namespace report
