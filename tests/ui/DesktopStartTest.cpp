// The program as a user starts it on a desktop: the real executable on a
// private X server of 1280 x 1024 with the openbox window manager, watched
// from here through a second display connection.
#include <gtest/gtest.h>

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdk.h>
#include <gdk/gdkx.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "UiHarness.h"
#include "platform/ExecutableFolder.h"
#include "platform/Text.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Starts `argv` with the test's environment, without DISPLAY and GDK_GL,
// plus `env`; the child's standard output and error go to `output` (empty:
// discarded); `displayFd`, when not -1, becomes the child's descriptor 3.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& output = {}, int displayFd = -1) {
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    for (char** p = environ; *p; ++p)
        if (std::strncmp(*p, "DISPLAY=", 8) != 0 && std::strncmp(*p, "GDK_GL=", 7) != 0) envp.push_back(*p);
    args.push_back(nullptr);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const char* sink = output.empty() ? "/dev/null" : output.c_str();
    posix_spawn_file_actions_addopen(&actions, 1, sink, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (displayFd >= 0) posix_spawn_file_actions_adddup2(&actions, displayFd, 3);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The CARDINAL values of an X property, empty when it is not set.
std::vector<long> Cardinals(GdkWindow* window, const char* property) {
    GdkAtom type;
    gint format = 0, length = 0;
    guchar* data = nullptr;
    std::vector<long> values;
    if (gdk_property_get(window, gdk_atom_intern(property, FALSE), GDK_NONE, 0, 1024, FALSE, &type, &format,
                         &length, &data) &&
        format == 32)
        values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + length / sizeof(long));
    g_free(data);
    return values;
}

// Xvfb with openbox, for the whole suite.
class CDesktop {
public:
    CDesktop() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) return;
        m_server = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}, {},
                         fds[1]);
        close(fds[1]);
        std::string number;
        char c = 0;
        pollfd ready{fds[0], POLLIN, 0};
        while (poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) return;
        m_name = ":" + number;
        m_display = gdk_display_open(m_name.c_str());
        if (!m_display) return;
        m_wm = Spawn({"openbox"}, {"DISPLAY=" + m_name});
        for (int i = 0; i < 200 && Cardinals(Root(), "_NET_SUPPORTING_WM_CHECK").empty(); ++i)
            std::this_thread::sleep_for(25ms);
    }
    ~CDesktop() {
        Stop(m_wm);
        if (m_display) gdk_display_close(m_display);
        Stop(m_server);
    }

    bool HasWindowManager() { return m_display && !Cardinals(Root(), "_NET_SUPPORTING_WM_CHECK").empty(); }
    const std::string& Name() const { return m_name; }
    GdkWindow* Root() { return gdk_screen_get_root_window(gdk_display_get_default_screen(m_display)); }

    // The top-level windows of process `pid` the window manager has taken
    // on, oldest first.
    std::vector<Window> WindowsOf(pid_t pid) {
        std::vector<Window> windows;
        for (long id : Cardinals(Root(), "_NET_CLIENT_LIST")) {
            GdkWindow* w = gdk_x11_window_foreign_new_for_display(m_display, static_cast<Window>(id));
            if (!w) continue;
            if (Cardinals(w, "_NET_WM_PID") == std::vector<long>{pid}) windows.push_back(static_cast<Window>(id));
            g_object_unref(w);
        }
        return windows;
    }

    // The newest top-level window of process `pid` once its frame has kept
    // the same place and size for half a second: its outer rectangle, frame
    // included.
    GdkRectangle SettledFrameOf(pid_t pid) {
        GdkRectangle last{0, 0, 0, 0};
        int same = 0;
        for (int i = 0; i < 200 && same < 10; ++i) {
            std::this_thread::sleep_for(50ms);
            GdkRectangle now{0, 0, 0, 0};
            const std::vector<Window> windows = WindowsOf(pid);
            if (GdkWindow* w = windows.empty() ? nullptr : gdk_x11_window_foreign_new_for_display(m_display, windows.back())) {
                gdk_window_get_frame_extents(w, &now);
                g_object_unref(w);
            }
            same = now.width > 0 && gdk_rectangle_equal(&now, &last) ? same + 1 : 0;
            last = now;
        }
        return last;
    }

    // Presses `keys` together, as a user on the keyboard does, and lets them go.
    void PressKeys(const std::vector<KeySym>& keys) {
        Display* x = GDK_DISPLAY_XDISPLAY(m_display);
        for (KeySym key : keys) XTestFakeKeyEvent(x, XKeysymToKeycode(x, key), True, CurrentTime);
        for (auto key = keys.rbegin(); key != keys.rend(); ++key)
            XTestFakeKeyEvent(x, XKeysymToKeycode(x, *key), False, CurrentTime);
        XFlush(x);
    }

    // Asks the window manager to close `window`, as its title bar's close
    // box does.
    void Close(Window window) {
        Display* x = GDK_DISPLAY_XDISPLAY(m_display);
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(x, "_NET_CLOSE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[1] = 2;  // asked for by the user
        XSendEvent(x, DefaultRootWindow(x), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(x);
    }

private:
    pid_t m_server = -1;
    pid_t m_wm = -1;
    std::string m_name;
    GdkDisplay* m_display = nullptr;
};

class DesktopStart : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_desktop = new CDesktop; }
    static void TearDownTestSuite() { delete s_desktop; }
    void SetUp() override { ASSERT_TRUE(s_desktop->HasWindowManager()) << "Xvfb and openbox (scripts/install-deps)"; }
    void TearDown() override { Stop(m_pid); }

    // Starts the program, as the first toolkit program on the display, and
    // waits for its window to settle.
    GdkRectangle Start(std::vector<std::string> env = {}) {
        gdk_property_delete(s_desktop->Root(), gdk_atom_intern_static_string("GDK_VISUALS"));
        gdk_display_sync(gdk_window_get_display(s_desktop->Root()));
        env.push_back("DISPLAY=" + s_desktop->Name());
        const std::string program = quorrel::ToUtf8(quorrel::JoinPath(quorrel::GetExecutableFolder(), L"quorrel"));
        m_pid = Spawn({program}, env, m_output);
        return s_desktop->SettledFrameOf(m_pid);
    }
    bool MapsGl() const {
        const std::string maps = ReadFile("/proc/" + std::to_string(m_pid) + "/maps");
        return maps.find("/libGL") != std::string::npos || maps.find("/libEGL") != std::string::npos;
    }

    static CDesktop* s_desktop;
    uitest::CTempFolder m_folder;
    const std::string m_output = quorrel::ToUtf8(m_folder.File(L"output.txt"));
    pid_t m_pid = -1;
};

