// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the trainer and two minimal Qt Widgets programs in turn, many times, and prints the time from
// process start to the first painted window and the peak memory of each. One baseline is an empty
// window; the other shows one label of Swedish text, so that it reads the font configuration, loads a
// font and draws glyphs, as any program that shows text must. Then it counts the instructions of one
// start of each to its first paint under callgrind, on the offscreen platform and, when there is a
// display, on X: a count does not depend on how busy the machine is, a time does.
// Run it under a display (xvfb-run -a build/bench/bench_startup) or with QT_QPA_PLATFORM=offscreen.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    pid_t pid = 0;
    bool ok = false;
};

// The environment of this process with one variable set to a value of its own (none when name is empty).
std::vector<std::string> environmentWith(const std::string &name, const std::string &value)
{
    std::vector<std::string> variables;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        if (name.empty() || std::strncmp(*entry, (name + '=').c_str(), name.size() + 1) != 0)
            variables.emplace_back(*entry);
    }
    if (!name.empty())
        variables.push_back(name + '=' + value);
    return variables;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> list;
    for (std::string &s : strings)
        list.push_back(s.data());
    list.push_back(nullptr);
    return list;
}

// Starts a program and waits until it reports its first painted window and has ended.
Run startOnce(std::vector<std::string> arguments, std::vector<std::string> environment)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char *> argv = pointers(arguments);
    std::vector<char *> envp = pointers(environment);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&run.pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
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
    wait4(run.pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    run.ok = got > 0 && std::strncmp(buffer, "painted", 7) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string findOnPath(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t begin = 0;
    while (begin <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', begin), folders.size());
        const std::string candidate = (end > begin ? folders.substr(begin, end - begin) : ".") + '/' + name;
        struct stat info{};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        begin = end + 1;
    }
    return {};
}

// The total instruction count of one start under callgrind. The programs end the moment their first
// paint has been flushed, so the whole process is the start. A process the program forks (the
// session bus library does under X) writes a file of its own; only the program's own counts.
std::optional<std::uint64_t> countInstructions(const std::string &valgrind, const std::string &program,
                                               const std::string &platform)
{
    std::error_code ignored;
    std::string pattern = (std::filesystem::temp_directory_path(ignored) / "bench_startup.XXXXXX").string();
    const char *folder = mkdtemp(pattern.data());
    if (folder == nullptr)
        return std::nullopt;
    const Run run = startOnce({valgrind, "--tool=callgrind", "--quiet",
                               std::string("--callgrind-out-file=") + folder + "/callgrind.%p", program},
                              environmentWith("QT_QPA_PLATFORM", platform));
    std::optional<std::uint64_t> count;
    std::ifstream file(std::string(folder) + "/callgrind." + std::to_string(run.pid));
    for (std::string line; run.ok && std::getline(file, line);) {
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0)
            count = std::strtoull(line.c_str() + line.find(':') + 1, nullptr, 10);
    }
    std::filesystem::remove_all(folder, ignored);
    return count;
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
    constexpr int kPrograms = 3;  // the trainer first; the ratios compare it with each of the others
    const std::string programs[kPrograms] = {folder + "/bench_startup_trainer", folder + "/bench_startup_label",
                                             folder + "/bench_startup_minimal"};
    const char *names[kPrograms] = {"trainer", "label window", "empty window"};
    const std::vector<std::string> environment = environmentWith({}, {});

    std::vector<double> times[kPrograms];
    std::vector<long> peaks[kPrograms];
    for (int warm = 0; warm < 2; ++warm) {
        for (const std::string &program : programs)
            startOnce({program}, environment);  // fill the file cache
    }
    std::vector<double> ratios[kPrograms];
    for (int r = 0; r < rounds; ++r) {
        // Each round starts every program back to back, taking turns at going first, so that a slow
        // spell of the shared machine weighs on all of them alike.
        for (int i = 0; i < kPrograms; ++i) {
            const int p = (r + i) % kPrograms;
            const Run run = startOnce({programs[p]}, environment);
            if (!run.ok) {
                std::fprintf(stderr, "%s did not report a painted window\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(run.seconds);
            peaks[p].push_back(run.peakKiB);
        }
        for (int p = 1; p < kPrograms; ++p)
            ratios[p].push_back(times[0].back() / times[p].back());
    }
    for (int p = 0; p < kPrograms; ++p)
        std::printf("%-13s first paint: median %.1f ms, best %.1f ms; peak memory: median %.1f MiB\n", names[p],
                    median(times[p]) * 1e3, *std::min_element(times[p].begin(), times[p].end()) * 1e3,
                    median(peaks[p]) / 1024.0);
    // The goal: within a tenth of the least program that shows text.
    for (int p = 1; p < kPrograms; ++p)
        std::printf("trainer / %s: time %.2f%s, memory %.2f; unpaired, the medians' time ratio %.2f\n", names[p],
                    median(ratios[p]), p == 1 ? " (goal at most 1.1)" : "",
                    double(median(peaks[0])) / double(median(peaks[p])), median(times[0]) / median(times[p]));
    std::printf("%d rounds\n", rounds);

    const std::string valgrind = findOnPath("valgrind");
    if (valgrind.empty()) {
        std::printf("valgrind not found on PATH (Debian package valgrind): no instruction counts\n");
        return 0;
    }
    // X needs a display; offscreen works anywhere.
    const bool x = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
    const char *platforms[2] = {"offscreen", "xcb"};
    std::optional<std::uint64_t> counts[kPrograms][2];
    for (int p = 0; p < kPrograms; ++p) {
        for (int q = 0; q < (x ? 2 : 1); ++q) {
            counts[p][q] = countInstructions(valgrind, programs[p], platforms[q]);
            if (!counts[p][q]) {
                std::fprintf(stderr, "%s under callgrind (%s) gave no count\n", programs[p].c_str(), platforms[q]);
                return 1;
            }
        }
    }
    std::printf("\ninstructions to the first paint, one start each (callgrind)\n");
    std::printf("%-22s %10s%s\n", "", "offscreen", x ? "  X display" : "");
    for (int p = 0; p < kPrograms; ++p) {
        std::printf("%-22s %8.1f M", names[p], double(*counts[p][0]) / 1e6);
        if (x)
            std::printf(" %8.1f M", double(*counts[p][1]) / 1e6);
        std::printf("\n");
    }
    for (int p = 1; p < kPrograms; ++p) {
        std::printf("trainer / %-12s %10.2f", names[p], double(*counts[0][0]) / double(*counts[p][0]));
        if (x)
            std::printf(" %10.2f", double(*counts[0][1]) / double(*counts[p][1]));
        std::printf("%s\n", p == 1 ? "   (goal at most 1.1)" : "");
    }
    if (!x)
        std::printf("(no DISPLAY: run under xvfb-run for the counts on X as well)\n");
    return 0;
}
