#pragma once
// What the benchmarks behind bench/run share: our figure and its reference timed in turn in
// one loop, so that on a shared machine both meet the same load, reported as medians; and a
// reference program (grep, unrtf) run with its output going nowhere.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace tarvenik::bench {

inline double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

template <class F> double millisecondsOf(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Runs `ours` and then `reference` once per iteration; the medians of their wall times go
// to the counters "ours_ms" and "reference_ms". A reference returning false stops the run.
template <class Ours, class Reference>
void timePaired(benchmark::State& state, Ours&& ours, Reference&& reference) {
    std::vector<double> oursMs, referenceMs;
    for (auto _ : state) {
        oursMs.push_back(millisecondsOf(ours));
        bool ok = true;
        referenceMs.push_back(millisecondsOf([&] { ok = reference(); }));
        if (!ok) {
            state.SkipWithError("the reference failed");
            return;
        }
    }
    state.counters["ours_ms"] = median(std::move(oursMs));
    state.counters["reference_ms"] = median(std::move(referenceMs));
}

// Runs a program found on PATH in the C locale (so grep -i folds a-z only, as our searches
// do), its output going to /dev/null; its exit status, or -1 when it cannot be started.
inline int runQuiet(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::string locale = "LC_ALL=C";
    char* env[] = {locale.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// grep -c -a -i TEXT FILES...: a count over the same bytes a search reads. True when grep
// ran (found or not).
inline bool grepCount(const std::string& text, const std::vector<std::string>& files) {
    std::vector<std::string> args{"grep", "-c", "-a", "-i", "-F", "-e", text};
    args.insert(args.end(), files.begin(), files.end());
    const int status = runQuiet(std::move(args));
    return status == 0 || status == 1;
}

} // namespace tarvenik::bench
