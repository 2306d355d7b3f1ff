#include "data/persons.h"
#include "platform/rich.h"
#include "platform/rtfwriter.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/BioChart.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(10, 0));

std::filesystem::path u8(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

void writeText(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    RichDoc doc;
    for (const auto& l : lines) {
        appendLine(doc, l);
    }
    std::filesystem::create_directories(file.parent_path());
    QVERIFY(writeRtfFile(file, doc));
}

void writeList(const std::filesystem::path& file, const std::string& utf8) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << encode1250(utf8);
}

struct Fixture {
    TempFolder dir;
    DialogRecorder dialogs;

    Fixture() {
        const auto horo = dir.path() / "Data" / "Horoskopy";
        writeList(horo / u8("Sluneční") / "tabs.txt", "Povaha\r\nLáska\r\nMuž\r\nŽena\r\n");
        for (const char* tab : {"Povaha", "Láska", "Muž", "Žena"}) {
            for (const char* sign : {"Ryby", "Kozoroh"}) {
                writeText(horo / u8("Sluneční") / u8(std::string(tab) + " - " + sign + ".rtf"),
                          {std::string(tab) + " " + sign});
            }
        }
        writeText(horo / "Informace" / u8("Cikánský.rtf"), {"O cikánském horoskopu"});
        writeList(dir.path() / "Svatky.ini", "[Svátky]\r\n5.3.=Miroslav\r\n24.12.=Adam a Eva\r\n");
        // Empty names files: every first name gets the substitute record, without an error.
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            writeList(
                dir.path() / "Data" / u8("Jména") / u8(std::string("Jména") + letter + ".dat"), "");
        }
    }

    void addPerson(const char* first, const char* last, int y, int m, int d, int sex,
                   bool exact = false, int h = 0, int mi = 0) {
        Person p{first, last, *DateTime::fromDate(y, m, d), h, mi, exact, sex};
        QVERIFY(writePerson(userFolder(), p));
    }
    // Apart from the texts, as in a system install.
    std::filesystem::path userFolder() const { return dir / "home"; }

    std::unique_ptr<TFrmVypis> open(const char* user, const char* partner = nullptr) {
        return std::make_unique<TFrmVypis>(
            nullptr, fromPath(dir.path()) + QLatin1Char('/'), fromPath(userFolder()),
            QString::fromUtf8(user), partner ? QString::fromUtf8(partner) : QString(),
            partner != nullptr, [] { return kNow; }, std::chrono::milliseconds(0));
    }
};

QString viewText(TFrmVypis& v) {
    return toQ(plainText(v.RichEdit1->richDoc()));
}

QStringList tabs(TFrmVypis& v) {
    QStringList out;
    for (int i = 0; i < v.TabControl1->count(); ++i) {
        out << v.TabControl1->tabText(i);
    }
    return out;
}

} // namespace

