// Mends two faults of the toolkit's (3.2) GTK print jobs while it lives:
//
// - Pages. For a page range the toolkit tells GTK that the document has as
//   many pages as the range holds, while GTK keeps the range's own page
//   numbers: GTK then stops before it reaches them ("2-3" printed page 2
//   only, "3" nothing at all). Each job gets the document's own page count
//   back before GTK picks the pages to print.
// - The page's origin. GTK moves the origin into the margins that lie left
//   of and above the page as it is turned; the toolkit moves it back by the
//   portrait page's left and top margins whatever the orientation, so a
//   landscape page came out the difference of two margins too far right
//   (22.3 pt on A4). Each page's set-up gets no margins, so neither moves
//   the origin and it stays on the paper's corner, as the toolkit means.
#pragma once

#include <wx/modalhook.h>

namespace quorrel {

class CPrintJobFix : public wxModalDialogHook {
public:
    CPrintJobFix() { Register(); }
    ~CPrintJobFix() override { Unregister(); }
    CPrintJobFix(const CPrintJobFix&) = delete;
    CPrintJobFix& operator=(const CPrintJobFix&) = delete;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
};

}  // namespace quorrel
