#include "platform/wx/CompactTabs.h"

#include <wx/font.h>
#include <wx/notebook.h>

#ifdef __WXGTK3__
#include <dlfcn.h>
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
// The theme's tab padding is only reachable through GTK's style sheets. The
// GTK development headers are not part of the build, so the five functions
// are looked up in the GTK library the toolkit has already loaded.
constexpr char kWidgetName[] = "quorrel-tabs";
constexpr char kCss[] =
    "#quorrel-tabs tab { padding: 3px 6px; min-width: 0; }"
    "#quorrel-tabs tab * { padding: 0; margin: 0; min-width: 0; border-width: 0; }";
constexpr unsigned kProviderPriorityUser = 800;  // above the theme and the toolkit

bool ApplyTabCss(wxNotebook* notebook) {
    using CssProviderNew = void* (*)();
    using CssProviderLoad = int (*)(void*, const char*, long, void**);
    using DefaultScreen = void* (*)();
    using AddProviderForScreen = void (*)(void*, void*, unsigned);
    using SetWidgetName = void (*)(void*, const char*);

    auto providerNew = reinterpret_cast<CssProviderNew>(dlsym(RTLD_DEFAULT, "gtk_css_provider_new"));
    auto providerLoad =
        reinterpret_cast<CssProviderLoad>(dlsym(RTLD_DEFAULT, "gtk_css_provider_load_from_data"));
    auto defaultScreen = reinterpret_cast<DefaultScreen>(dlsym(RTLD_DEFAULT, "gdk_screen_get_default"));
    auto addProvider = reinterpret_cast<AddProviderForScreen>(
        dlsym(RTLD_DEFAULT, "gtk_style_context_add_provider_for_screen"));
    auto setName = reinterpret_cast<SetWidgetName>(dlsym(RTLD_DEFAULT, "gtk_widget_set_name"));
    if (!providerNew || !providerLoad || !defaultScreen || !addProvider || !setName) return false;

    // One provider for the whole process; it only matches the named notebook.
    static void* const provider = [&]() -> void* {
        void* screen = defaultScreen();
        if (!screen) return nullptr;
        void* p = providerNew();
        void* error = nullptr;
        if (!p || !providerLoad(p, kCss, -1, &error)) return nullptr;
        addProvider(screen, p, kProviderPriorityUser);
        return p;
    }();
    if (!provider) return false;
    setName(notebook->GetHandle(), kWidgetName);
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
