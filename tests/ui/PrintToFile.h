// Printing through the program's own print path: File > Print opens GTK's
// print dialog, which is answered here as a user answers it.
#pragma once

#include <functional>
#include <string>

#include "UiHarness.h"

namespace uitest {

struct tagPrintChoice {
    std::string pages;                // typed in "Pages" ("2-3", "1,3"); empty: "All Pages"
    std::string paper = "iso_a4";     // GTK's paper name: "na_letter", "iso_a5", ...; empty: as offered
    bool landscape = false;
};

// What the print dialog offered when it opened.
struct tagPrintOffer {
    std::string printer;  // empty: the dialog's default
    std::string paper;
    bool landscape = false;
    bool allPages = false;  // "All Pages" rather than "Pages"
};

// Opens the print dialog by `open` (File > Print in `window` when empty).
// In the print dialog: "Print to File" into `pdf` (a file that does not
// exist yet), the paper and orientation of `choice` on "Page Setup", its
// pages, then "Print". Returns when the dialog and its print job are over,
// with what the dialog offered.
tagPrintOffer PrintToFile(CMainWindow& window, const std::string& pdf, const tagPrintChoice& choice,
                          const std::function<void()>& open = {});

}  // namespace uitest
