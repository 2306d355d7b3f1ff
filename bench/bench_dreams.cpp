// A full dream search (all four fields, case-blind, anywhere in the field) over a dream
// folder ten times the shipped one, and grep -c over the same files in the same run for
// scale; "ratio" is how many times longer the search takes than grep (the shell and grep
// started for each run included), "cpu_ratio" the same in processor time, which other
// work on the machine disturbs less. The shipped folder has about 1,160 lines in 211 kB;
// the folder here is generated to ten times its bytes: Czech lines of about the same
// length, titles of one to four adjacent lines, some meanings with ";", and the text
// searched for ("pes") in one line of 25, about as often as in the shipped folder.
#include "data/dreams.h"
#include "platform/text.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBytes = 10 * 211'403;

const char* const kSyllables[] = {"ač", "ko", "ře", "la", "ní",  "po", "ště", "vá",
                                  "mu", "dí", "ka", "ro", "žal", "ný", "se",  "tů"};
const char* const kRefinements[] = {"obecně",    "vidět ho", "štěkající", "ve vodě",
                                    "koupit si", "ztratit",  "",          "černý a veliký"};
const char* const kMeanings[] = {
    "Sen o této věci slibuje klidné dny a dobrou zprávu od člověka, kterého jste dlouho "
    "neviděli; podle lidových výkladů přijde nečekaně.",
    "Kdo ve snu vidí psa, najde věrného přítele. Štěkající ohař ohlašuje hádku, která se "
    "brzy urovná, a spící radí nechat věci plynout.",
    "Staré snáře tu vidí varování před ukvapeným slovem. Dejte si pozor na sliby, které "
    "nemůžete splnit, a dopřejte si trochu odpočinku.",
    "Znamení změny: to, co vás dlouho tížilo, odložíte; cesta, která se otevírá, vede k "
    "lepším časům a k radosti v rodině.",
};
const char* const kSources[] = {"Redakce Tarveniku", "Lidový snář", ""};
// The meaning of every 25th line: the one the search finds.
const char* const kFound = "Hlídací pes ve snu slibuje ochranu domova a věrnost přátel; kdo "
                           "ho ve snu krmí, dočká se vděku.";

struct Folder {
    fs::path app;
    std::string files; // the letter files' paths, quoted, for the shell
    std::size_t bytes = 0;

    ~Folder() {
        std::error_code ignored;
        fs::remove_all(app, ignored);
    }
};

Folder* makeFolder() {
    auto* folder = new Folder;
    folder->app = fs::temp_directory_path() / ("tarvenik-bench-sny-" + std::to_string(::getpid()));
    fs::create_directories(folder->app / "Data" / "Sny");
    std::mt19937 random(15);
    const std::size_t perLetter = kBytes / kDreamLetters.size();
    for (const char letter : kDreamLetters) {
        std::vector<DreamLine> lines;
        std::size_t written = 0; // one byte per character in the file
        while (written < perLetter) {
            std::string title(1, letter);
            for (int s = 0; s < 3; ++s) {
                title += kSyllables[random() % std::size(kSyllables)];
            }
            const std::size_t adjacent = 1 + random() % 4;
            for (std::size_t i = 0; i < adjacent && written < perLetter; ++i) {
                lines.push_back(
                    {title, kRefinements[random() % std::size(kRefinements)],
                     lines.size() % 25 == 0 ? kFound : kMeanings[random() % std::size(kMeanings)],
                     kSources[random() % std::size(kSources)]});
                const DreamLine& l = lines.back();
                written += charCount(l.title) + charCount(l.refinement) + charCount(l.meaning) +
                           charCount(l.source) + 6; // four ";" and CR LF
            }
        }
        const auto bytes = encodeDreamFile(lines);
        if (!bytes) {
            std::abort(); // the generator above writes only what the format holds
        }
        const fs::path file = dreamFilePath(folder->app, letter);
        std::ofstream(file, std::ios::binary) << *bytes;
        folder->files += " '" + file.string() + "'";
        folder->bytes += bytes->size();
    }
    return folder;
}

double millisecondsOf(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Processor time of the children waited for so far (the shells and greps).
double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return millisecondsOf(usage.ru_utime) + millisecondsOf(usage.ru_stime);
}

double ownCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

const Folder& folder() {
    static const std::unique_ptr<Folder> made(makeFolder());
    return *made;
}

void BM_HledejVersusGrep(benchmark::State& state) {
    const Folder& f = folder();
    const DreamSearch search{
        "pes",
        false,
        false,
        {DreamField::Title, DreamField::Refinement, DreamField::Meaning, DreamField::Source}};
    // ASCII-only case folding, as the search folds.
    const std::string grep = "LC_ALL=C grep -c -i -F -e pes" + f.files + " > /dev/null";
    using Clock = std::chrono::steady_clock;
    Clock::duration grepTime{};
    Clock::duration searchTime{};
    double grepCpu = 0;
    double searchCpu = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const double c0 = childrenCpuMs();
        const auto t0 = Clock::now();
        const int rc = std::system(grep.c_str());
        const auto t1 = Clock::now();
        const double c1 = ownCpuMs();
        const auto entries = Hledej(f.app, search);
        const auto t2 = Clock::now();
        searchCpu += ownCpuMs() - c1;
        grepCpu += childrenCpuMs() - c0;
        if (rc != 0 || !entries) {
            state.SkipWithError("grep or the search failed");
            break;
        }
        found = entries->size();
        grepTime += t1 - t0;
        searchTime += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double grepMs = std::chrono::duration<double, std::milli>(grepTime).count() / n;
    const double searchMs = std::chrono::duration<double, std::milli>(searchTime).count() / n;
    state.counters["folder_MB"] = static_cast<double>(f.bytes) / (1024.0 * 1024.0);
    state.counters["entries_found"] = static_cast<double>(found);
    state.counters["grep_ms"] = grepMs;
    state.counters["hledej_ms"] = searchMs;
    state.counters["ratio"] = searchMs / grepMs;
    state.counters["grep_cpu_ms"] = grepCpu / n;
    state.counters["hledej_cpu_ms"] = searchCpu / n;
    state.counters["cpu_ratio"] = searchCpu / grepCpu;
}
BENCHMARK(BM_HledejVersusGrep)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
