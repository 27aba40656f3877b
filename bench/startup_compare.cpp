// SPDX-License-Identifier: GPL-3.0-or-later
// Times two programs side by side as whole processes, alternating runs, and
// reports median wall time and peak memory of each and their ratios.
//   startup-compare <runs> <game-probe> <floor-probe> [--x11]
// With --x11 it also times both on the X server named by DISPLAY, from the
// start of the process to its first window mapped, as a player sees it.
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>

#ifdef ZLP_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double ms;
    long maxRssKb;
};

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The environment with QT_QPA_PLATFORM set to the platform given.
std::vector<char*> environmentFor(const char* platform, std::vector<std::string>& keep) {
    keep.clear();
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) keep.emplace_back(*e);
    keep.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    std::vector<char*> env;
    for (std::string& s : keep) env.push_back(s.data());
    env.push_back(nullptr);
    return env;
}

pid_t spawn(const char* path, const char* platform) {
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(path), nullptr};
    std::vector<std::string> keep;
    std::vector<char*> env = environmentFor(platform, keep);
    // The probes' own chatter on standard error would drown the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, path, &quiet, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror(path);
        std::exit(2);
    }
    return pid;
}

long reap(pid_t pid, const char* path) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path, status);
        std::exit(2);
    }
    return usage.ru_maxrss;
}

Run runOnce(const char* path) {
    const auto start = Clock::now();
    const pid_t pid = spawn(path, "offscreen");
    const long kb = reap(pid, path);
    return {msSince(start), kb};
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void printRow(const char* what, double game, double floor) {
    std::printf("%-34s %10.1f %10.1f %8.2f\n", what, game, floor, game / floor);
}

#ifdef ZLP_HAVE_XCB
// Watches the screen's root window for a top-level window being mapped.
class MapWatch {
public:
    MapWatch() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_)) {
            std::fprintf(stderr, "cannot open the X display\n");
            std::exit(2);
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root, XCB_CW_EVENT_MASK, &mask);
        sync();
    }
    ~MapWatch() { xcb_disconnect(c_); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // Milliseconds from start until a window is mapped, or -1 after 10 s.
    double waitForMap(Clock::time_point start) {
        pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
        while (msSince(start) < 10000) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(e);
                if (mapped) return msSince(start);
            }
            poll(&fd, 1, 10);
        }
        return -1;
    }
    // Forgets the events of the run before.
    void drain() {
        sync();
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) std::free(e);
    }

private:
    void sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }
    xcb_connection_t* c_;
};

struct XRun {
    double mappedMs;
    double paintedMs; // the probe ends once its window is painted
};

XRun mappedOnce(MapWatch& watch, const char* path) {
    watch.drain();
    const auto start = Clock::now();
    const pid_t pid = spawn(path, "xcb");
    const double mapped = watch.waitForMap(start);
    reap(pid, path);
    const double painted = msSince(start);
    if (mapped < 0) {
        std::fprintf(stderr, "%s mapped no window\n", path);
        std::exit(2);
    }
    return {mapped, painted};
}
#endif

} // namespace

int main(int argc, char** argv) {
    const bool x11 = argc == 5 && std::strcmp(argv[4], "--x11") == 0;
    if (argc != 4 && !x11) {
        std::fprintf(stderr, "usage: %s <runs> <game-probe> <floor-probe> [--x11]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    runOnce(argv[2]); // warm the file cache for both
    runOnce(argv[3]);
    std::vector<double> gameMs, floorMs;
    std::vector<long> gameKb, floorKb;
    for (int i = 0; i < runs; ++i) {
        const Run g = runOnce(argv[2]);
        const Run f = runOnce(argv[3]);
        gameMs.push_back(g.ms);
        floorMs.push_back(f.ms);
        gameKb.push_back(g.maxRssKb);
        floorKb.push_back(f.maxRssKb);
    }
    std::printf("%-34s %10s %10s %8s\n", "start-up to main menu", "game", "Qt floor", "ratio");
    printRow("offscreen, painted, median (ms)", median(gameMs), median(floorMs));
    printRow("peak memory, median (KiB)", static_cast<double>(median(gameKb)),
             static_cast<double>(median(floorKb)));
    if (x11) {
#ifdef ZLP_HAVE_XCB
        MapWatch watch;
        mappedOnce(watch, argv[2]);
        mappedOnce(watch, argv[3]);
        std::vector<double> gameMap, floorMap, gamePaint, floorPaint;
        for (int i = 0; i < runs; ++i) {
            const XRun g = mappedOnce(watch, argv[2]);
            const XRun f = mappedOnce(watch, argv[3]);
            gameMap.push_back(g.mappedMs);
            floorMap.push_back(f.mappedMs);
            gamePaint.push_back(g.paintedMs);
            floorPaint.push_back(f.paintedMs);
        }
        printRow("X11, first window mapped (ms)", median(gameMap), median(floorMap));
        printRow("X11, painted and ended (ms)", median(gamePaint), median(floorPaint));
#else
        std::printf("(X11 timing left out: built without xcb)\n");
#endif
    }
    std::printf("(%d runs each, alternating; medians)\n", runs);
    return 0;
}
