// Start-up of the program against a bare toolkit window (startup/BareWindow.cpp,
// a frame with a menu bar and a notebook): the time from launch until the
// main window is mapped on the display, and the resident memory once the
// started program has settled. Each iteration starts a new process. Needs a
// display (scripts/with-display).
//
// The program runs with the benchmark's environment without GDK_GL, so what
// it decides about OpenGL itself is measured; the bare window runs with
// GDK_GL=disable, the smallest a toolkit window gets.
//
// QUORREL_STARTUP_REFERENCE may name another build of the program (an
// absolute path, its catalogue files beside it); it is then measured too, as
// BM_StartUp/reference. With --benchmark_repetitions and
// --benchmark_enable_random_interleaving=true the runs of the captures take
// turns, so that a change of load on the machine hits them alike.
#include <benchmark/benchmark.h>

#include <gdk/gdk.h>
#include <gdk/gdkx.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/ExecutableFolder.h"
#include "platform/Text.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Watches the root window for the first top-level window of at least
// 100 x 100 pixels to be mapped.
struct tagMapWatch {
    std::map<Window, std::pair<int, int>> sizes;  // top-level windows by id
    bool mapped = false;
    Clock::time_point mappedAt;
};

GdkFilterReturn OnRootEvent(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    auto* watch = static_cast<tagMapWatch*>(data);
    const XEvent* e = static_cast<const XEvent*>(xevent);
    switch (e->type) {
    case CreateNotify:
        watch->sizes[e->xcreatewindow.window] = {e->xcreatewindow.width, e->xcreatewindow.height};
        break;
    case ConfigureNotify:
        watch->sizes[e->xconfigure.window] = {e->xconfigure.width, e->xconfigure.height};
        break;
    case MapNotify: {
        const auto size = watch->sizes[e->xmap.window];
        if (!watch->mapped && size.first >= 100 && size.second >= 100) {
            watch->mapped = true;
            watch->mappedAt = Clock::now();
        }
        break;
    }
    default:
        break;
    }
    return GDK_FILTER_CONTINUE;
}

// The benchmark's environment without GDK_GL, plus `extra`.
std::vector<std::string> ChildEnvironment(const char* extra) {
    std::vector<std::string> env;
    for (char** p = environ; *p; ++p)
        if (std::string(*p).rfind("GDK_GL=", 0) != 0) env.emplace_back(*p);
    if (extra) env.emplace_back(extra);
    return env;
}

pid_t Launch(const std::string& program, const std::vector<std::string>& env) {
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv, envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

// VmRSS of `pid` in kB, 0 when it cannot be read.
long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long kb = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

// Lets the display's events in for `ms` milliseconds.
void Pump(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
    }
}

// The resident memory once it has stayed the same for 200 ms (at most 3 s).
long SettledResidentKb(pid_t pid) {
    long last = ResidentKb(pid);
    int same = 0;
    for (int i = 0; i < 60 && same < 4; ++i) {
        Pump(50);
        const long now = ResidentKb(pid);
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return last;
}

// `program` is an absolute path or a name in the benchmark's own folder.
void BM_StartUp(benchmark::State& state, const char* program, const char* extraEnv) {
    const std::string path =
        program[0] == '/' ? std::string(program)
                          : quorrel::ToUtf8(quorrel::JoinPath(quorrel::GetExecutableFolder(),
                                                              quorrel::FromUtf8(program)));
    const std::vector<std::string> env = ChildEnvironment(extraEnv);
    GdkWindow* root = gdk_get_default_root_window();
    gdk_window_set_events(root, GdkEventMask(gdk_window_get_events(root) | GDK_SUBSTRUCTURE_MASK));
    double residentMb = 0;
    for (auto _ : state) {
        // The first toolkit program on a display probes OpenGL and leaves
        // its findings on the root window for the next ones; start each
        // launch as that first program.
        gdk_property_delete(root, gdk_atom_intern_static_string("GDK_VISUALS"));
        gdk_display_sync(gdk_display_get_default());
        tagMapWatch watch;
        gdk_window_add_filter(root, OnRootEvent, &watch);
        const Clock::time_point start = Clock::now();
        const pid_t pid = Launch(path, env);
        if (pid < 0) {
            gdk_window_remove_filter(root, OnRootEvent, &watch);
            state.SkipWithError(("cannot start " + path).c_str());
            break;
        }
        int status = 0;
        bool exited = false;
        while (!watch.mapped && !exited && Clock::now() - start < std::chrono::seconds(10)) {
            if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(200);
            exited = waitpid(pid, &status, WNOHANG) == pid;
        }
        gdk_window_remove_filter(root, OnRootEvent, &watch);
        if (!watch.mapped) {
            if (!exited) kill(pid, SIGKILL), waitpid(pid, &status, 0);
            state.SkipWithError((std::string(program) + " showed no window").c_str());
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(watch.mappedAt - start).count());
        residentMb += SettledResidentKb(pid) / 1024.0;
        kill(pid, SIGTERM);
        waitpid(pid, &status, 0);
        Pump(50);  // the closed window's events
    }
    state.counters["resident_MB"] = benchmark::Counter(residentMb, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK_CAPTURE(BM_StartUp, quorrel, "quorrel", nullptr)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_StartUp, bare_window, "startup_bare_window", "GDK_GL=disable")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!gdk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "bench_startup_ui: no display\n");
        return 1;
    }
    if (const char* reference = std::getenv("QUORREL_STARTUP_REFERENCE"); reference && *reference)
        benchmark::RegisterBenchmark("BM_StartUp/reference", BM_StartUp, reference, nullptr)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
