#include "platform/wx/CompactTabs.h"

#include <wx/font.h>
#include <wx/notebook.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>
#endif

namespace quorrel {

namespace {

// Horizontal padding inside each tab, pixels (the style sheet below).
constexpr int kPadding = 6;
// What GTK adds to each tab beyond the label and the padding, and to the
// strip at either end, pixels (measured under GTK 3.24 with Adwaita; the sum
// errs on the wide side).
constexpr int kTabExtra = 8;
constexpr int kBorder = 4;

#ifdef __WXGTK3__
// The theme's tab padding is only reachable through GTK's style sheets.
constexpr char kWidgetName[] = "quorrel-tabs";
constexpr char kCss[] =
    "#quorrel-tabs tab { padding: 3px 6px; min-width: 0; }"
    "#quorrel-tabs tab * { padding: 0; margin: 0; min-width: 0; border-width: 0; }";

bool ApplyTabCss(wxNotebook* notebook) {
    // One provider for the whole process; it only matches the named notebook.
    static GtkCssProvider* const provider = []() -> GtkCssProvider* {
        GdkScreen* screen = gdk_screen_get_default();
        if (!screen) return nullptr;
        GtkCssProvider* p = gtk_css_provider_new();
        if (!gtk_css_provider_load_from_data(p, kCss, -1, nullptr)) {
            g_object_unref(p);
            return nullptr;
        }
        gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(p),
                                                  GTK_STYLE_PROVIDER_PRIORITY_USER);
        return p;
    }();
    if (!provider) return false;
    gtk_widget_set_name(notebook->GetHandle(), kWidgetName);
    return true;
}
#endif

}  // namespace

bool MakeTabsCompact(wxNotebook* notebook, const std::vector<wxString>& labels, int width) {
    wxFont font = notebook->GetFont();
    font.SetFaceName("Liberation Sans");
    for (double size = 9.0; size >= 7.0; size -= 0.5) {
        font.SetFractionalPointSize(size);
        int needed = 2 * kBorder;
        for (const wxString& label : labels) {
            int labelWidth = 0, labelHeight = 0;
            notebook->GetTextExtent(label, &labelWidth, &labelHeight, nullptr, nullptr, &font);
            needed += labelWidth + 2 * kPadding + kTabExtra;
        }
        if (needed <= width) break;
    }
    notebook->SetFont(font);
#ifdef __WXGTK3__
    return ApplyTabCss(notebook);
#else
    return false;
#endif
}

}  // namespace quorrel
