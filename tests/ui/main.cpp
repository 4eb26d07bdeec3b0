// The UI suite's entry: starts the toolkit without a main window, runs the
// tests inside an active event loop, then shuts the toolkit down.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

#include "platform/Message.h"
#include "platform/Text.h"

namespace {

class CTestApp : public wxApp {
public:
    // No main window: each test builds what it needs.
    bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new CTestApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "test_ui: the toolkit could not start (no display?)\n");
        return 1;
    }
    // The print tests print to files: GTK's file printer only, without
    // looking for the machine's printers.
    g_object_set(gtk_settings_get_default(), "gtk-print-backends", "file", nullptr);
    // Toolkit errors go to standard error, never to a log window.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    // A message box would wait for a click: a message that reaches no
    // recorder fails the running test instead.
    quorrel::SetMessageSink([](const std::wstring& text, quorrel::MessageIcon) {
        ADD_FAILURE() << "unexpected message box: " << quorrel::ToUtf8(text);
    });
    // A failed toolkit assertion would open a modal window too: it fails the
    // running test instead.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                          const wxString& msg) {
        ADD_FAILURE() << "toolkit assertion \"" << cond.utf8_string() << "\" failed in " << func.utf8_string()
                      << ": " << msg.utf8_string() << " (" << file.utf8_string() << ":" << line << ")";
    });

    int result = 1;
    if (wxTheApp->CallOnInit()) {
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
