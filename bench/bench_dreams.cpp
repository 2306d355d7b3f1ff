// A full dream search on a dream folder ten times the shipped one (each letter file repeated
// ten times), against `grep -c` over the same files. Until the dream window brings its own
// search, the search is put together here from the dictionary's reader and grouper: every
// letter read and grouped, an entry kept when one of its lines holds the text in any of its
// four fields, a to z folded.
#include "bench/paired.h"
#include "bench/tenfold.h"
#include "data/dreams.h"
#include "platform/text.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

const bench::TenfoldFolder& folder() {
    static const bench::TenfoldFolder tenfold(
        TARVENIK_APP_DIR, 26,
        [](const fs::path& app, std::size_t i) { return dreamFilePath(app, char('A' + i)); });
    return tenfold;
}

const char* const kText = "pes";

std::size_t search(const fs::path& app, const std::string& text) {
    const std::string wanted = asciiUpper(text);
    const auto holds = [&](const std::string& field) {
        return asciiUpper(field).find(wanted) != std::string::npos;
    };
    std::size_t found = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto lines = readDreamFile(dreamFilePath(app, letter));
        if (!lines) {
            return 0;
        }
        for (const DreamEntry& entry : groupDreamEntries(*lines)) {
            bool match = holds(entry.title);
            for (const DreamSubEntry& s : entry.subEntries) {
                match = match || holds(s.refinement) || holds(s.meaning) || holds(s.source);
            }
            found += match ? 1 : 0;
        }
    }
    return found;
}

void BM_DreamSearch(benchmark::State& state) {
    std::size_t found = 0;
    bench::timePaired(
        state, [&] { found = search(folder().root(), kText); },
        [] { return bench::grepCount(kText, folder().files()); });
    state.counters["found"] = static_cast<double>(found);
    state.counters["MB"] = folder().megabytes();
}
BENCHMARK(BM_DreamSearch)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
