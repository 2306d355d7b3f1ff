// The report on the shipped data, each against a floor measured in the same loop:
// - its computation below the window (both persons with their name days and numerology
//   numbers, the horoscope set, both name records) against reading the files it reads;
// - the largest horoscope text shown in the report view with its cut, against Qt's own
//   text view taking the same text as HTML.
#include "bench/paired.h"
#include "bench/scratchapp.h"
#include "data/names.h"
#include "platform/atomicfile.h"
#include "report/report.h"
#include "tests/support/DialogRecorder.h"
#include "ui/RichView.h"
#include "ui/UnitVypis.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace tarvenik;
namespace fs = std::filesystem;

namespace {

const bench::ScratchApp& app() {
    static const bench::ScratchApp scratch(TARVENIK_APP_DIR);
    return scratch;
}

const DateTime kNow = *DateTime::fromDate(2026, 12, 8);

void BM_Report(benchmark::State& state) {
    const fs::path& folder = app().path();
    const fs::path files[] = {folder / kPersonFileName, folder / kPersonFileName,
                              folder / "Svatky.ini", nameFilePath(folder, "J"),
                              nameFilePath(folder, "E")};
    bench::timePaired(
        state,
        [&] {
            LoadedPeople loaded = loadReportPeople(folder, folder, app().userRecord,
                                                   app().partnerRecord, kNow.year());
            benchmark::DoNotOptimize(computeHoroscopes(loaded.people, kNow));
            benchmark::DoNotOptimize(lookUpNameRecords(folder, loaded.people));
        },
        [&] {
            for (const fs::path& f : files) {
                if (!readFileBytes(f)) {
                    return false;
                }
            }
            return true;
        });
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->Iterations(50);

fs::path largestHoroscopeText() {
    fs::path largest;
    std::uintmax_t size = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(TARVENIK_APP_DIR) / "Data" / "Horoskopy")) {
        if (entry.path().extension() == ".rtf" && entry.file_size() > size) {
            largest = entry.path();
            size = entry.file_size();
        }
    }
    return largest;
}

void BM_HoroscopeText(benchmark::State& state) {
    test::DialogRecorder dialogs; // the partner's missing ascendant is a message
    const QString folder = QString::fromStdString(app().path().string() + "/");
    TFrmVypis report(
        nullptr, folder, folder, QString::fromStdString(app().userRecord),
        QString::fromStdString(app().partnerRecord), true,
        [] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0)); }, std::chrono::milliseconds(0));
    report.show();
    const fs::path largest = largestHoroscopeText();
    if (!QTest::qWaitForWindowExposed(&report) ||
        largest.parent_path().filename() != horoscopeFolderName(HoroscopeSystem::ImperialChinese) ||
        largest.stem() != report.horoscopes().signs.user.chineseSeason) {
        state.SkipWithError(
            ("the largest text is not the person's imperial one: " + largest.string()).c_str());
        return;
    }
    // The same text as Qt's own HTML, in a plain view of the same size and font.
    report.BtnCisarsky->click();
    QTextEdit plain;
    plain.setFont(report.RichEdit1->font());
    plain.resize(report.RichEdit1->size());
    plain.show();
    const QString html = report.RichEdit1->toHtml();
    bench::timePaired(
        state,
        [&] {
            report.BtnCisarsky->click();
            report.RichEdit1->repaint();
        },
        [&] {
            plain.setHtml(html);
            plain.repaint();
            return true;
        });
    state.SetLabel(largest.filename().string());
    state.counters["kB"] = static_cast<double>(fs::file_size(largest)) / 1024.0;
}
BENCHMARK(BM_HoroscopeText)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
