// The name-day browser: which calendar a press reads, what the table and the status show,
// and the message for a missing calendar.
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitSvatky.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

const QString kMissing =
    QStringLiteral("Soubor se svátky nenalezen, prosím přeinstalujte aplikaci");

QString folderOf(const TempFolder& dir) {
    return fromPath(dir.path()) + QLatin1Char('/');
}

void writeCalendars(const TempFolder& dir) {
    dir.write("Svatky.ini",
              encode1250("[Svátky]\r\n1.1.=Nový rok\r\n4.11.=Karel\r\n24.12.=Adam a Eva\r\n"));
    dir.write("SvatkyEx.ini", encode1250("[Svátky]\r\n1.1.=Nový rok, Den obnovy\r\n"
                                         "11.1.=Bohdana\r\n4.11.=Karel, Karla\r\n"
                                         "24.12.=Adam a Eva\r\n"));
}

QStringList rows(const TFrmSvatky& w) {
    QStringList out;
    for (int r = 0; r < w.ListViewSvatky->rowCount(); ++r) {
        out << w.ListViewSvatky->item(r, 0)->text() + QLatin1Char('=') +
                   w.ListViewSvatky->item(r, 1)->text();
    }
    return out;
}

} // namespace

class TestSvatky : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void opensEmptyWithItsControls() {
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik :: Svátky"));
        QCOMPARE(w.ListViewSvatky->horizontalHeaderItem(0)->text(), QStringLiteral("Datum"));
        QCOMPARE(w.ListViewSvatky->horizontalHeaderItem(1)->text(), QStringLiteral("Svátek"));
        QCOMPARE(w.ListViewSvatky->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(w.ListViewSvatky->rowCount(), 0);
        QCOMPARE(w.ChkBoxRozsirene->text(), QStringLiteral("Použít rozšířené svátky"));
        QCOMPARE(w.ChkBoxVelkaMala->text(), QStringLiteral("Rozlišovat velká a malá písmena"));
        QCOMPARE(w.ChkBoxPresne->text(), QStringLiteral("Vyhledávat pouze přešný text"));
        for (QCheckBox* box : {w.ChkBoxRozsirene, w.ChkBoxVelkaMala, w.ChkBoxPresne}) {
            QVERIFY(!box->isChecked());
        }
        QCOMPARE(w.BtnJmeno->text(), QStringLiteral("Hledej jméno"));
        QCOMPARE(w.BtnDatum->text(), QStringLiteral("Hledej datum"));
        QCOMPARE(w.BtnVse->text(), QStringLiteral("Zobraz vše"));
        QVERIFY(w.LblNalezeno->text().isEmpty());
        QVERIFY(w.LblNalezeno->alignment() & Qt::AlignRight);
        QCOMPARE(w.size(), w.minimumSize());
        QCOMPARE(w.size(), w.maximumSize());
        QVERIFY(w.width() >= 314 && w.height() >= 289);
        QVERIFY(dialogs.calls.empty());
    }

    void theExtendedBoxCountsOnlyAtTheNextPress() {
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.BtnVse->click();
        const QStringList standard{"1.1.=Nový rok", "4.11.=Karel", "24.12.=Adam a Eva"};
        QCOMPARE(rows(w), standard);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: 3"));

        w.ChkBoxRozsirene->click();
        QCOMPARE(rows(w), standard);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: 3"));
        w.BtnVse->click();
        QCOMPARE(w.ListViewSvatky->rowCount(), 4);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: 4"));

        // The searches read the ticked calendar too, and back again once it is cleared.
        w.EditJmeno->setText(QStringLiteral("Karel"));
        w.BtnJmeno->click();
        QCOMPARE(rows(w), QStringList{"4.11.=Karel, Karla"});
        w.ChkBoxRozsirene->click();
        QCOMPARE(rows(w), QStringList{"4.11.=Karel, Karla"});
        w.BtnJmeno->click();
        QCOMPARE(rows(w), QStringList{"4.11.=Karel"});
        QVERIFY(dialogs.calls.empty());
    }

