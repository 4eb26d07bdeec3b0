// Printing through the program's own print path: File > Print opens GTK's
// print dialog, which is answered here as a user answers it.
#pragma once

#include <string>

#include "UiHarness.h"

namespace uitest {

struct tagPrintChoice {
    std::string pages;                // typed in "Pages" ("2-3", "1,3"); empty: "All Pages"
    std::string paper = "iso_a4";     // GTK's paper name: "na_letter", "iso_a5", ...
    bool landscape = false;
};

// Chooses File > Print in `window`. In the print dialog: "Print to File"
// into `pdf` (a file that does not exist yet), the paper and orientation of
// `choice`, its pages, then "Print". Returns when the dialog and its print
// job are over.
void PrintToFile(CMainWindow& window, const std::string& pdf, const tagPrintChoice& choice);

}  // namespace uitest
