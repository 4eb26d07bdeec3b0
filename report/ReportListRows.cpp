#include "report/ReportListRows.h"

#include <wx/listctrl.h>

#include "platform/wx/Page.h"

namespace report {

tagReportRows ReadReportRows(const CPage& page, int listId) {
    tagReportRows read;
    const auto* list = page.GetControlAs<wxListCtrl>(listId);
    if (!list) return read;
    for (long item = list->GetNextItem(-1, wxLIST_NEXT_ALL); item != -1;
         item = list->GetNextItem(item, wxLIST_NEXT_ALL)) {
        std::array<std::wstring, 7>& row = read.rows.emplace_back();
        for (int column = 0; column < 7; ++column) row[column] = list->GetItemText(item, column).ToStdWstring();
    }
    read.selected = static_cast<int>(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
    return read;
}

}  // namespace report
