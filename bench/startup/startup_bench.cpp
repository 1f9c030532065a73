// Time from process start to the main window being mapped on the X server, and the
// editor's peak resident memory once it is up. Run under an X server, e.g.
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/startup/startup_bench
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

bool isEditorWindow(Display *display, Window window)
{
    char *name = nullptr;
    bool found = false;
    if (XFetchName(display, window, &name) && name) {
        found = std::string(name) == "ZanvoV4";
        XFree(name);
    }
    return found;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

void BM_StartToWindowShown(benchmark::State &state)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        state.SkipWithError("no X display");
        return;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", "/tmp", 0);
    long peak = 0;
    std::vector<double> samples;
    for (auto _ : state) {
        XSync(display, True);
        char binary[] = ZANVO_BINARY;
        char *argv[] = {binary, nullptr};
        const auto started = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, binary, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the editor");
            break;
        }
        bool shown = false;
        while (!shown) {
            XEvent event;
            XNextEvent(display, &event);
            shown = event.type == MapNotify && isEditorWindow(display, event.xmap.window);
        }
        const auto elapsed = std::chrono::steady_clock::now() - started;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        samples.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
        usleep(200 * 1000); // let the first paint happen before reading the peak
        peak = std::max(peak, peakResidentKiB(pid));
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::sort(samples.begin(), samples.end());
    if (!samples.empty())
        state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["peak_rss_MiB"] = double(peak) / 1024.0;
    XCloseDisplay(display);
}

} // namespace

BENCHMARK(BM_StartToWindowShown)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
