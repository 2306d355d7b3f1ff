// Reading and writing a 2 MB RTF text, each against unrtf --text on the same file (skipped
// when unrtf is not installed). The document is generated here: titles, labelled
// lines and Czech body text, as the program's own texts look.
#include "bench/paired.h"
#include "platform/rich.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

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

// Our reader, then our writer, each against unrtf --text converting the same file, in turn.
// "MB" is the file's size, for the throughput in the table.
template <class Ours> void againstUnrtf(benchmark::State& state, Ours&& ours) {
    if (bench::runQuiet({"unrtf", "--version"}) != 0) {
        state.SkipWithError("unrtf is not installed (apt-get install unrtf)");
        return;
    }
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("tarvenik-bench-" + std::to_string(getpid()) + ".rtf");
    std::ofstream(file, std::ios::binary) << rtf();
    bench::timePaired(state, ours, [&] {
        return bench::runQuiet({"unrtf", "--text", file.string()}) == 0;
    });
    std::filesystem::remove(file);
    state.counters["MB"] = static_cast<double>(rtf().size()) / (1024.0 * 1024.0);
}

void BM_RtfRead(benchmark::State& state) {
    againstUnrtf(state, [] { benchmark::DoNotOptimize(readRtf(rtf())); });
}
BENCHMARK(BM_RtfRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RtfWrite(benchmark::State& state) {
    againstUnrtf(state, [] { benchmark::DoNotOptimize(writeRtf(document())); });
}
BENCHMARK(BM_RtfWrite)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
