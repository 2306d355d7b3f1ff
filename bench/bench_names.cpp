// The names dictionary's two costly paths on a names folder ten times the shipped one (each
// letter file repeated ten times, generated here), each against `grep -c` over the same
// files: hledej over all letters, and the names window listing the largest letter.
#include "bench/paired.h"
#include "bench/tenfold.h"
#include "data/namesearch.h"
#include "ui/UnitJmena.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

const bench::TenfoldFolder& folder() {
    static const bench::TenfoldFolder tenfold(
        TARVENIK_APP_DIR, kNameLetters.size(), [](const fs::path& app, std::size_t i) {
            return nameFilePath(app, kNameLetters.substr(i, 1));
        });
    return tenfold;
}

// A full search (every field, a part of it, case-blind) for a frequent text.
const char* const kText = "jan";

void BM_NamesSearch(benchmark::State& state) {
    NameSearch search;
    search.text = kText;
    std::size_t found = 0;
    bench::timePaired(
        state, [&] { found = hledej(folder().root(), search, NameFilter{}).records.size(); },
        [] { return bench::grepCount(kText, folder().files()); });
    state.counters["found"] = static_cast<double>(found);
    state.counters["MB"] = folder().megabytes();
}
BENCHMARK(BM_NamesSearch)->Unit(benchmark::kMillisecond)->Iterations(20);

// The largest letter of the tenfold folder, listed by a click in the names window, its count
// label repainted for every record as a user sees it; grep counts over the same file.
void BM_BrowseLargestLetter(benchmark::State& state) {
    const auto& files = folder().files();
    const auto largest = std::max_element(files.begin(), files.end(), [](auto& a, auto& b) {
        return fs::file_size(a) < fs::file_size(b);
    });
    const auto row = static_cast<int>(largest - files.begin());
    TFrmJmena window(nullptr, QString::fromStdString(folder().root().string() + "/"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window never showed");
        return;
    }
    bench::timePaired(
        state,
        [&] {
            window.ListBoxPismena->clearSelection();
            window.ListBoxPismena->setCurrentRow(row);
        },
        [&] { return bench::grepCount(kText, {*largest}); });
    state.SetLabel(std::string(1, kNameLetters[static_cast<std::size_t>(row)]));
    state.counters["records"] = static_cast<double>(window.records().size());
    state.counters["MB"] = static_cast<double>(fs::file_size(*largest)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_BrowseLargestLetter)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
