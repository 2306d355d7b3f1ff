// The reminder window, its start-up opening, and the vCard entries of the main window.
#include "data/persons.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitPripominky.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

const QDate kToday(2026, 12, 8);

TFrmHlavni::Clock fixedNow() {
    return [] { return QDateTime(kToday, QTime(9, 30)); };
}

// Jan's birthday and Květoslava's name day are today, Eva's birthday is in twelve days.
void writePersons(const TempFolder& dir) {
    dir.write("Svatky.ini", encode1250("[Svátky]\r\n8.12.=Květoslava\r\n24.12.=Adam a Eva\r\n"));
    const Person persons[] = {
        {"Eva", "Malá", *DateTime::fromDate(1990, 12, 20), 0, 0, false, 1},
        {"Jan", "Novák", *DateTime::fromDate(1975, 12, 8), 7, 5, true, 0},
        {"Květoslava", "Dvořáková", *DateTime::fromDate(1950, 6, 1), 0, 0, false, 1},
    };
    for (const Person& p : persons) {
        QVERIFY(writePerson(dir.path(), p));
    }
}

QStringList rowTexts(const QTableWidget* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            cells << grid->item(r, c)->text();
        }
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

} // namespace

class TestPripominky : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void showsTheComingDaysTodayInBold() {
        TempFolder dir;
        writePersons(dir);
        DialogRecorder dialogs;
        TFrmPripominky w(nullptr, fromPath(dir.path()), fromPath(dir.path()), kToday);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik :: Připomínky"));
        QCOMPARE(w.SpinDny->value(), 30);
        QCOMPARE(w.SpinDny->minimum(), 1);
        QCOMPARE(w.SpinDny->maximum(), 366);
        QStringList headers;
        for (int c = 0; c < w.GridPripominky->columnCount(); ++c) {
            headers << w.GridPripominky->horizontalHeaderItem(c)->text();
        }
        QCOMPARE(headers, (QStringList{"Datum", "Kdo", "Co", "Za"}));
        QCOMPARE(rowTexts(w.GridPripominky),
                 (QStringList{"8.12.2026 | Jan Novák | narozeniny – 51 let | dnes",
                              "8.12.2026 | Květoslava Dvořáková | svátek | dnes",
                              "20.12.2026 | Eva Malá | narozeniny – 36 let | za 12 dnů",
                              "24.12.2026 | Eva Malá | svátek | za 16 dnů"}));
        for (int c = 0; c < 4; ++c) {
            QVERIFY(w.GridPripominky->item(0, c)->font().bold());
            QVERIFY(w.GridPripominky->item(1, c)->font().bold());
            QVERIFY(!w.GridPripominky->item(2, c)->font().bold());
        }
        QVERIFY(w.hasToday());
        QVERIFY(w.LblPoznamka->text().isEmpty());

