// Makes the toolkit's GTK print jobs print the pages typed in the print
// dialog's "Pages".
//
// For a page range the toolkit (3.2) tells GTK that the document has as many
// pages as the range holds, while GTK keeps the range's own page numbers:
// GTK then stops before it reaches them ("2-3" printed page 2 only, "3"
// nothing at all). While this hook lives, every print dialog the toolkit's
// printer runs gives its job the document's own page count back before GTK
// picks the pages to print.
#pragma once

#include <wx/modalhook.h>

namespace quorrel {

class CPrintPagesFix : public wxModalDialogHook {
public:
    CPrintPagesFix() { Register(); }
    ~CPrintPagesFix() override { Unregister(); }
    CPrintPagesFix(const CPrintPagesFix&) = delete;
    CPrintPagesFix& operator=(const CPrintPagesFix&) = delete;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
};

}  // namespace quorrel