    void searchesTakeTheTwoOptions_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QStringList>("found");
        // Every key ends with a dot: "24.12" is part of a key, never a whole one.
        QTest::newRow("date, part")
            << "BtnDatum"
            << "24.12" << false << false << QStringList{"24.12.=Adam a Eva"};
        QTest::newRow("date, exact") << "BtnDatum"
                                     << "24.12" << true << false << QStringList{};
        QTest::newRow("date, exact key") << "BtnDatum"
                                         << "1.1." << true << false << QStringList{"1.1.=Nový rok"};
        QTest::newRow("name, case-blind")
            << "BtnJmeno"
            << "karel" << false << false << QStringList{"4.11.=Karel"};
        QTest::newRow("name, case kept") << "BtnJmeno"
                                         << "karel" << false << true << QStringList{};
        QTest::newRow("name, empty") << "BtnJmeno"
                                     << "" << false << false << QStringList{};
    }
    void searchesTakeTheTwoOptions() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(bool, exact);
        QFETCH(bool, caseSensitive);
        QFETCH(QStringList, found);
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.BtnVse->click(); // something in the table, which each search replaces
        w.ChkBoxPresne->setChecked(exact);
        w.ChkBoxVelkaMala->setChecked(caseSensitive);
        (button == QLatin1String("BtnDatum") ? w.EDitDatum : w.EditJmeno)->setText(text);
        w.findChild<QPushButton*>(button)->click();
        QCOMPARE(rows(w), found);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: %1").arg(found.size()));
    }

    void enterInAFieldPressesItsButtonOnce() {
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClicks(w.EditJmeno, QStringLiteral("Adam"));
        QTest::keyClick(w.EditJmeno, Qt::Key_Return);
        QCOMPARE(rows(w), QStringList{"24.12.=Adam a Eva"});
        QTest::keyClicks(w.EDitDatum, QStringLiteral("4.11"));
        QTest::keyClick(w.EDitDatum, Qt::Key_Enter);
        QCOMPARE(rows(w), QStringList{"4.11.=Karel"});
        QVERIFY(w.isVisible()); // Enter closes nothing

        // Each Enter is one press: one message each while the calendar is missing.
        std::filesystem::remove(dir / "Svatky.ini");
        QTest::keyClick(w.EditJmeno, Qt::Key_Return);
        QTest::keyClick(w.EDitDatum, Qt::Key_Return);
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{2});
    }

    void aHeaderAloneShowsNothingFound() {
        TempFolder dir;
        writeCalendars(dir);
        dir.write("SvatkyEx.ini", encode1250("[Svátky]\r\n"));
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.BtnVse->click();
        QCOMPARE(w.ListViewSvatky->rowCount(), 3);
        w.ChkBoxRozsirene->setChecked(true);
        w.BtnVse->click();
        QCOMPARE(w.ListViewSvatky->rowCount(), 0);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: 0"));
        QVERIFY(dialogs.calls.empty());
    }

    void aMissingCalendarIsReportedOnEveryPress() {
        TempFolder dir;
        writeCalendars(dir);
        std::filesystem::remove(dir / "SvatkyEx.ini");
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.BtnVse->click();
        w.ChkBoxRozsirene->setChecked(true); // switching reports nothing
        QVERIFY(dialogs.calls.empty());
        w.EditJmeno->setText(QStringLiteral("Karel"));
        w.EDitDatum->setText(QStringLiteral("1.1."));
        for (QPushButton* b : {w.BtnVse, w.BtnJmeno, w.BtnDatum, w.BtnVse}) {
            b->click();
        }
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{4});
        for (const auto& m : messages) {
            QCOMPARE(m.text, kMissing);
            QCOMPARE(m.caption, QStringLiteral("Tarvenik"));
        }
        // The table and the count stay as the last good press left them.
        QCOMPARE(w.ListViewSvatky->rowCount(), 3);
        QCOMPARE(w.LblNalezeno->text(), QStringLiteral("Svátků nalezeno: 3"));
    }

    void aCalendarThatCannotBeReadIsAFileError() {
        TempFolder dir;
        std::filesystem::create_directory(dir / "Svatky.ini");
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.BtnVse->click();
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages.front().caption, QStringLiteral("Chyba"));
        QVERIFY(messages.front().text.contains(QStringLiteral("Svatky.ini")));
    }

    void theSelectedRowsNamesAreTheTooltip() {
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmSvatky w(nullptr, folderOf(dir));
        w.ChkBoxRozsirene->setChecked(true);
        w.BtnVse->click();
        QVERIFY(w.ListViewSvatky->toolTip().isEmpty());
        w.ListViewSvatky->selectRow(0);
        QCOMPARE(w.ListViewSvatky->toolTip(), QStringLiteral("Nový rok, Den obnovy"));
        w.ListViewSvatky->selectRow(2);
        QCOMPARE(w.ListViewSvatky->toolTip(), QStringLiteral("Karel, Karla"));
        // A new list selects nothing, and names no row.
        w.BtnVse->click();
        QVERIFY(w.ListViewSvatky->toolTip().isEmpty());
    }

    void theMainWindowOpensItInItsPlace() {
        TempFolder dir;
        writeCalendars(dir);
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        QVERIFY(main.BtnSvatky->isEnabled());
        QVERIFY(main.Svatky1->isEnabled());
        main.show();
        bool hidden = false;
        whenShown<TFrmSvatky>([&](TFrmSvatky* w) {
            hidden = !main.isVisible();
            w->BtnVse->click();
            QCOMPARE(w->ListViewSvatky->rowCount(), 3);
            w->close();
        });
        main.Svatky1->trigger();
        QVERIFY(hidden);
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TestSvatky)
#include "test_svatky.moc"