class TestVypis : public QObject {
    Q_OBJECT
private slots:
    void withoutPartnerOnlyPartnerControlsAreDisabled() {
        Fixture f;
        f.addPerson("Adam", "Novák", 1975, 3, 5, -1);
        auto v = f.open("Novák Adam 5.3.1975 00:00");
        QCOMPARE(v->windowTitle(), QStringLiteral("Tarvenik :: Výpis výpočtu"));
        QVERIFY(!v->GrpBoxPartner->isVisibleTo(v.get()));
        for (QWidget* w : std::initializer_list<QWidget*>{
                 v->RadBtnPartner, v->RadBtnRozdil, v->BtnSlunecni2, v->BtnAscendent2,
                 v->BtnMesicni2, v->BtnCinsky2, v->BtnCisarsky2, v->BtnKeltsky2, v->BtnEgyptsky2,
                 v->BtnCyklicky2, v->BtnIndiansky2, v->BtnPravdivy2, v->BtnIndicky2, v->BtnAztecky2,
                 v->BtnCikansky2, v->BtnSlunecniPartnersky, v->BtnCinskyPartnersky,
                 v->RadBtnNumeroPartner, v->RadBtnBiorytmyPartner}) {
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        }
        QVERIFY(v->BtnJaponskyPartnersky->isEnabled());
        QVERIFY(v->BtnSlunecni->isEnabled());
        QVERIFY(!v->BtnAscendent->isEnabled()); // no exact time
        // The ascendant message, once; sex -1 shows the female icon.
        const auto messages = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text,
                 QStringLiteral(
                     "Pokud nezadáte přesný čas narození,\r        nelze vypočítat Ascendent!"));
        QCOMPARE(v->icouzivatel->pixmap().toImage(), v->obrzena->pixmap().toImage());
        QCOMPARE(v->LblJmeno->text(), QStringLiteral("Adam Novák - středa, 5.3.1975"));
    }

    void headerWithExactTimeAndPartner() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0, true, 7, 5);
        f.addPerson("Eva", "Malá", 1980, 1, 1, 1, true, 12, 0);
        auto v = f.open("Novák Jan 5.3.1975 07:05", "Malá Eva 1.1.1980 12:00");
        QCOMPARE(v->LblJmeno->text(), QStringLiteral("Jan Novák - středa, 5.3.1975 (07:05 hod.)"));
        QCOMPARE(v->LblJmeno2->text(), QStringLiteral("Eva Malá - úterý, 1.1.1980 (12:00 hod.)"));
        QCOMPARE(v->icouzivatel->pixmap().toImage(), v->obrmuz->pixmap().toImage());
        QVERIFY(v->BtnSlunecni2->isEnabled());
        QVERIFY(v->BtnAscendent2->isEnabled());
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{0});
        QCOMPARE(v->horoscopes().signs.partnerSunKey, std::string("RybyKozoroh"));
    }

    void twinButtonsShowThePartnersText() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        f.addPerson("Eva", "Malá", 1980, 1, 1, 1);
        auto v = f.open("Novák Jan 5.3.1975 00:00", "Malá Eva 1.1.1980 00:00");
        v->BtnSlunecni2->click();
        QCOMPARE(tabs(*v), (QStringList{"Povaha", "Láska", "Žena"}));
        QCOMPARE(viewText(*v), QStringLiteral("Povaha Kozoroh"));
        v->TabControl1->setCurrentIndex(2);
        QCOMPARE(viewText(*v), QStringLiteral("Žena Kozoroh"));
        v->BtnInfoCikansky->click();
        QCOMPARE(tabs(*v), QStringList{});
        QCOMPARE(viewText(*v), QStringLiteral("O cikánském horoskopu"));
    }
    void emptyViewOpensNoDialog() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        f.dialogs.calls.clear();
        v->Ulozit1Click();
        v->Tisk1Click();
        QVERIFY(f.dialogs.calls.empty());
        v->BtnInfoCikansky->click();
        f.dialogs.printAnswer = false;
        v->Tisk1Click();
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("print")).size(), std::size_t{1});
    }

    void saveOffersRtfThenPdfAndReportsAFailure() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        v->BtnSlunecni->click();
        std::filesystem::create_directory(f.dir / "Ryby.pdf"); // a folder where the file goes
        f.dialogs.calls.clear();
        f.dialogs.fileAnswers = {fromPath(f.dir / "Ryby.pdf")};
        v->Ulozit1Click();
        const auto asked = f.dialogs.callsOf(QStringLiteral("saveFile"));
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].filters, shownTextFilters());
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QVERIFY2(errors[0].text.contains(QStringLiteral("Ryby.pdf nelze uložit: ")),
                 qPrintable(errors[0].text));
    }

    void outlookYearChangesOnlyThePersonalYear() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        QCOMPARE(v->SpinEditVyhled->value(), 2026);
        QCOMPARE(v->EdOsRok->text(), QStringLiteral("9"));
        QCOMPARE(v->EdZivDraha->text(), QStringLiteral("3"));
        QCOMPARE(v->EdOsud->text(), QStringLiteral("7"));
        QCOMPARE(v->LblV4->text(), QStringLiteral("4.   52- ... let"));
        const QStringList before = {v->EdZivDraha->text(), v->EdOsud->text(), v->EdV1->text(),
                                    v->EdP1->text(), v->EdVyzNav->text()};
        v->SpinEditVyhled->setValue(2027);
        QCOMPARE(v->EdOsRok->text(), QStringLiteral("1"));
        QCOMPARE((QStringList{v->EdZivDraha->text(), v->EdOsud->text(), v->EdV1->text(),
                              v->EdP1->text(), v->EdVyzNav->text()}),
                 before);
    }

    void nameDayChoiceFallsBackWhenThePersonHasNone() {
        Fixture f;
        f.addPerson("Miroslav", "Novák", 1975, 3, 5, 0);
        f.addPerson("Zbyhněv", "Malý", 1980, 1, 1, 0);
        auto v = f.open("Malý Zbyhněv 1.1.1980 00:00", "Novák Miroslav 5.3.1975 00:00");
        QVERIFY(!v->user().hasNameDay);
        QVERIFY(v->partner().hasNameDay);
        v->PageControl1->setCurrentWidget(v->TabSheetJakDlouho);
        v->RadBtnPartner->click();
        QVERIFY(v->RadBtnDalsiSvatek->isEnabled());
        v->RadBtnDalsiSvatek->click();
        QVERIFY(viewText(*v).contains(QStringLiteral("Datum příštího svátku: 5.3.2027")));
        v->RadBtnTvoje->click();
        QVERIFY(!v->RadBtnDalsiSvatek->isEnabled());
        QVERIFY(v->RadBtnZivot->isChecked());
        QVERIFY(
            viewText(*v).startsWith(QStringLiteral("Zbyhněv Malý\n\nDatum narození: 1.1.1980")));
    }

    void ageDifferenceIsTheSameForEitherPerson() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0, true, 7, 5);
        f.addPerson("Eva", "Malá", 1980, 1, 1, 1);
        auto v = f.open("Novák Jan 5.3.1975 07:05", "Malá Eva 1.1.1980 00:00");
        v->PageControl1->setCurrentWidget(v->TabSheetJakDlouho);
        v->RadBtnRozdil->click();
        const QString days = v->LblEditDnu->text();
        const QString report = viewText(*v);
        v->RadBtnPartner->click();
        QCOMPARE(v->LblEditDnu->text(), days);
        QCOMPARE(viewText(*v), report);
        QVERIFY(report.startsWith(QStringLiteral("Jan Novák + Eva Malá")));
    }

    void livedFiguresTickWithTheClock() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0, true, 7, 5);
        auto v = f.open("Novák Jan 5.3.1975 07:05");
        v->PageControl1->setCurrentWidget(v->TabSheetJakDlouho);
        QCOMPARE(v->EditCelkove->text(),
                 QStringLiteral("51 let 9 měsíců 0 týdnů 6 dnů 2 hodiny 55 minut 0 sekund"));
        QCOMPARE(v->LblEditHodin->text(), QStringLiteral("453746,916666667"));
        QVERIFY(v->Timer1->isActive());
        v->PageControl1->setCurrentWidget(v->TabSheetNumerologie);
        QVERIFY(!v->Timer1->isActive());
    }

    void biorhythmsOfTheChosenRange() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        QCOMPARE(v->BiorytmyOdDate->dateTime(), kNow);
        QCOMPARE(v->BiorytmyDoDate->dateTime(), kNow.addMonths(1));
        v->BiorytmyDoDate->setDateTime(kNow.addDays(1));
        v->BtnBiorytmyPocitat->click();
        const QStringList lines = viewText(*v).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7 + 2);
        QCOMPARE(lines[2], QStringLiteral(" Jméno: Jan"));
        QVERIFY(!v->RichEdit1->wordWrap());
    }

    void biorhythmChartShowsTheListedPerson() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        f.addPerson("Eva", "Malá", 1980, 1, 1, 1);
        auto v = f.open("Novák Jan 5.3.1975 00:00", "Malá Eva 1.1.1980 00:00");
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        v->PageControl1->setCurrentWidget(v->TabSheetBiorytmy);
        BioChart* chart = v->ChartBiorytmy;
        // Under the buttons, down to the page's bottom.
        QVERIFY(chart->y() > v->BtnBiorytmyPocitat->geometry().bottom());
        QVERIFY(v->TabSheetBiorytmy->height() - chart->geometry().bottom() < 20);
        QVERIFY(chart->height() > 150);

        // Before a calculation the choice of person fills nothing.
        v->RadBtnBiorytmyPartner->click();
        QVERIFY(chart->isEmpty());
        QCOMPARE(viewText(*v), QString());
        v->RadBtnBiorytmyUzivatel->click();

        const auto percents = [](const QString& text) {
            QStringList out;
            auto it = QRegularExpression(QStringLiteral("(-?\\d+)%")).globalMatch(text);
            while (it.hasNext()) {
                out << it.next().captured(1);
            }
            return out;
        };
        const PlotArea area = chart->plotArea();
        const auto shownDays = [&] {
            const QStringList lines = viewText(*v).split(QLatin1Char('\n'));
            return std::pair(percents(lines[7]) + percents(lines[9]),
                             percents(chart->toolTipAt(QPointF(area.left, area.top + 1))) +
                                 percents(chart->toolTipAt(
                                     QPointF(area.left + area.width * 2 / 31, area.top + 1))));
        };
        v->BtnBiorytmyPocitat->click();
        QVERIFY(!chart->isEmpty());
        const auto [listed, charted] = shownDays();
        QCOMPARE(listed.size(), 6);
        QCOMPARE(charted, listed);
        // The widest line fits the view.
        QCOMPARE(v->RichEdit1->horizontalScrollBar()->maximum(), 0);

        v->RadBtnBiorytmyPartner->click();
        QVERIFY(viewText(*v).contains(QStringLiteral(" Jméno: Eva")));
        const auto [listed2, charted2] = shownDays();
        QCOMPARE(charted2, listed2);
        QVERIFY(listed2 != listed);
    }
    void missingNumerologyFileIsReported() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        f.dialogs.calls.clear();
        QTest::mouseClick(v->LblOsud, Qt::LeftButton);
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QVERIFY(errors[0].text.contains(QStringLiteral("Osud.rtf")));
    }

    void nameCardOfTheSubstitute() {
        Fixture f;
        f.addPerson("Ája", "Nová", 1990, 5, 5, 1);
        auto v = f.open("Nová Ája 5.5.1990 00:00");
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).back().text,
                 QStringLiteral("Chyba! Zřejmě je první znak jména nestandartní!"));
        QTest::mouseClick(v->LblJmeno, Qt::LeftButton);
        QCOMPARE(viewText(*v).section(QLatin1Char('\n'), 0, 2),
                 QStringLiteral("Ája\n\n  Druh jména:   ---"));
        QVERIFY(!v->RichEdit1->wordWrap());
    }
    void unreadableFilesAreReportedNotSwallowed() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0, true, 7, 5);
        const auto replaceByFolder = [](const std::filesystem::path& file) {
            std::filesystem::remove(file);
            std::filesystem::create_directory(file);
        };
        replaceByFolder(f.dir / "Svatky.ini");
        replaceByFolder(f.dir.path() / "Data" / u8("Jména") / u8("JménaJ.dat"));
        replaceByFolder(f.dir.path() / "Data" / "Horoskopy" / u8("Sluneční") / "tabs.txt");
        auto v = f.open("Novák Jan 5.3.1975 07:05");
        v->BtnSlunecni->click();
        const auto messages = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{3});
        const QString folder = fromPath(f.dir.path()) + QLatin1Char('/');
        QCOMPARE(messages[0].text.section(QLatin1Char(':'), 0, 0),
                 QStringLiteral("Soubor %1Svatky.ini nelze přečíst").arg(folder));
        QVERIFY(!v->user().hasNameDay);
        QVERIFY2(messages[1].text.startsWith(
                     QStringLiteral("Chyba! Zřejmě je první znak jména nestandartní!\nSoubor ")),
                 qPrintable(messages[1].text));
        QVERIFY(messages[1].text.contains(QStringLiteral("JménaJ.dat nelze přečíst")));
        QVERIFY(messages[2].text.contains(QStringLiteral("tabs.txt nelze přečíst")));
        for (const auto& m : messages) {
            QCOMPARE(m.icon, MessageIcon::Error);
            QCOMPARE(m.caption, QStringLiteral("Chyba"));
        }
        QCOMPARE(tabs(*v), QStringList{}); // an unreadable tab list reads as none
        QCOMPARE(viewText(*v), QStringLiteral("NENALEZENO! Zkuste přeinstalovat aplikaci!"));
    }

    void unreadablePersonFileIsReportedAndReadsAsDefaults() {
        Fixture f;
        std::filesystem::create_directories(f.userFolder() / "Udaje.ini");
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        const auto messages = f.dialogs.callsOf(QStringLiteral("message"));
        QVERIFY(!messages.empty());
        QVERIFY2(messages[0].text.contains(QStringLiteral("Udaje.ini nelze přečíst")),
                 qPrintable(messages[0].text));
        QCOMPARE(v->LblJmeno->text(), QStringLiteral("  - pátek, 1.2.1980"));
    }

    void retryButtonAsksForANewCalculation() {
        Fixture f;
        f.addPerson("Jan", "Novák", 1975, 3, 5, 0);
        auto v = f.open("Novák Jan 5.3.1975 00:00");
        v->BtnNastaveni->click();
        QCOMPARE(v->result(), TFrmVypis::kResultRetry);
    }
};

QTEST_MAIN(TestVypis)
#include "test_vypis.moc"