CDesktop* DesktopStart::s_desktop = nullptr;

}  // namespace

// Whole and centred at 850 x 700; no GTK critical from a control squeezed
// below its size; no GL library loaded unless asked for.
TEST_F(DesktopStart, MainWindowOpensWholeAndCentredWithoutWarningsOrOpenGl) {
    const GdkRectangle frame = Start();
    EXPECT_EQ((std::vector<int>{frame.x, frame.y, frame.width, frame.height}),
              (std::vector<int>{(1280 - 850) / 2, (1024 - 700) / 2, 850, 700}));
    EXPECT_EQ(ReadFile(m_output).find("CRITICAL"), std::string::npos) << ReadFile(m_output);
    EXPECT_FALSE(MapsGl());
}

// File > Print preview opened and closed again and again comes up at its size
// each time: no GTK warning about a button squeezed below its size, no
// rectangle of negative size.
TEST_F(DesktopStart, PrintPreviewOpensAgainAndAgainWithoutWarnings) {
    ASSERT_GT(Start().width, 0) << "no window";
    for (int opening = 1; opening <= 4; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        s_desktop->PressKeys({XK_Alt_L, XK_f});
        std::this_thread::sleep_for(300ms);  // the menu opens
        s_desktop->PressKeys({XK_v});
        for (int i = 0; i < 100 && s_desktop->WindowsOf(m_pid).size() < 2; ++i) std::this_thread::sleep_for(50ms);
        const std::vector<Window> windows = s_desktop->WindowsOf(m_pid);
        ASSERT_EQ(windows.size(), 2u) << "no preview";
        s_desktop->SettledFrameOf(m_pid);
        s_desktop->Close(windows.back());
        for (int i = 0; i < 100 && s_desktop->WindowsOf(m_pid).size() > 1; ++i) std::this_thread::sleep_for(50ms);
        ASSERT_EQ(s_desktop->WindowsOf(m_pid).size(), 1u) << "the preview stays";
    }
    const std::string output = ReadFile(m_output);
    EXPECT_EQ(output.find("Gtk-WARNING"), std::string::npos) << output;
    EXPECT_EQ(output.find("*** BUG ***"), std::string::npos) << output;
}

TEST_F(DesktopStart, OpenGlLoadsWhenTheUserAsksForIt) {
    ASSERT_GT(Start({"GDK_GL=legacy"}).width, 0) << "no window";
    EXPECT_TRUE(MapsGl());
}
