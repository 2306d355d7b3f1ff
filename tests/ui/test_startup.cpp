// What start-up sets for every window; in a program of its own, since it changes the whole
// application.
#include "ui/Startup.h"
#include "ui/UnitPridat.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QStyle>
#include <QTest>
#include <QToolButton>

using namespace tarvenik;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(*qApp); }

    // The date pickers' calendars name months and days in Czech.
    void qtWidgetsSpeakCzech() {
        TFrmPridat form(nullptr, TFrmPridat::Mode::Add, QDateTime(QDate(2026, 12, 8), QTime()));
        QCalendarWidget* calendar = form.NarDatum->calendarWidget();
        calendar->setCurrentPage(2026, 12);
        auto* month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month);
        QCOMPARE(month->text(), QStringLiteral("prosinec"));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
    }

    void tooltipsComeAtOnce() {
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10);
    }

    // The menu bar's overflow button still gets its picture, made when it is drawn.
    void overflowIconComesWhenDrawn() {
        const QIcon overflow =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!overflow.pixmap(16).isNull());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
