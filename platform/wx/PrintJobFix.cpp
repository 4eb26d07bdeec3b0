#include "platform/wx/PrintJobFix.h"

#include <gtk/gtk.h>
#include <wx/gtk/print.h>

namespace quorrel {

namespace {

// GTK asks for the document's page count after the toolkit has set its
// own, and picks the pages of the ranges typed from that count.
gboolean OnPaginate(GtkPrintOperation* operation, GtkPrintContext*, gpointer pages) {
    gtk_print_operation_set_n_pages(operation, GPOINTER_TO_INT(pages));
    return TRUE;
}

// Each page's own set-up, asked for before the page is drawn.
void OnRequestPageSetup(GtkPrintOperation*, GtkPrintContext*, gint, GtkPageSetup* setup, gpointer) {
    gtk_page_setup_set_top_margin(setup, 0, GTK_UNIT_POINTS);
    gtk_page_setup_set_bottom_margin(setup, 0, GTK_UNIT_POINTS);
    gtk_page_setup_set_left_margin(setup, 0, GTK_UNIT_POINTS);
    gtk_page_setup_set_right_margin(setup, 0, GTK_UNIT_POINTS);
}

}  // namespace

int CPrintJobFix::Enter(wxDialog* dialog) {
    // The toolkit's printer runs its print job inside the modal run of this
    // dialog; the job and the printout's pages are known to it by then.
    auto* print = dynamic_cast<wxGtkPrintDialog*>(dialog);
    if (!print) return wxID_NONE;
    wxPrintDialogData& data = print->GetPrintDialogData();
    auto* native = dynamic_cast<wxGtkPrintNativeData*>(data.GetPrintData().GetNativeData());
    GtkPrintOperation* job = native ? native->GetPrintJob() : nullptr;
    if (!job) return wxID_NONE;
    const int pages = data.GetMaxPage() - data.GetMinPage() + 1;
    if (pages > 0) g_signal_connect(job, "paginate", G_CALLBACK(OnPaginate), GINT_TO_POINTER(pages));
    g_signal_connect(job, "request-page-setup", G_CALLBACK(OnRequestPageSetup), nullptr);
    return wxID_NONE;
}

}  // namespace quorrel
