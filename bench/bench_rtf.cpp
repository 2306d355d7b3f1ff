// Reading and writing a 2 MB RTF text, and the same file through unrtf --text for scale
// (skipped when unrtf is not installed). The document is generated here: titles, labelled
// lines and Czech body text, as the program's own texts look.
#include "platform/rich.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace tarvenik;

namespace {

constexpr std::size_t kTargetBytes = 2 * 1024 * 1024;

RichDoc makeDocument() {
    static const char* const kBody[] = {
        "Lidé narození v tomto znamení jsou přímí, odvážní a plní energie; "
        "rádi začínají nové věci a nebojí se překážek.",
        "Ve vztazích hledají partnera, který udrží jejich tempo, a oceňují upřímnost více "
        "než dlouhé řeči – „slovo dělá muže“.",
        "Příliš žluťoučký kůň úpěl ďábelské ódy; Ťukání v šeru, řeřicha a čočka.",
        "Planeta: Mars — živel oheň, barva červená, kámen diamant, číslo 9 (€ 12,50).",
    };
    RichDoc doc;
    CharStyle title;
    title.bold = true;
    title.halfPoints = 28;
    CharStyle source;
    source.halfPoints = 16;
    source.color = kSilver;
    std::size_t bytes = 0;
    for (int section = 0; bytes < kTargetBytes; ++section) {
        appendLine(doc, "Znamení č. " + std::to_string(section), title, Alignment::Center);
        appendLine(doc, "");
        appendLine(doc, "Povaha: " + std::string(kBody[section % 4]));
        appendLine(doc, "Láska: " + std::string(kBody[(section + 1) % 4]));
        appendLine(doc, kBody[(section + 2) % 4], {}, Alignment::Justify);
        appendLine(doc, "Ж ☺ " + std::string(kBody[(section + 3) % 4]));
        appendLine(doc, "    Zdroj: lidová tradice", source);
        bytes += 1000; // about what one section writes
        if (section % 256 == 255) {
            bytes = writeRtf(doc).size();
        }
    }
    boldLabels(doc);
    return doc;
}

const RichDoc& document() {
    static const RichDoc doc = makeDocument();
    return doc;
}

const std::string& rtf() {
    static const std::string bytes = writeRtf(document());
    return bytes;
}

double megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void BM_ReadRtf(benchmark::State& state) {
    const std::string& bytes = rtf();
    for (auto _ : state) {
        Result<RichDoc> doc = readRtf(bytes);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["file_MB"] = megabytes(bytes.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    const RichDoc& doc = document();
    std::size_t written = 0;
    for (auto _ : state) {
        std::string out = writeRtf(doc);
        written = out.size();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * written));
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

// unrtf --text and our reader on the same file, timed in turn; "speedup" is how many
// times faster the reader is.
void BM_UnrtfTextVersusReader(benchmark::State& state) {
    if (std::system("command -v unrtf > /dev/null 2>&1") != 0) {
        state.SkipWithError("unrtf is not installed");
        return;
    }
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "tarvenik-bench-rtf.rtf";
    std::ofstream(file, std::ios::binary) << rtf();
    const std::string command = "unrtf --text '" + file.string() + "' > /dev/null 2>&1";
    using Clock = std::chrono::steady_clock;
    Clock::duration unrtf{};
    Clock::duration ours{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        const int rc = std::system(command.c_str());
        auto t1 = Clock::now();
        Result<RichDoc> doc = readRtf(rtf());
        benchmark::DoNotOptimize(doc);
        auto t2 = Clock::now();
        if (rc != 0) {
            state.SkipWithError("unrtf failed");
            break;
        }
        unrtf += t1 - t0;
        ours += t2 - t1;
    }
    std::filesystem::remove(file);
    const double n = static_cast<double>(state.iterations());
    const double unrtfSeconds = std::chrono::duration<double>(unrtf).count() / n;
    const double oursSeconds = std::chrono::duration<double>(ours).count() / n;
    const double mb = megabytes(rtf().size());
    state.counters["unrtf_MB/s"] = mb / unrtfSeconds;
    state.counters["reader_MB/s"] = mb / oursSeconds;
    state.counters["speedup"] = unrtfSeconds / oursSeconds;
}
BENCHMARK(BM_UnrtfTextVersusReader)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
