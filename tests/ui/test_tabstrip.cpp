#include "ui/TabStrip.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvenik;

class TestTabStrip : public QObject {
    Q_OBJECT
private slots:
    void tabsWrapIntoRowsWhenNarrow() {
        TabStrip strip;
        for (const char* caption : {"Jak číst", "A a A", "A a B", "A a AB", "A a 0", "B a B"}) {
            strip.addTab(QString::fromUtf8(caption));
        }
        const int wide = strip.heightForWidth(2000);
        const int narrow = strip.heightForWidth(150);
        QVERIFY(wide > 0);
        QVERIFY(narrow >= 3 * wide); // at least three rows
        TabStrip empty;
        QCOMPARE(empty.heightForWidth(300), 0);
    }

    void currentTabAndSignals() {
        TabStrip strip;
        QSignalSpy changed(&strip, &TabStrip::currentChanged);
        strip.addTab(QStringLiteral("Povaha"));
        strip.addTab(QStringLiteral("Láska"));
        strip.addTab(QStringLiteral("Muž"));
        strip.addTab(QStringLiteral("Žena"));
        QCOMPARE(strip.currentIndex(), 0);
        QCOMPARE(changed.count(), 1);
        strip.setCurrentIndex(3);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toInt(), 3);
        strip.removeTab(3); // the current one: its neighbour takes over
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.currentIndex(), 2);
        QCOMPARE(strip.tabText(2), QStringLiteral("Muž"));
        strip.removeTab(7); // no such tab
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.tabText(7), QString());
    }
};

QTEST_MAIN(TestTabStrip)
#include "test_tabstrip.moc"
