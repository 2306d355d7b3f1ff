#include "platform/atomicfile.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/UnitCekejte.h"
#include "ui/UnitOProgramu.h"
#include "ui/UnitText.h"
#include "ui/qtext.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxTextsAndShadows() {
        TFrmOProgramu about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Tarvenik :: O programu"));
        QCOMPARE(about.LblNazev->text(), QStringLiteral("Tarvenik 0.2.3"));
        QCOMPARE(about.LblNazevStin->text(), about.LblNazev->text());
        QCOMPARE(about.LblDatum->text(), QStringLiteral("10.1.2008"));
        QCOMPARE(about.LblDatumStin->text(), about.LblDatum->text());
        QCOMPARE(about.LblCopyStin->text(), about.LblCopy->text());
        for (auto [label, shadow] : {std::pair{about.LblNazev, about.LblNazevStin},
                                     std::pair{about.LblDatum, about.LblDatumStin},
                                     std::pair{about.LblCopy, about.LblCopyStin}}) {
            QCOMPARE(shadow->pos(), label->pos() + QPoint(1, -1));
        }
        QCOMPARE(about.size(), QSize(342, 270));
    }

    void logoInvertsAndComesBack() {
        TFrmOProgramu about;
        const QImage original = about.logo();
        QTest::mouseClick(about.ImgLogo, Qt::LeftButton);
        QVERIFY(about.logo() != original);
        QCOMPARE(about.logo().pixel(0, 0), qRgb(0, 0, 0)); // the white corner turned black
        QTest::mouseClick(about.ImgLogo, Qt::LeftButton);
        QCOMPARE(about.logo(), original);
    }

    void contactButtonsOpenAddresses() {
        DialogRecorder dialogs;
        TFrmOProgramu about;
        about.BtnWeb->click();
        about.BtnEmail->click();
        about.BtnJabber->click();
        about.BtnICQ->click();
        const auto opened = dialogs.callsOf(QStringLiteral("openAddress"));
        QCOMPARE(opened.size(), std::size_t{4});
        QCOMPARE(opened[0].text, about.BtnWeb->text());
        QCOMPARE(opened[1].text, QStringLiteral("mailto:") + about.BtnEmail->text());
        for (const auto& call : opened) {
            QVERIFY(!call.text.isEmpty());
        }
    }

    void textViewerShowsWindows1250Lines() {
        TempFolder dir;
        std::string text = encode1250("Historie programu\r\nPrvní verze – žluťoučký kůň\r\n");
        for (int i = 0; i < 200; ++i) {
            text += encode1250("Dlouhý řádek, který se musí zalomit, protože je opravdu dlouhý a "
                               "pokračuje a pokračuje až za okraj okna.\r\n");
        }
        dir.write("historie.txt", text);
        TFrmText viewer;
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Tarvenik :: Text"));
        QVERIFY(viewer.loadFile(fromPath(dir / "historie.txt")));
        QVERIFY(viewer.Memo1->toPlainText().startsWith(
            QStringLiteral("Historie programu\nPrvní verze – žluťoučký kůň\n")));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(viewer.Memo1->verticalScrollBar()->maximum() > 0);
        QCOMPARE(viewer.Memo1->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!viewer.loadFile(fromPath(dir / "missing.txt")));
    }

    void fileErrorNamesTheFileAndTheReason() {
        DialogRecorder dialogs;
        Dialogs& d = Dialogs::current();
        d.fileError(nullptr, Error{"/a/b.rtf", "Permission denied"});
        d.fileError(nullptr, Error{"/a/b.rtf", "No space left on device"}, FileAccess::Write);
        d.fileError(nullptr, notFoundError("/a/b.rtf"), FileAccess::Read, QStringLiteral("Úvod."));
        const QStringList expected = {
            QStringLiteral("Soubor /a/b.rtf nelze přečíst: Permission denied"),
            QStringLiteral("Soubor /a/b.rtf nelze uložit: No space left on device"),
            QStringLiteral("Úvod.\nSoubor /a/b.rtf nebyl nalezen."),
        };
        QCOMPARE(dialogs.calls.size(), std::size_t{3});
        for (int i = 0; i < 3; ++i) {
            const auto& c = dialogs.calls[static_cast<std::size_t>(i)];
            QCOMPARE(c.text, expected[i]);
            QCOMPARE(c.caption, QStringLiteral("Chyba"));
            QVERIFY(c.icon == MessageIcon::Error);
        }
    }

    // What the system says goes into the Czech message in Czech.
    void systemReasonsAreCzech() {
        TempFolder dir;
        std::filesystem::create_directory(dir / "slozka.txt");
        DialogRecorder dialogs;
        Dialogs& d = Dialogs::current();
        d.fileError(nullptr, readFileBytes(dir / "slozka.txt").error());
        d.fileError(nullptr, writeFileAtomic(dir / "chybi" / "Udaje.ini", "x").error(),
                    FileAccess::Write);
        const QString folder = fromPath(dir.path());
        QCOMPARE(dialogs.calls.size(), std::size_t{2});
        QCOMPARE(dialogs.calls[0].text, QStringLiteral("Soubor ") + folder +
                                            QStringLiteral("/slozka.txt nelze přečíst: "
                                                           "je to složka, ne soubor"));
        QCOMPARE(dialogs.calls[1].text, QStringLiteral("Soubor ") + folder +
                                            QStringLiteral("/chybi/Udaje.ini nelze uložit: "
                                                           "soubor nebo složka neexistuje"));
    }

    void waitWindowStaysOnTop() {
        TFrmCekejte wait;
        QVERIFY(wait.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(wait.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(wait.Label1->text(), QStringLiteral("Probíhá výpočet, prosím čekejte..."));
        QCOMPARE(wait.cursor().shape(), Qt::WaitCursor);
        wait.showNow();
        QVERIFY(wait.isVisible());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
