#include "PrintToFile.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/defs.h>

namespace uitest {

namespace {

constexpr char kFilePrinter[] = "Print to File";

// What the user types in "Pages", as GTK's ranges (from 0).
std::vector<GtkPageRange> Ranges(const std::string& typed) {
    std::vector<GtkPageRange> ranges;
    size_t at = 0;
    while (at < typed.size()) {
        size_t end = typed.find(',', at);
        if (end == std::string::npos) end = typed.size();
        const std::string part = typed.substr(at, end - at);
        const size_t dash = part.find('-');
        const int first = std::stoi(part.substr(0, dash));
        const int last = dash == std::string::npos ? first : std::stoi(part.substr(dash + 1));
        ranges.push_back({first - 1, last - 1});
        at = end + 1;
    }
    return ranges;
}

GtkPrintUnixDialog* OpenPrintDialog() {
    GtkPrintUnixDialog* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next)
        if (GTK_IS_PRINT_UNIX_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
            found = GTK_PRINT_UNIX_DIALOG(w->data);
    g_list_free(windows);
    return found;
}

struct tagAnswer {
    std::string uri;
    tagPrintChoice choice;
    tagPrintOffer offer;
    bool printerChosen = false;
    bool answered = false;
    bool over = false;  // answered, or given up after 10 s
    int ticks = 0;
};

// Gives up after 10 s: closes the dialog, if any, as "Cancel" does.
gboolean GiveUp(tagAnswer* answer, GtkPrintUnixDialog* dialog) {
    if (++answer->ticks < 500) return G_SOURCE_CONTINUE;
    if (dialog) gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    answer->over = true;
    return G_SOURCE_REMOVE;
}

// Runs in the dialog's own loop every 20 ms until it has answered it.
gboolean AnswerDialog(gpointer data) {
    auto* answer = static_cast<tagAnswer*>(data);
    GtkPrintUnixDialog* dialog = OpenPrintDialog();
    if (!dialog) return GiveUp(answer, nullptr);
    if (!answer->printerChosen) {
        // The printer, its file, the pages.
        GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(dialog);
        if (const char* printer = gtk_print_settings_get_printer(settings)) answer->offer.printer = printer;
        answer->offer.allPages = gtk_print_settings_get_print_pages(settings) == GTK_PRINT_PAGES_ALL;
        gtk_print_settings_set_printer(settings, kFilePrinter);
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, answer->uri.c_str());
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
        if (answer->choice.pages.empty()) {
            gtk_print_settings_set_print_pages(settings, GTK_PRINT_PAGES_ALL);
        } else {
            std::vector<GtkPageRange> ranges = Ranges(answer->choice.pages);
            gtk_print_settings_set_print_pages(settings, GTK_PRINT_PAGES_RANGES);
            gtk_print_settings_set_page_ranges(settings, ranges.data(), static_cast<int>(ranges.size()));
        }
        gtk_print_unix_dialog_set_settings(dialog, settings);
        g_object_unref(settings);
        answer->printerChosen = true;
        return G_SOURCE_CONTINUE;
    }
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(dialog);
    if (!printer || std::strcmp(gtk_printer_get_name(printer), kFilePrinter) != 0)
        return GiveUp(answer, dialog);
    GtkPageSetup* offered = gtk_print_unix_dialog_get_page_setup(dialog);
    answer->offer.paper = gtk_paper_size_get_name(gtk_page_setup_get_paper_size(offered));
    answer->offer.landscape = gtk_page_setup_get_orientation(offered) == GTK_PAGE_ORIENTATION_LANDSCAPE;
    if (!answer->choice.paper.empty()) {
        // "Page Setup": the paper and its orientation.
        GtkPageSetup* setup = gtk_page_setup_new();
        GtkPaperSize* paper = gtk_paper_size_new(answer->choice.paper.c_str());
        gtk_page_setup_set_paper_size_and_default_margins(setup, paper);
        gtk_page_setup_set_orientation(setup, answer->choice.landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                                       : GTK_PAGE_ORIENTATION_PORTRAIT);
        gtk_print_unix_dialog_set_page_setup(dialog, setup);
        gtk_paper_size_free(paper);
        g_object_unref(setup);
    }
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);  // "Print"
    answer->answered = answer->over = true;
    return G_SOURCE_REMOVE;
}

}  // namespace

tagPrintOffer PrintToFile(CMainWindow& window, const std::string& pdf, const tagPrintChoice& choice,
                          const std::function<void()>& open) {
    tagAnswer answer;
    gchar* uri = g_filename_to_uri(pdf.c_str(), nullptr, nullptr);
    answer.uri = uri;
    g_free(uri);
    answer.choice = choice;
    const guint source = g_timeout_add(20, AnswerDialog, &answer);
    if (open)
        open();
    else
        window.Command(wxID_PRINT);
    if (!answer.over) g_source_remove(source);
    EXPECT_TRUE(answer.answered) << "the print dialog was not answered";
    return answer.offer;
}

}  // namespace uitest
