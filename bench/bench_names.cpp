// The names dictionary's two costly paths on a names folder ten times the shipped one (each
// letter file repeated ten times, generated here), each against `grep -c` over the same
// files: hledej over all letters, and the names window listing the largest letter.
#include "bench/paired.h"
#include "data/namesearch.h"
#include "platform/atomicfile.h"
#include "ui/UnitJmena.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

constexpr int kCopies = 10;

const fs::path kShipped = TARVENIK_APP_DIR;

// The generated folder, removed when the program ends.
class TenfoldFolder {
public:
    TenfoldFolder() {
        std::random_device rd;
        m_root = fs::temp_directory_path() / ("tarvenik-bench-" + std::to_string(rd()));
        fs::create_directories(nameFilePath(m_root, "A").parent_path());
        for (const char letter : kNameLetters) {
            const std::string name(1, letter);
            const auto bytes = readFileBytes(nameFilePath(kShipped, name));
            if (!bytes) {
                std::fprintf(stderr, "%s\n", bytes.error().text().c_str());
                std::exit(1);
            }
            std::string tenfold;
            for (int i = 0; i < kCopies; ++i) {
                tenfold += *bytes;
            }
            m_bytes += tenfold.size();
            if (!writeFileAtomic(nameFilePath(m_root, name), tenfold)) {
                std::exit(1);
            }
            m_files.push_back(nameFilePath(m_root, name).string());
        }
    }
    ~TenfoldFolder() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    const fs::path& root() const { return m_root; }
    const std::vector<std::string>& files() const { return m_files; }
    std::size_t bytes() const { return m_bytes; }

private:
    fs::path m_root;
    std::vector<std::string> m_files;
    std::size_t m_bytes = 0;
};

const TenfoldFolder& folder() {
    static const TenfoldFolder tenfold;
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
    state.counters["MB"] = static_cast<double>(folder().bytes()) / (1024.0 * 1024.0);
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
