// The names dictionary's two costly paths. hledej over a names folder ten times the shipped
// one (each letter file repeated ten times, generated here), against `grep -c` over the
// same files in the same run; and the names window listing the largest shipped letter,
// its count label repainted for every record, as a user sees it.
#include "data/namesearch.h"
#include "platform/atomicfile.h"
#include "ui/UnitJmena.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char** environ;

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

// The texts searched: a frequent one, and one found nowhere, which every field is read for.
const char* const kTexts[] = {"jan", "qqq"};

void BM_Hledej(benchmark::State& state) {
    NameSearch search;
    search.text = kTexts[state.range(0)];
    std::size_t found = 0;
    for (auto _ : state) {
        const NameListing listing = hledej(folder().root(), search, NameFilter{});
        found = listing.records.size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(search.text);
    state.counters["found"] = static_cast<double>(found);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * folder().bytes()));
}
BENCHMARK(BM_Hledej)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// grep -c -a -i TEXT over the 26 files, in the C locale so that -i folds a-z only, as
// hledej does; its output goes nowhere.
void BM_GrepCount(benchmark::State& state) {
    const std::string text = kTexts[state.range(0)];
    std::vector<std::string> args{"grep", "-c", "-a", "-i", text};
    args.insert(args.end(), folder().files().begin(), folder().files().end());
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
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), env) != 0) {
            state.SkipWithError("grep cannot be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    state.SetLabel(text);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * folder().bytes()));
}
BENCHMARK(BM_GrepCount)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The largest letter of the shipped data, listed by a click in the names window; arg 1
// lists it from the tenfold folder.
void BM_BrowseLargestLetter(benchmark::State& state) {
    const fs::path app = state.range(0) == 0 ? kShipped : folder().root();
    int largest = 0;
    std::uintmax_t largestSize = 0;
    for (int i = 0; i < static_cast<int>(kNameLetters.size()); ++i) {
        const auto size = fs::file_size(
            nameFilePath(app, std::string(1, kNameLetters[static_cast<std::size_t>(i)])));
        if (size > largestSize) {
            largest = i;
            largestSize = size;
        }
    }
    TFrmJmena window(nullptr, QString::fromStdString(app.string() + "/"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window never showed");
        return;
    }
    for (auto _ : state) {
        window.ListBoxPismena->clearSelection();
        window.ListBoxPismena->setCurrentRow(largest);
    }
    state.SetLabel(std::string(1, kNameLetters[static_cast<std::size_t>(largest)]));
    state.counters["records"] = static_cast<double>(window.records().size());
}
BENCHMARK(BM_BrowseLargestLetter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

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
