// SPDX-License-Identifier: GPL-3.0-or-later
// Times two programs side by side as whole processes, alternating runs, and
// reports median wall time and peak memory of each and their ratios.
//   startup-compare <runs> <game-probe> <floor-probe>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <spawn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms;
    long maxRssKb;
};

Run runOnce(const char* path) {
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(path), nullptr};
    const auto start = std::chrono::steady_clock::now();
    // The probes' own chatter on standard error would drown the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, path, &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror(path);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path, status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <runs> <game-probe> <floor-probe>\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
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
    const double gm = median(gameMs), fm = median(floorMs);
    const long gk = median(gameKb), fk = median(floorKb);
    std::printf("%-28s %12s %12s %8s\n", "start-up to main menu", "game", "Qt floor", "ratio");
    std::printf("%-28s %12.1f %12.1f %8.2f\n", "wall time, median (ms)", gm, fm, gm / fm);
    std::printf("%-28s %12ld %12ld %8.2f\n", "peak memory, median (KiB)", gk, fk,
                static_cast<double>(gk) / static_cast<double>(fk));
    std::printf("(%d runs each, alternating; offscreen platform)\n", runs);
    return 0;
}
