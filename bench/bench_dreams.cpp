// A full dream search on a dream folder ten times the shipped one (each letter file repeated
// ten times), against `grep -c` over the same files: the dream window's Hledej over all four
// fields, a to z folded.
#include "bench/paired.h"
#include "bench/tenfold.h"
#include "data/dreams.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

const bench::TenfoldFolder& folder() {
    static const bench::TenfoldFolder tenfold(
        TARVENIK_APP_DIR, 26,
        [](const fs::path& app, std::size_t i) { return dreamFilePath(app, kDreamLetters[i]); });
    return tenfold;
}

const char* const kText = "pes";

void BM_DreamSearch(benchmark::State& state) {
    std::size_t found = 0;
    bench::timePaired(
        state,
        [&] {
            const DreamSearch search{kText,
                                     false,
                                     false,
                                     {DreamField::Title, DreamField::Refinement,
                                      DreamField::Meaning, DreamField::Source}};
            const auto entries = Hledej(folder().root(), search);
            found = entries ? entries->size() : 0;
        },
        [] { return bench::grepCount(kText, folder().files()); });
    state.counters["found"] = static_cast<double>(found);
    state.counters["MB"] = folder().megabytes();
}
BENCHMARK(BM_DreamSearch)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