        w.SpinDny->setValue(12); // 20.12. is the 13th day
        QCOMPARE(w.GridPripominky->rowCount(), 2);
        w.SpinDny->setValue(366);
        QCOMPARE(w.GridPripominky->rowCount(), 5); // and Květoslava's birthday in June
        QVERIFY(dialogs.calls.empty());
    }

    void notesForNoRowsAndNoCalendar() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmPripominky w(nullptr, fromPath(dir.path()), fromPath(dir.path()), kToday);
        QCOMPARE(w.GridPripominky->rowCount(), 0);
        QVERIFY(!w.hasToday());
        QCOMPARE(w.LblPoznamka->text(),
                 QStringLiteral("V tomto období nemá nikdo narozeniny ani svátek.\n"
                                "Soubor se svátky nenalezen, svátky proto nejsou uvedeny."));
        QVERIFY(dialogs.calls.empty());
    }

    void checkBoxWritesTheStartupKey() {
        TempFolder dir;
        DialogRecorder dialogs;
        {
            TFrmPripominky w(nullptr, fromPath(dir.path()), fromPath(dir.path()), kToday);
            QCOMPARE(w.ChkBoxPriSpusteni->text(),
                     QStringLiteral("Zobrazit při spuštění, je-li dnes něčí den"));
            QVERIFY(!w.ChkBoxPriSpusteni->isChecked());
            QVERIFY(!std::filesystem::exists(dir / "Tarvenik.ini")); // opening writes nothing
            w.ChkBoxPriSpusteni->click();
        }
        QCOMPARE(dir.read("Tarvenik.ini"), std::string("[Pripominky]\r\nPripominky=1\r\n"));
        TFrmPripominky again(nullptr, fromPath(dir.path()), fromPath(dir.path()), kToday);
        QVERIFY(again.ChkBoxPriSpusteni->isChecked());
        again.ChkBoxPriSpusteni->click();
        QCOMPARE(dir.read("Tarvenik.ini"), std::string("[Pripominky]\r\nPripominky=0\r\n"));
    }

    void failedWriteIsReportedAndUndone() {
        TempFolder dir;
        DialogRecorder dialogs;
        std::filesystem::create_directory(dir / "Tarvenik.ini"); // a folder in the file's place
        TFrmPripominky w(nullptr, fromPath(dir.path()), fromPath(dir.path()), kToday);
        dialogs.calls.clear(); // reading a folder as the settings file fails already
        w.ChkBoxPriSpusteni->click();
        QCOMPARE(dialogs.calls.size(), 1U);
        QVERIFY(dialogs.calls[0].icon == MessageIcon::Error);
        QVERIFY(dialogs.calls[0].text.contains(QStringLiteral("Tarvenik.ini nelze uložit: ")));
        QVERIFY(!w.ChkBoxPriSpusteni->isChecked());
    }

    void menuEntryOpensItOverTheMainWindow() {
        TempFolder dir;
        writePersons(dir);
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        main.show();
        bool seen = false;
        bool mainVisible = false;
        int rows = 0;
        whenShown<TFrmPripominky>(
            [&](TFrmPripominky* w) {
                seen = true;
                mainVisible = main.isVisible();
                rows = w->GridPripominky->rowCount();
                w->close();
            },
            1, true);
        main.Pripominky1->trigger();
        QVERIFY(seen);
        QVERIFY(mainVisible);
        QCOMPARE(rows, 4);
        QVERIFY(main.findChildren<TFrmPripominky*>().isEmpty());
    }

    void startupOpensItOnlyWhenAskedAndSomebodysDayIsToday_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("birthdayToday");
        QTest::addColumn<bool>("opens");
        QTest::newRow("default off") << QString() << true << false;
        QTest::newRow("off") << "[Pripominky]\r\nPripominky=0\r\n" << true << false;
        QTest::newRow("on") << "[Pripominky]\r\nPripominky=1\r\n" << true << true;
        QTest::newRow("on, nobody today") << "[Pripominky]\r\nPripominky=1\r\n" << false << false;
    }
    void startupOpensItOnlyWhenAskedAndSomebodysDayIsToday() {
        QFETCH(QString, ini);
        QFETCH(bool, birthdayToday);
        QFETCH(bool, opens);
        TempFolder dir;
        if (!ini.isEmpty()) {
            dir.write("Tarvenik.ini", ini.toStdString());
        }
        const int day = birthdayToday ? 8 : 9;
        QVERIFY(writePerson(dir.path(), {"Jan", "Novák", *DateTime::fromDate(1975, 12, day)}));
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        main.show();
        bool seen = false;
        whenShown<TFrmPripominky>(
            [&seen](TFrmPripominky* w) {
                seen = true;
                w->close();
            },
            1, true);
        main.PripominkyPriSpusteni();
        QApplication::processEvents();
        QCOMPARE(seen, opens);
        QVERIFY(dialogs.calls.empty());
    }

    void importReportsItsCounts() {
        TempFolder dir;
        QVERIFY(writePerson(dir.path(), {"Petr", "Svoboda", *DateTime::fromDate(1962, 2, 11)}));
        dir.write("kontakty.vcf",
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dvořáková;Šárka;;;\r\nBDAY:1984-07-19\r\n"
                  "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:Svoboda;Petr;;;\r\n"
                  "BDAY:19620211\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Eva Malá\r\n"
                  "END:VCARD\r\n");
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        dialogs.fileAnswers.push_back(fromPath(dir / "kontakty.vcf"));
        main.ImportVCard1->trigger();
        QCOMPARE(dialogs.calls.size(), 2U);
        QCOMPARE(dialogs.calls[0].kind, QStringLiteral("openFile"));
        QCOMPARE(dialogs.calls[0].caption, QStringLiteral("Importovat osoby (vCard)"));
        QVERIFY(dialogs.calls[1].icon == MessageIcon::Information);
        QCOMPARE(dialogs.calls[1].text,
                 QStringLiteral("Import ze souboru „kontakty.vcf“\n\n"
                                "Přidána 1 osoba.\n"
                                "Už v seznamu byla 1 osoba se stejným jménem, příjmením a datem "
                                "narození.\n"
                                "Přeskočena 1 vizitka:\n"
                                " – bez data narození: 1"));
        QCOMPARE(listPersons(dir.path())->size(), 2U);
    }

    void damagedImportSaysSoAndAddsNobody() {
        TempFolder dir;
        QVERIFY(writePerson(dir.path(), {"Petr", "Svoboda", *DateTime::fromDate(1962, 2, 11)}));
        const std::string before = dir.read("Udaje.ini");
        dir.write("zlomene.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Malá;Eva;;;\r\nBDAY:1990");
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        dialogs.fileAnswers.push_back(fromPath(dir / "zlomene.vcf"));
        main.ImportVCard1->trigger();
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), 1U);
        QVERIFY(messages[0].icon == MessageIcon::Error);
        QCOMPARE(messages[0].text,
                 QStringLiteral("Import osob se nezdařil, žádná osoba nebyla přidána.\nSoubor ") +
                     fromPath(dir / "zlomene.vcf") +
                     QStringLiteral(" nelze zpracovat: vizitka od řádku 1 nemá konec (END:VCARD); "
                                    "soubor je zřejmě neúplný"));
        QCOMPARE(dir.read("Udaje.ini"), before);
    }

    void exportWritesEveryPerson() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        main.ExportVCard1->trigger(); // nobody to export: no file dialog at all
        QCOMPARE(dialogs.calls.size(), 1U);
        QCOMPARE(dialogs.calls[0].text, QStringLiteral("Seznam osob je prázdný, není co uložit."));

        writePersons(dir);
        dialogs.calls.clear();
        dialogs.fileAnswers.push_back(fromPath(dir / "osoby.vcf"));
        main.ExportVCard1->trigger();
        QCOMPARE(dialogs.calls.size(), 2U);
        QCOMPARE(dialogs.calls[0].kind, QStringLiteral("saveFile"));
        QVERIFY(dialogs.calls[0].text.endsWith(QStringLiteral("/osoby.vcf")));
        QCOMPARE(dialogs.calls[1].text,
                 QStringLiteral("Do souboru „osoby.vcf“ byly uloženy 3 osoby."));
        const std::string written = dir.read("osoby.vcf");
        QVERIFY(written.find("N:Novák;Jan;;;\r\n") != std::string::npos);
        QVERIFY(written.find("BDAY:19751208T070500\r\n") != std::string::npos);
    }
};

QTEST_MAIN(TestPripominky)
#include "test_pripominky.moc"
