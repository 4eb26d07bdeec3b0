// The rows of a search page's result list as both reports print them.
#pragma once

#include <array>
#include <string>
#include <vector>

class CPage;

namespace report {

// Columns 0..6 of every row, in item order, and the first selected row (-1
// when none). A page without list `listId` has no rows.
struct tagReportRows {
    std::vector<std::array<std::wstring, 7>> rows;
    int selected = -1;
};
tagReportRows ReadReportRows(const CPage& page, int listId);

}  // namespace report
