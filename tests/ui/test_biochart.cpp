#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/BioChart.h"
#include "ui/qtext.h"

#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include <algorithm>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

DateTime at(int y, int m, int d, int h = 0) {
    return *DateTime::fromDate(y, m, d, h);
}

const DateTime kBirth = at(1975, 3, 5);
const DateTime kFrom = at(2026, 12, 8, 10);

// Jan's chart of 31 days, 8.12.2026 to 7.1.2027, seen on 15.12.2026.
void showMonth(BioChart& chart) {
    chart.resize(380, 300);
    chart.setRange(kBirth, kFrom, at(2027, 1, 7, 10), at(2026, 12, 15, 14));
}

} // namespace

class TestBioChart : public QObject {
    Q_OBJECT
private slots:
    void todayIsMarkedAtItsDay() {
        BioChart chart(nullptr, {});
        showMonth(chart);
        const QImage image = chart.grab().toImage();
        const PlotArea area = chart.plotArea();
        // The marker's triangle above the plot, centred on day 7 of 30.
        const int row = static_cast<int>(area.top) - 4;
        std::vector<int> marked;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, row) == BioChart::kTodayColour) {
                marked.push_back(x);
            }
        }
        QVERIFY(!marked.empty());
        const double expected = area.left + area.width * 7 / 30;
        QVERIFY2(std::abs((marked.front() + marked.back()) / 2.0 - expected) <= 1.0,
                 qPrintable(QStringLiteral("%1..%2, expected %3")
                                .arg(marked.front())
                                .arg(marked.back())
                                .arg(expected)));
        QVERIFY(marked.back() - marked.front() <= 10);

        // Seen on a day outside the range: no marker.
        chart.setRange(kBirth, kFrom, at(2027, 1, 7, 10), at(2027, 1, 8));
        const QImage without = chart.grab().toImage();
        for (int x = 0; x < without.width(); ++x) {
            QVERIFY(without.pixel(x, row) != BioChart::kTodayColour);
        }
    }

    void aMonthHasOnePointPerDayOnItsValue() {
        BioChart chart(nullptr, {});
        showMonth(chart);
        const PlotArea area = chart.plotArea();
        for (BioCycle cycle : kBioCycles) {
            const QPolygonF curve = chart.curve(cycle);
            QCOMPARE(curve.size(), 31);
            for (int i = 0; i < curve.size(); ++i) {
                QCOMPARE(curve[i].x(), area.left + area.width * i / 30);
                const double value = biorhythmDay(kBirth, kFrom, i).value(cycle);
                QCOMPARE(curve[i].y(), area.top + (100 - value) / 200 * area.height);
            }
        }
        // The chart follows its size; a two-year range gets at most a point per column.
        chart.resize(500, 300);
        QCOMPARE(chart.curve(BioCycle::Physical).back().x(),
                 chart.plotArea().left + chart.plotArea().width);
        chart.setRange(kBirth, kFrom, kFrom.addDays(730), kFrom);
        QVERIFY(chart.curve(BioCycle::Emotional).size() <= chart.plotArea().width);
    }

    void tooltipShowsTheDayUnderTheMouse() {
        BioChart chart(nullptr, {});
        QCOMPARE(chart.toolTipAt(QPointF(200, 150)), QString());
        showMonth(chart);
        const PlotArea area = chart.plotArea();
        const QPointF day7(area.left + area.width * 7 / 30 + 2, area.top + area.height / 3);
        const QString tip =
            QStringLiteral("úterý 15.12.2026\nFyzička: 94%\nPsychika: 22%\nInteligence: 69%");
        QCOMPARE(chart.toolTipAt(day7), tip);
        QCOMPARE(chart.toolTipAt(QPointF(area.left - 2, day7.y())), QString());
        QCOMPARE(chart.toolTipAt(QPointF(day7.x(), area.top + area.height + 2)), QString());

        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QHelpEvent help(QEvent::ToolTip, day7.toPoint(), chart.mapToGlobal(day7.toPoint()));
        QApplication::sendEvent(&chart, &help);
        QTRY_COMPARE(QToolTip::text(), tip);
    }

    void aMonthAndTwoYearsPaintQuickly() {
        BioChart chart(nullptr, {});
        QImage image(QSize(380, 300), QImage::Format_ARGB32_Premultiplied);
        chart.resize(image.size());
        for (int days : {31, 730}) {
            chart.setRange(kBirth, kFrom, kFrom.addDays(days), kFrom.addDays(20));
            std::vector<qint64> times;
            for (int i = 0; i < 11; ++i) {
                QElapsedTimer timer;
                timer.start();
                chart.render(&image);
                times.push_back(timer.nsecsElapsed());
            }
            std::sort(times.begin(), times.end());
            qInfo("%d days painted in %.2f ms (median of 11), %.2f ms at most", days,
                  static_cast<double>(times[5]) / 1e6, static_cast<double>(times.back()) / 1e6);
            QVERIFY(times[5] < 30'000'000);
        }
    }

    void savesThePictureAsPng() {
        DialogRecorder dialogs;
        TempFolder dir;
        BioChart chart(nullptr, fromPath(dir.path()));
        QCOMPARE(chart.findChild<QMenu*>()->actions().front()->text(),
                 QStringLiteral("Uložit obrázek..."));
        chart.saveImage(); // nothing drawn: no dialog
        QVERIFY(dialogs.calls.empty());

        showMonth(chart);
        dialogs.fileAnswers.push_back(fromPath(dir / "graf"));
        chart.saveImage();
        const auto asked = dialogs.callsOf(QStringLiteral("saveFile"));
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].text, fromPath(dir.path()));
        QCOMPARE(asked[0].filters, QStringList{QStringLiteral("*.png (*.png)")});
        const QImage saved(fromPath(dir / "graf.png"), "PNG");
        QCOMPARE(saved.size(), chart.size());

        // A folder that does not exist: reported, nothing written.
        dialogs.fileAnswers.push_back(fromPath(dir / "chybi" / "graf.png"));
        chart.saveImage();
        const auto errors = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QVERIFY2(errors[0].text.contains(QStringLiteral("nelze uložit")),
                 qPrintable(errors[0].text));
        QVERIFY(!std::filesystem::exists(dir / "chybi"));
    }
};

QTEST_MAIN(TestBioChart)
#include "test_biochart.moc"
