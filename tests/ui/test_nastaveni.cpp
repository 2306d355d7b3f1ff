#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitNastaveni.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

QString folderOf(const TempFolder& dir) {
    return QString::fromStdString(dir.path().string());
}

void writePng(const std::filesystem::path& path) {
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(QString::fromStdString(path.string()), "PNG"));
}

} // namespace

class TestNastaveni : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void freshInstallShowsDefaults() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        TFrmNastaveni d(&main, main);
        QCOMPARE(d.windowTitle(), QStringLiteral("Tarvenik :: Nastavení"));
        auto* partner = d.findChild<QCheckBox*>(QStringLiteral("ChkPartner"));
        QVERIFY(partner);
        QVERIFY(!partner->isChecked());
        QVERIFY(partner->isEnabled());
        QVERIFY(!d.ChkBoxPamatovat->isChecked());
        QVERIFY(!d.ChkBoxPruhlednost->isChecked());
        QVERIFY(!d.ChkBoxObrazek->isChecked());
        QCOMPARE(d.ScrollBarPruhlednost->value(), 255);
        QCOMPARE(d.ScrollBarPruhlednost->minimum(), 50);
        QCOMPARE(d.ScrollBarPruhlednost->maximum(), 255);
        QCOMPARE(d.ScrollBarPruhlednost->singleStep(), 5);
        QCOMPARE(d.ScrollBarPruhlednost->pageStep(), 50);
        QVERIFY(!d.ScrollBarPruhlednost->isEnabled());
        QCOMPARE(d.BtnOK->text(), QStringLiteral("Uložit"));
        QCOMPARE(d.GrpBoxNastaveni->title(), QStringLiteral("Výchozí nastavení výpočtu"));
        QCOMPARE(d.GrpBoxPruhlednost->title(), QStringLiteral("Možnosti hlavního okna"));
        QCOMPARE(d.size(), d.minimumSize());
        QCOMPARE(d.size(), d.maximumSize());
        QVERIFY(dialogs.calls.empty());
    }

    void roundTripWritesTheKeysInOrder() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        {
            TFrmNastaveni d(&main, main);
            d.ChkPartner->setChecked(true);
            d.ChkBoxPruhlednost->setChecked(true);
            d.ScrollBarPruhlednost->setValue(150);
            d.show();
            QTest::mouseClick(d.BtnOK, Qt::LeftButton);
            QVERIFY(!d.isVisible());
        }
        QCOMPARE(dir.read("Tarvenik.ini"),
                 std::string("[Vypocet]\r\nPartner=1\r\nPruhlednost=1\r\nPruhlednost_value=150\r\n"
                             "[Pamatovat]\r\nPamatovat=0\r\n[Obrazek]\r\nPouzit=0\r\nCesta=\r\n"));
        // The effects on the main window stay, and a new dialog shows what was saved.
        QVERIFY(main.opacityEnabled());
        QCOMPARE(main.opacityLevel(), 150);
        TFrmNastaveni again(&main, main);
        QVERIFY(again.ChkPartner->isChecked());
        QVERIFY(again.ChkBoxPruhlednost->isChecked());
        QVERIFY(again.ScrollBarPruhlednost->isEnabled());
        QCOMPARE(again.ScrollBarPruhlednost->value(), 150);
        QVERIFY(dialogs.calls.empty());
    }

    void closeBoxSavesLikeUlozit() {
        TempFolder dir;
        dir.write("Tarvenik.ini", "[Pamatovat]\r\nUzivatel=Nov\xE1k Jan 5.3.1975 00:00\r\n");
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        TFrmNastaveni d(&main, main);
        d.show();
        d.ChkBoxPamatovat->setChecked(true);
        d.close();
        const auto s = readSettings(dir.path());
        QVERIFY(s && s->Pamatovat);
        // The remembered person is left alone.
        QVERIFY(dir.read("Tarvenik.ini").find("Uzivatel=Nov\xE1k Jan") != std::string::npos);
    }

    void storedLevelOutsideTheSliderIsClamped() {
        TempFolder dir;
        dir.write("Tarvenik.ini", "[Vypocet]\r\nPruhlednost=1\r\nPruhlednost_value=20\r\n");
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        QCOMPARE(main.opacityLevel(), 50); // clamped into the slider's range when loaded
        {
            TFrmNastaveni d(&main, main);
            QCOMPARE(d.ScrollBarPruhlednost->value(), 50);
            QCOMPARE(main.opacityLevel(), 50);
            d.show();
            d.close();
        }
        QCOMPARE(readSettings(dir.path())->Pruhlednost_value, 50);
    }

    void controlsActOnTheMainWindowAtOnce() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        TFrmNastaveni d(&main, main);
        d.ChkBoxPamatovat->setChecked(true);
        QVERIFY(!d.ChkPartner->isEnabled());
        d.ChkBoxPamatovat->setChecked(false);
        QVERIFY(d.ChkPartner->isEnabled());

        d.ChkBoxPruhlednost->setChecked(true);
        QVERIFY(d.ScrollBarPruhlednost->isEnabled());
        QVERIFY(main.opacityEnabled());
        d.ScrollBarPruhlednost->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(d.ScrollBarPruhlednost->value(), 205);
        QCOMPARE(main.opacityLevel(), 205);
        QVERIFY(qAbs(main.windowOpacity() - 205 / 255.0) < 0.01);
        d.ChkBoxPruhlednost->setChecked(false);
        QVERIFY(!main.opacityEnabled());
        QCOMPARE(main.windowOpacity(), 1.0);
    }

    void cancelledPictureDialogKeepsTheOldPath() {
        TempFolder dir;
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=0\r\nCesta=star\xFD.png\r\n");
        DialogRecorder dialogs; // no answer queued: the dialog is cancelled
        TFrmHlavni main(folderOf(dir));
        {
            TFrmNastaveni d(&main, main);
            d.show();
            QTest::mouseClick(d.ChkBoxObrazek, Qt::LeftButton);
            QCOMPARE(dialogs.callsOf(QStringLiteral("openPicture")).size(), 1U);
            QCOMPARE(dialogs.calls[0].filters, pictureDialogFilters());
            QVERIFY(!d.ChkBoxObrazek->isChecked());
            QVERIFY(!main.Image1->isVisible());
            d.close();
        }
        const auto s = readSettings(dir.path());
        QVERIFY(!s->Pouzit);
        QCOMPARE(s->Cesta, std::string("starý.png"));
    }

    void chosenPicturePath_data() {
        QTest::addColumn<bool>("inside");
        QTest::newRow("inside the application folder") << true;
        QTest::newRow("elsewhere") << false;
    }
    void chosenPicturePath() {
        QFETCH(bool, inside);
        TempFolder app;
        TempFolder other;
        std::filesystem::create_directory(app / "Obrázky");
        const auto picture = inside ? app / "Obrázky/léto.png" : other / "léto.png";
        writePng(picture);
        DialogRecorder dialogs;
        dialogs.fileAnswers.push_back(QString::fromStdString(picture.string()));
        TFrmHlavni main(folderOf(app));
        main.show();
        {
            TFrmNastaveni d(&main, main);
            d.show();
            d.ChkBoxObrazek->setChecked(true);
            QVERIFY(main.Image1->isVisible());
            QCOMPARE(main.Image1->pixmap().size(), QSize(3, 3));
            d.close();
        }
        const auto s = readSettings(app.path());
        QVERIFY(s->Pouzit);
        QCOMPARE(s->Cesta, inside ? std::string("Obrázky/léto.png") : picture.string());
        QVERIFY(dialogs.callsOf(QStringLiteral("message")).empty());
    }

    void uncheckingKeepsThePath() {
        TempFolder dir;
        writePng(dir / "a.png");
        dir.write("Tarvenik.ini", "[Obrazek]\r\nPouzit=1\r\nCesta=a.png\r\n");
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        main.show();
        QVERIFY(main.Image1->isVisible());
        {
            TFrmNastaveni d(&main, main);
            d.show();
            QVERIFY(d.ChkBoxObrazek->isChecked());
            QTest::mouseClick(d.ChkBoxObrazek, Qt::LeftButton);
            QVERIFY(!main.Image1->isVisible());
            d.close();
        }
        QVERIFY(dialogs.calls.empty()); // unticking asks nothing
        const auto s = readSettings(dir.path());
        QVERIFY(!s->Pouzit);
        QCOMPARE(s->Cesta, std::string("a.png"));
    }

    void damagedChosenPictureIsReportedAndNotKept() {
        TempFolder dir;
        dir.write("zlomeny.png", "\x89PNG\r\n\x1A\nnothing useful");
        dir.write("Tarvenik.ini", "[Obrazek]\r\nCesta=stary.png\r\n");
        DialogRecorder dialogs;
        dialogs.fileAnswers.push_back(QString::fromStdString((dir / "zlomeny.png").string()));
        TFrmHlavni main(folderOf(dir));
        {
            TFrmNastaveni d(&main, main);
            d.show();
            d.ChkBoxObrazek->setChecked(true);
            const auto errors = dialogs.callsOf(QStringLiteral("message"));
            QCOMPARE(errors.size(), 1U);
            QVERIFY(errors[0].icon == MessageIcon::Error);
            QVERIFY(errors[0].text.contains(QStringLiteral("zlomeny.png")));
            QVERIFY(!d.ChkBoxObrazek->isChecked());
            QCOMPARE(d.pendingPicturePath(), QStringLiteral("stary.png"));
            d.close();
        }
        QCOMPARE(readSettings(dir.path())->Cesta, std::string("stary.png"));
    }

    void failedSaveIsReportedWithThePath() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir));
        TFrmNastaveni d(&main, main);
        d.show();
        std::filesystem::create_directory(dir / "Tarvenik.ini"); // every write now fails
        QTest::mouseClick(d.BtnOK, Qt::LeftButton);
        QVERIFY(d.isVisible()); // nothing was saved, so "Uložit" does not pretend it was
        const auto errors = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), 1U);
        QVERIFY(errors[0].icon == MessageIcon::Error);
        QVERIFY2(errors[0].text.startsWith(QStringLiteral("Unable to write to ") +
                                           QString::fromStdString((dir / "Tarvenik.ini").string())),
                 qPrintable(errors[0].text));
        d.close(); // the close box still closes, reporting once more
        QVERIFY(!d.isVisible());
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), 2U);
    }
};

QTEST_MAIN(TestNastaveni)
#include "test_nastaveni.moc"
