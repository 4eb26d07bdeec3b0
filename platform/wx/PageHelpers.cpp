#include "platform/wx/PageHelpers.h"

#include "platform/Numbers.h"
#include "platform/wx/Page.h"

void SetDlgItemDouble(CPage& page, int id, int decimals, double value) {
    page.SetItemText(id, quorrel::FormatFixed(value, decimals));
}
