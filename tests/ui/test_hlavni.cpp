#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitNastaveni.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

QString folderOf(const TempFolder& dir) {
    return QString::fromStdString(dir.path().string());
}

TFrmHlavni::Clock fixedClock(int y, int m, int d, int h = 14, int mi = 5, int s = 9) {
    const QDateTime t(QDate(y, m, d), QTime(h, mi, s));
    return [t] { return t; };
}

void writeCalendar(const TempFolder& dir) {
    dir.write("Svatky.ini", encode1250("[Svátky]\r\n1.1.=Nový rok\r\n8.12.=Květoslava\r\n"));
}

QStringList entriesOf(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}

} // namespace

class TestHlavni : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void freshStartHasDefaultsAndNoCalendar() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik"));
        QVERIFY(w.settings() == AppSettings{});
        QCOMPARE(w.panelText(2), QStringLiteral("Svátek má: <nenalezeno> "));
        QVERIFY(!w.Image1->isVisibleTo(&w));
        QVERIFY(!w.opacityEnabled());
        QCOMPARE(w.opacityLevel(), 255);
        QCOMPARE(w.windowOpacity(), 1.0);
        QVERIFY(dialogs.calls.empty());
        QVERIFY(!std::filesystem::exists(dir / "Tarvenik.ini")); // reading never writes
        QVERIFY(w.appFolder().endsWith(QLatin1Char('/')));
        QCOMPARE(w.userFolder(), w.appFolder()); // a portable copy keeps its files beside it
    }

    void statusPanels_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("panel0");
        QTest::addColumn<QString>("panel2");
        QTest::newRow("8 December")
            << QDate(2026, 12, 8) << QStringLiteral(" Dnes je úterý, 8.12.2026")
            << QStringLiteral("Svátek má: Květoslava ");
        QTest::newRow("1 January")
            << QDate(2027, 1, 1) << QStringLiteral(" Dnes je pátek, 1.1.2027")
            << QStringLiteral("Svátek má: Nový rok ");
        QTest::newRow("no key") << QDate(2027, 3, 5) << QStringLiteral(" Dnes je pátek, 5.3.2027")
                                << QStringLiteral("Svátek má: -=Nenalezeno=- ");
    }
    void statusPanels() {
        QFETCH(QDate, day);
        QFETCH(QString, panel0);
        QFETCH(QString, panel2);
        TempFolder dir;
        writeCalendar(dir);
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(day.year(), day.month(), day.day(), 7, 5, 0));
        QCOMPARE(w.panelText(0), panel0);
        QCOMPARE(w.panelText(1), QStringLiteral("00:00:00")); // not shown yet
        QCOMPARE(w.panelText(2), panel2);
        w.show();
        QCOMPARE(w.panelText(1), QStringLiteral("7:05:00"));
    }

    void clockStopsWhileHiddenAndCatchesUpOnShow() {
        TempFolder dir;
        DialogRecorder dialogs;
        QDateTime t(QDate(2026, 12, 8), QTime(23, 59, 58));
        TFrmHlavni w(folderOf(dir), [&t] { return t; });
        w.show();
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.Timer1->interval(), 1000);
        QCOMPARE(w.panelText(1), QStringLiteral("23:59:58"));
        w.hide();
        QVERIFY(!w.Timer1->isActive());
        t = QDateTime(QDate(2026, 12, 9), QTime(0, 0, 3));
        w.show();
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.panelText(1), QStringLiteral("0:00:03"));
        // Past midnight only the clock moves.
        QCOMPARE(w.panelText(0), QStringLiteral(" Dnes je úterý, 8.12.2026"));
    }

    void buttonsMenusAndAvailability() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        const std::pair<const char*, QString> buttons[] = {
            {"BtnVypocet", QStringLiteral("Výpočet")},     {"BtnJmena", QStringLiteral("Jména")},
            {"BtnSvatky", QStringLiteral("Svátky")},       {"BtnSny", QStringLiteral("Snář")},
            {"BtnHoroskopy", QStringLiteral("Horoskopy")}, {"BtnCitaty", QStringLiteral("Citáty")},
            {"BtnOstatni", QStringLiteral("Ostatní")},
        };
        for (const auto& [name, caption] : buttons) {
            auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY2(b, name);
            QCOMPARE(b->text(), caption);
            QVERIFY(!b->toolTip().isEmpty());
            QVERIFY(!b->icon().isNull());
            QVERIFY(b->width() >= 110);
        }
        // Only what exists can be used; the later windows are off until they are built.
        QVERIFY(w.BtnCitaty->isEnabled());
        QVERIFY(w.BtnJmena->isEnabled());
        QVERIFY(w.Jmena1->isEnabled());
        QVERIFY(w.Help1->isEnabled());
        QCOMPARE(
            entriesOf(w.Menu1),
            (QStringList{"Výpočet...", "Přehled", "Ostatní...", "-", "Importovat osoby (vCard)...",
                         "Exportovat osoby (vCard)...", "-", "Nastavení...", "-", "Ukončit"}));
        QCOMPARE(entriesOf(w.Prehled1), (QStringList{"Horoskopy...", "Jména...", "Svátky...",
                                                     "Připomínky...", "Sny...", "Citáty..."}));
        QCOMPARE(entriesOf(w.Napoveda1),
                 (QStringList{"Internet", "-", "Literatura", "-", "Historie", "Licence", "-",
                              "O programu..."}));
        QCOMPARE(entriesOf(w.Internet1),
                 (QStringList{"Domovská stránka", "-", "Zjistit novou verzi"}));
        QCOMPARE(w.size(), w.minimumSize()); // fixed size
        QCOMPARE(w.size(), w.maximumSize());
    }

    void clientAreaHoldsTheButtonsAndTheStatusBar() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The client area is everything under the menu bar: 362 x 180, the 19 px status bar
        // at its bottom, the picture and buttons filling the rest.
        const QRect client = w.centralWidget()->geometry();
        const QRect status = w.StatusBar1->geometry();
        QCOMPARE(client.top(), w.menuBar()->geometry().bottom() + 1);
        QCOMPARE(QSize(w.width(), w.height() - client.top()), QSize(362, 180));
        QCOMPARE(status, QRect(0, w.height() - 19, 362, 19));
        QCOMPARE(client.bottom() + 1, status.top());
        QCOMPARE(client.width(), 362);
        // Nothing sticks out below the lowest buttons into the status bar.
        QVERIFY(w.BtnSny->mapTo(&w, QPoint(0, w.BtnSny->height())).y() <= status.top());
        QCOMPARE(w.BtnSny->geometry().top(), w.BtnOstatni->geometry().top());
    }

    void citatyIsAPlainMessageOnly() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.show();
        const int windows = QApplication::topLevelWidgets().size();
        QTest::mouseClick(w.BtnCitaty, Qt::LeftButton);
        w.Citaty1->trigger();
        QCOMPARE(dialogs.calls.size(), 2U);
        for (const auto& c : dialogs.calls) {
            QCOMPARE(c.kind, QStringLiteral("message"));
            QVERIFY(c.icon == MessageIcon::None);
            QCOMPARE(c.caption, QStringLiteral("Tarvenik"));
            QCOMPARE(c.text, QStringLiteral("Až v nějaké z příštích verzí programu..."));
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(w.isVisible());
    }

    void missingHelpTextsSayReinstall() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.Literatura1->trigger();
        w.Historie1->trigger();
        w.Licence1->trigger();
        QCOMPARE(dialogs.calls.size(), 3U);
        for (const auto& c : dialogs.calls) {
            QCOMPARE(c.text,
                     QStringLiteral("Soubor nebyl nalezen, prosim preinstalujte aplikaci."));
            QVERIFY(c.icon == MessageIcon::None);
        }
    }

    void unreadableCalendarAndHelpTextAreFileErrors() {
        TempFolder dir;
        std::filesystem::create_directory(dir / "Svatky.ini");
        std::filesystem::create_directory(dir / "licence.txt");
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        QCOMPARE(w.panelText(2), QStringLiteral("Svátek má: <nenalezeno> "));
        w.Licence1->trigger();
        QCOMPARE(dialogs.calls.size(), 2U);
        const char* files[] = {"/Svatky.ini", "/licence.txt"};
        for (std::size_t i = 0; i < 2; ++i) {
            const auto& c = dialogs.calls[i];
            QVERIFY(c.icon == MessageIcon::Error);
            QCOMPARE(c.caption, QStringLiteral("Chyba"));
            QVERIFY2(c.text.startsWith(QStringLiteral("Soubor ") + folderOf(dir) +
                                       QString::fromLatin1(files[i]) +
                                       QStringLiteral(" nelze přečíst: ")),
                     qPrintable(c.text));
        }
    }

    void oversizedHelpTextIsAFileErrorAndNoViewer() {
        TempFolder dir;
        dir.write("licence.txt", "Licence");
        std::filesystem::resize_file(dir / "licence.txt", 5 << 20);
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        bool viewerShown = false;
        tarvenik::test::whenShown<QDialog>(
            [&viewerShown](QDialog* d) {
                viewerShown = true;
                d->close();
            },
            1, true);
        w.Licence1->trigger();
        QTest::qWait(20);
        QVERIFY(!viewerShown);
        QCOMPARE(dialogs.calls.size(), 1U);
        QCOMPARE(dialogs.calls[0].text, QStringLiteral("Soubor ") + folderOf(dir) +
                                            QStringLiteral("/licence.txt nelze přečíst: soubor "
                                                           "je příliš velký (nejvýš 4 MB)"));
    }

    void homePageGoesThroughTheGateway() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.Domovskstrnka1->trigger();
        QCOMPARE(dialogs.callsOf(QStringLiteral("openAddress")).size(), 1U);
        QVERIFY(dialogs.calls[0].text.startsWith(QStringLiteral("https://")));
    }

    void opacityFromSettings_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("opacity");
        QTest::newRow("off keeps level") << "[Vypocet]\r\nPruhlednost_value=100\r\n"
                                         << false << 100 << 1.0;
        QTest::newRow("on") << "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=102\r\n"
                            << true << 102 << 0.4;
        QTest::newRow("too high") << "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=999\r\n"
                                  << true << 255 << 1.0;
        QTest::newRow("negative") << "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=-4\r\n"
                                  << true << 50 << 50 / 255.0;
        QTest::newRow("invisible") << "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=0\r\n"
                                   << true << 50 << 50 / 255.0;
    }
    void opacityFromSettings() {
        QFETCH(QString, ini);
        QFETCH(bool, on);
        QFETCH(int, level);
        QFETCH(double, opacity);
        TempFolder dir;
        dir.write("Tarvenik.ini", ini.toStdString());
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        QCOMPARE(w.opacityEnabled(), on);
        QCOMPARE(w.opacityLevel(), level);
        QVERIFY(qAbs(w.windowOpacity() - opacity) < 0.01);
    }

    void backgroundPictureIsShownStretched() {
        TempFolder dir;
        QImage img(4, 2, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(QString::fromStdString((dir / "pozadí.png").string())));
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=pozad\xED.png\r\n");
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.show();
        QVERIFY(dialogs.calls.empty());
        QVERIFY(w.Image1->isVisible());
        QVERIFY(w.Image1->hasScaledContents());
        QCOMPARE(w.Image1->pixmap().size(), QSize(4, 2));
        QCOMPARE(w.Image1->size(), w.centralWidget()->size());
    }

    void damagedPictureGivesAnErrorAndTheProgramGoesOn() {
        TempFolder dir;
        dir.write("zlomeny.jpg",
                  std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + std::string(40, '\x13'));
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=zlomeny.jpg\r\n"
                                  "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=204\r\n");
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        w.show();
        QCOMPARE(dialogs.calls.size(), 1U);
        const auto& c = dialogs.calls[0];
        QVERIFY(c.icon == MessageIcon::Error);
        QVERIFY2(c.text.contains(folderOf(dir) + QStringLiteral("/zlomeny.jpg")),
                 qPrintable(c.text));
        QVERIFY(c.text.contains(QStringLiteral("JPEG")));
        QVERIFY(!w.Image1->isVisible());
        // The rest of the start-up still happened.
        QVERIFY(w.opacityEnabled());
        QCOMPARE(w.opacityLevel(), 204);
        QCOMPARE(w.panelText(0), QStringLiteral(" Dnes je úterý, 8.12.2026"));
    }

    // A device or a pipe as the picture: the window comes up at once with one error box.
    void specialFileAsPictureIsOneErrorAndNoHang() {
        TempFolder dir;
        const std::string fifo = (dir / "roura.jpg").string();
        QVERIFY(::mkfifo(fifo.c_str(), 0600) == 0);
        for (const std::string& path : {std::string("/dev/zero"), fifo}) {
            dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=" + path + "\r\n");
            DialogRecorder dialogs;
            QElapsedTimer took;
            took.start();
            TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
            QVERIFY(took.elapsed() < 3000);
            QCOMPARE(dialogs.calls.size(), 1U);
            QCOMPARE(dialogs.calls[0].text,
                     QStringLiteral("Obrázek na pozadí nelze načíst.\nSoubor ") +
                         QString::fromStdString(path) +
                         QStringLiteral(" nelze přečíst: není to obyčejný soubor"));
            QVERIFY(!w.Image1->isVisibleTo(&w));
        }
    }

    // Every reload of the settings (the settings dialog, each calculation) would show the
    // same broken picture again; one box per path and run is enough.
    void brokenPictureIsReportedOncePerPath() {
        TempFolder dir;
        dir.write("zlomeny.png", "\x89PNG\r\n\x1A\nrozbite");
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=zlomeny.png\r\n");
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        QCOMPARE(dialogs.calls.size(), 1U);
        w.NacteniNastaveni();
        w.NacteniNastaveni();
        QCOMPARE(dialogs.calls.size(), 1U);
        // Another broken path is news again.
        dir.write("jiny.png", "\x89PNG\r\n\x1A\nrozbite");
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=jiny.png\r\n");
        w.NacteniNastaveni();
        QCOMPARE(dialogs.calls.size(), 2U);
        QVERIFY(dialogs.calls[1].text.contains(QStringLiteral("jiny.png")));
    }

    // However long the name list, the panel starts with its caption and ends in an ellipsis,
    // the whole text in the tooltip.
    void longNameDayTextIsCutAtItsEnd() {
        TempFolder dir;
        const QString names = QStringLiteral("Květoslava, ").repeated(30) + QStringLiteral("Eva");
        dir.write("Svatky.ini", encode1250("[Svátky]\r\n8.12.=" + names.toStdString() + "\r\n"));
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir), fixedClock(2026, 12, 8));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* panel = w.findChild<QLabel*>(QStringLiteral("StatusPanel2"));
        QVERIFY(panel);
        const QString full = QStringLiteral("Svátek má: ") + names + QLatin1Char(' ');
        QVERIFY2(panel->text().startsWith(QStringLiteral("Svátek má: Kv")),
                 qPrintable(panel->text()));
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <=
                panel->contentsRect().width());
        QVERIFY(panel->text().endsWith(QChar(0x2026)));
        QCOMPARE(panel->toolTip(), full);
        QCOMPARE(w.size(), w.minimumSize()); // the window kept its size
    }

    void settingsDialogOpensModallyOverTheWindow() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.show();
        bool sawDialog = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TFrmNastaveni*>(QApplication::activeModalWidget());
            sawDialog = d != nullptr && w.isVisible();
            if (d) {
                d->close();
            }
        });
        w.Help1->trigger();
        QVERIFY(sawDialog);
        QVERIFY(std::filesystem::exists(dir / "Tarvenik.ini")); // closing saved
        QVERIFY(w.findChildren<TFrmNastaveni*>().isEmpty());    // and destroyed it
    }

    void konecClosesTheWindow() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni w(folderOf(dir));
        w.show();
        w.Konec1->trigger();
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestHlavni)
#include "test_hlavni.moc"
