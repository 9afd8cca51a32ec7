// Starts the trainer and a minimal Qt Widgets program in turn, many times, and prints the time from
// process start to the first painted window and the peak memory of each. Run it under a display
// (xvfb-run -a build/bench/bench_startup) or with QT_QPA_PLATFORM=offscreen.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run startOnce(const std::string &program)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    Run run;
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    char buffer[32] = {};
    const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    run.ok = got > 0 && std::strncmp(buffer, "painted", 7) == 0;
    return run;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    const std::string folder = [&] {
        std::string self = argv[0];
        const auto cut = self.rfind('/');
        return cut == std::string::npos ? std::string(".") : self.substr(0, cut);
    }();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::string programs[2] = {folder + "/bench_startup_trainer", folder + "/bench_startup_minimal"};
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    for (int warm = 0; warm < 2; ++warm) {
        for (const std::string &program : programs)
            startOnce(program);  // fill the file cache
    }
    std::vector<double> ratios;
    for (int r = 0; r < rounds; ++r) {
        // Each round starts both programs back to back, taking turns at going first, so that a slow
        // spell of the shared machine weighs on both alike.
        for (int i = 0; i < 2; ++i) {
            const int p = (r + i) % 2;
            const Run run = startOnce(programs[p]);
            if (!run.ok) {
                std::fprintf(stderr, "%s did not report a painted window\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(run.seconds);
            peaks[p].push_back(run.peakKiB);
        }
        ratios.push_back(times[0].back() / times[1].back());
    }
    const char *names[2] = {"trainer", "minimal Qt window"};
    for (int p = 0; p < 2; ++p)
        std::printf("%-18s first paint: median %.1f ms, best %.1f ms; peak memory: median %.1f MiB\n", names[p],
                    median(times[p]) * 1e3, *std::min_element(times[p].begin(), times[p].end()) * 1e3,
                    median(peaks[p]) / 1024.0);
    std::printf("ratio (trainer / minimal): time %.2f (goal at most 1.2), memory %.2f (goal at most 1.3), %d rounds\n",
                median(ratios), double(median(peaks[0])) / double(median(peaks[1])), rounds);
    std::printf("(time ratio of the medians, unpaired: %.2f)\n", median(times[0]) / median(times[1]));
    return 0;
}
