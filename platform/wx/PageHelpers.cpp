#include "platform/wx/PageHelpers.h"

#include <utility>

#include <wx/event.h>

#include <gtk/gtk.h>

#include "platform/Numbers.h"
#include "platform/wx/Page.h"

void SetDlgItemDouble(CPage& page, int id, int decimals, double value) {
    page.SetItemText(id, quorrel::FormatFixed(value, decimals));
}

namespace {

// Remembers the focused widget of the window holding `inside` and, on
// leaving, gives the focus back to it when the window has none left. GTK's
// own focus is asked: wxWidgets does not hear of a drop-down list losing
// it, as the list's button inside holds it.
class CKeepFocus {
public:
    explicit CKeepFocus(wxWindow* inside) {
        GtkWidget* top = gtk_widget_get_toplevel(inside->GetHandle());
        if (!GTK_IS_WINDOW(top)) return;
        m_window = GTK_WINDOW(g_object_ref(top));
        if (GtkWidget* focus = gtk_window_get_focus(m_window)) m_focus = GTK_WIDGET(g_object_ref(focus));
    }
    ~CKeepFocus() {
        if (m_focus && !gtk_window_get_focus(m_window) && gtk_widget_get_toplevel(m_focus) == GTK_WIDGET(m_window) &&
            gtk_widget_is_sensitive(m_focus) && gtk_widget_is_visible(m_focus))
            gtk_widget_grab_focus(m_focus);
        if (m_focus) g_object_unref(m_focus);
        if (m_window) g_object_unref(m_window);
    }
    CKeepFocus(const CKeepFocus&) = delete;
    CKeepFocus& operator=(const CKeepFocus&) = delete;

private:
    GtkWindow* m_window = nullptr;
    GtkWidget* m_focus = nullptr;
};

}  // namespace

void BindSelectionChange(CPage& page, int id, std::function<void()> handler) {
    wxWindow* combo = page.GetControl(id);
    if (!combo) return;
    combo->Bind(wxEVT_CHOICE, [combo, handler = std::move(handler)](wxCommandEvent&) {
        CKeepFocus keep(combo);
        handler();
    });
}
