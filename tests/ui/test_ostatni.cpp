// The other-calculators window, driven tab by tab as a user would.
#include "core/petsigns.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/Dialogs.h"
#include "ui/TabStrip.h"
#include "ui/UnitOstatni.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <memory>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

// A window on a scratch folder, shown and active so that focus can be checked, on
// 8 December 2026.
struct Fixture {
    TempFolder dir;
    DialogRecorder dialogs;
    std::unique_ptr<TFrmOstatni> w;

    Fixture() {
        std::filesystem::create_directories(dir.path() / "Data");
        w = std::make_unique<TFrmOstatni>(nullptr, fromPath(dir.path()), [] {
            return QDateTime(QDate(2026, 12, 8), QTime(10, 0));
        });
        w->show();
        QApplication::setActiveWindow(w.get());
        (void)QTest::qWaitForWindowActive(w.get());
    }

    QStringList items(const QComboBox* box) const {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) {
            out << box->itemText(i);
        }
        return out;
    }

    QStringList memoLines(const QPlainTextEdit* memo) const {
        return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void checkOneMessage(MessageIcon icon, const QString& caption, const QString& text) {
        QCOMPARE(dialogs.calls.size(), std::size_t{1});
        QCOMPARE(dialogs.calls[0].icon, icon);
        QCOMPARE(dialogs.calls[0].caption, caption);
        QCOMPARE(dialogs.calls[0].text, text);
        dialogs.calls.clear();
    }
};

} // namespace

class TestOstatni : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstTabWithFreshControls() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik :: Ostatní"));
        QStringList tabs;
        for (int i = 0; i < w.PageControl1->count(); ++i) {
            tabs << w.PageControl1->tabText(i);
        }
        QCOMPARE(tabs, (QStringList{"Má mě rád/a?", "Pátek 13.", "Šťastný den", "BMI",
                                    "Zvířecí horoskop", "Věštění"}));
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        QCOMPARE(w.PageControl1Pages->currentIndex(), 0);
        w.PageControl1->setCurrentIndex(5);
        QCOMPARE(w.PageControl1Pages->currentIndex(), 5);

        QCOMPARE(w.SpinEditZacatek->value(), 2026);
        QCOMPARE(w.SpinEditKonec->value(), 2027);
        QCOMPARE(w.ComboBoxCislo199->count(), 99);
        QCOMPARE(w.ComboBoxCislo199->itemText(98), QStringLiteral("99"));
        QCOMPARE(w.ComboBoxCislo199->currentIndex(), -1);
        QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("1 měsíc"));
        QCOMPARE(f.items(w.ComboBoxZvire),
                 (QStringList{"kočka", "pes", "holub", "tygr", "tučňák", "myš"}));
        QCOMPARE(w.ComboBoxZvire->currentIndex(), -1);
        QCOMPARE(w.DateUzivatel->date(), QDate(1980, 1, 1));
        QVERIFY(!w.DatePartner->isEnabled());
        w.ChkBoxPartner->click();
        QVERIFY(w.DatePartner->isEnabled());
        QCOMPARE(f.items(w.ComboBox6),
                 (QStringList{"Zvířecí (obecně) horoskop", "Kočičí horoskop"}));
        QCOMPARE(w.ComboBox6->currentIndex(), -1);
        QCOMPARE(w.SpinEditVesteniOd->value(), 2);
        QCOMPARE(w.SpinEditVesteniDo->value(), 10);
        QVERIFY(w.MemoVesteni->toPlainText().isEmpty());
        QVERIFY(!w.LblVesteniInfo->text().isEmpty());
    }

    void nameTestMovesFocusToAnEmptyFieldAndCountsOnEnter() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.EditDruhy->setFocus();
        w.BtnSpocitej->click();
        QVERIFY(w.EditPrvni->hasFocus());
        w.EditPrvni->setText(QStringLiteral("Petr Novák"));
        w.BtnSpocitej->click();
        QVERIFY(w.EditDruhy->hasFocus());
        QCOMPARE(w.LblVysledek->text(), QStringLiteral("Výsledek: "));
        QCOMPARE(w.ProgressBar1->value(), 0);

        w.EditDruhy->setText(QStringLiteral("Jana Nová"));
        QTest::keyClick(w.EditDruhy, Qt::Key_Return);
        QCOMPARE(w.LblVysledek->text(), QStringLiteral("Výsledek: 50,5%"));
        QCOMPARE(w.ProgressBar1->value(), 50);
        QVERIFY(f.dialogs.calls.empty());
    }

    void fridaySearchListsGenitiveMonths() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.PageControl1->setCurrentIndex(1);
        w.BtnVyhledat->click();
        QStringList lines;
        for (int i = 0; i < w.ListBoxSeznam->count(); ++i) {
            lines << w.ListBoxSeznam->item(i)->text();
        }
        QCOMPARE(lines, (QStringList{"2026 - 13. února", "2026 - 13. března",
                                     "2026 - 13. listopadu", "2027 - 13. srpna"}));

        w.SpinEditZacatek->setValue(2027);
        w.SpinEditKonec->setValue(2026);
        w.BtnVyhledat->click();
        QCOMPARE(w.ListBoxSeznam->count(), 0);
        f.checkOneMessage(MessageIcon::None, QApplication::applicationName(),
                          QStringLiteral("Počáteční datum musí být menší nebo rovno koncovému"));
    }

    void luckyDayNeedsNumberAndAnimal() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.PageControl1->setCurrentIndex(2);
        const QString missing = QStringLiteral("Musíte zadat všechny údaje!");
        w.BtnUkazStastnyDen->click();
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("Chyba!"), missing);
        w.ComboBoxCislo199->setCurrentIndex(49);
        w.BtnUkazStastnyDen->click();
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("Chyba!"), missing);
        w.ComboBoxCislo199->setCurrentIndex(-1);
        w.ComboBoxZvire->setCurrentIndex(0);
        w.BtnUkazStastnyDen->click();
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("Chyba!"), missing);

        w.ComboBoxCislo199->setCurrentIndex(49); // "50", kočka, "1 měsíc", born 1.1.1980
        w.BtnUkazStastnyDen->click();
        f.checkOneMessage(MessageIcon::Information, QStringLiteral("Výsledek!"),
                          QStringLiteral("Váš šťastný den je 25. 12. 2026 \rHodně štěstí!"));
        // The partner's date counts only while the box is ticked.
        w.DatePartner->setDate(QDate(1975, 1, 1));
        w.BtnUkazStastnyDen->click();
        QVERIFY(f.dialogs.calls.at(0).text.contains(QStringLiteral("25. 12. 2026")));
        f.dialogs.calls.clear();
        w.ChkBoxPartner->click();
        w.BtnUkazStastnyDen->click();
        QVERIFY(f.dialogs.calls.at(0).text.contains(QStringLiteral("16. 12. 2026")));
    }

    void bmiMessagesAndFocus() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.PageControl1->setCurrentIndex(3);
        const QString input =
            QStringLiteral("Váha a výška musí být číselná hodnota vyšší než nula!");
        w.EditBMIVyska->setText(QStringLiteral("180"));
        w.EditBMIVaha->setText(QStringLiteral("75"));
        w.EditBMIVaha->setFocus();
        w.BMIVypocet->click();
        QCOMPARE(w.LblBMIvysledek->text(), QStringLiteral("Musíte zvolit pohlaví"));
        QVERIFY(w.BMIPohlavi->hasFocus());

        w.BMIPohlavi->setCurrentIndex(0);
        w.EditBMIVaha->setText(QStringLiteral("7a"));
        w.BMIVypocet->click();
        QCOMPARE(w.LblBMIvysledek->text(), input);
        w.EditBMIVaha->clear();
        w.BMIVypocet->click();
        QVERIFY(w.EditBMIVaha->hasFocus());
        w.EditBMIVyska->clear();
        w.BMIVypocet->click();
        QVERIFY(w.EditBMIVyska->hasFocus());
        QCOMPARE(w.LblBMIvysledek->text(), input);

        QTest::keyClicks(w.EditBMIVyska, QStringLiteral("180"));
        w.EditBMIVaha->setText(QStringLiteral("75"));
        QTest::keyClick(w.EditBMIVaha, Qt::Key_Enter);
        QCOMPARE(w.LblBMIvysledek->text(),
                 QStringLiteral("Dle zadaných hodnot máte BMI = 23,15.\nJste tedy normální.\n\n"
                                "Máte normální váhu."));
        QCOMPARE(w.EditBMIVyska->maxLength(), 3);
        QVERIFY(f.dialogs.calls.empty());
    }

    void petTabTwoSteps() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.PageControl1->setCurrentIndex(4);
        const QStringList types{"Zvířecí (obecně) horoskop", "Kočičí horoskop"};
        w.Button3->click(); // no type chosen: nothing changes
        QCOMPARE(w.Button3->text(), QStringLiteral("Zobrazit horoskopy"));
        QCOMPARE(f.items(w.ComboBox6), types);
        QVERIFY(w.Label16->isVisible());
        QVERIFY(!w.Memo1->isVisible());

        w.ComboBox6->setCurrentIndex(1);
        emit w.ComboBox6->activated(1); // choosing a type shows no text
        QVERIFY(w.Memo1->toPlainText().isEmpty());
        w.Button3->click();
        QCOMPARE(w.Button3->text(), QStringLiteral("Zpět"));
        QCOMPARE(w.Label18->text(), QStringLiteral("Vyberte si znamení ze seznamu."));
        QCOMPARE(w.ComboBox6->count(), 12);
        QCOMPARE(w.ComboBox6->itemText(0), QStringLiteral("Beran     ( 21.března - 20.dubna )"));
        QCOMPARE(w.ComboBox6->currentIndex(), -1);
        QVERIFY(w.ComboBox6->hasFocus());
        QVERIFY(!w.Label16->isVisible());
        QVERIFY(!w.Label17->isVisible());
        QVERIFY(w.Memo1->isVisible());
        QVERIFY(w.Memo1->toPlainText().isEmpty());

        w.ComboBox6->setCurrentIndex(4);
        emit w.ComboBox6->activated(4);
        QCOMPARE(w.Memo1->toPlainText(), toQ(petSignTexts(1, 4)));
        QCOMPARE(w.Memo1->toPlainText().size(), 379);

        w.Button3->click();
        QCOMPARE(w.Button3->text(), QStringLiteral("Zobrazit horoskopy"));
        QCOMPARE(w.Label18->text(), QStringLiteral("Zvolte typ horoskopu a stiskněte tlačítko."));
        QCOMPARE(f.items(w.ComboBox6), types);
        QCOMPARE(w.ComboBox6->currentText(), QStringLiteral("Kočičí horoskop"));
        QVERIFY(w.Label16->isVisible());
        QVERIFY(!w.Memo1->isVisible());
    }

    void oracleDrawsAndReportsItsFile() {
        Fixture f;
        TFrmOstatni& w = *f.w;
        w.PageControl1->setCurrentIndex(5);
        w.VtnVesteniVesti->click();
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("Chyba!"),
                          QStringLiteral("Soubor abu.txt nenalezen, přeinstalujte aplikaci..."));
        f.dir.write("Data/abu.txt", "");
        w.VtnVesteniVesti->click();
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("Chyba!"),
                          QStringLiteral("Soubor abu.txt je prázdný, přeinstalujte aplikaci..."));

        f.dir.write("Data/abu.txt", "\x9A\xED\xF8ka\r\n"); // "šířka" in Windows-1250
        w.SpinEditVesteniOd->setValue(3);
        w.SpinEditVesteniDo->setValue(3);
        w.VtnVesteniVesti->click();
        QCOMPARE(f.memoLines(w.MemoVesteni), QStringList(3, QStringLiteral("šířka")));

        w.SpinEditVesteniOd->setValue(4);
        w.VtnVesteniVesti->click(); // bounds reversed: the old lines go, nothing is drawn
        QVERIFY(w.MemoVesteni->toPlainText().isEmpty());
        f.checkOneMessage(MessageIcon::Error, QStringLiteral("To je vtip?"),
                          QStringLiteral("Dolní hranice vyšší než horní?"));
    }

    void oracleReportsAnUnreadableWordFile() {
        Fixture f;
        std::filesystem::create_directory(f.dir / "Data/abu.txt"); // a folder in the file's place
        f.w->VtnVesteniVesti->click();
        QCOMPARE(f.dialogs.calls.size(), std::size_t{1});
        QCOMPARE(f.dialogs.calls[0].icon, MessageIcon::Error);
        QCOMPARE(f.dialogs.calls[0].caption, QStringLiteral("Chyba"));
        QVERIFY2(f.dialogs.calls[0].text.contains(QStringLiteral("abu.txt nelze přečíst: ")),
                 qPrintable(f.dialogs.calls[0].text));
        QVERIFY(f.w->MemoVesteni->toPlainText().isEmpty());
    }

    void oracleUsageText() {
        Fixture f;
        f.w->BtnVesteniInfo->click();
        QCOMPARE(f.dialogs.calls.size(), std::size_t{1});
        QCOMPARE(f.dialogs.calls[0].caption, QStringLiteral("Informace o programu..."));
        QCOMPARE(f.dialogs.calls[0].icon, MessageIcon::Information);
        const QStringList expected{
            "Použití:",
            "1) vyslovte - i v duchu - otázku",
            "2) soustřeďte se. dobré je nemyslet pokud možno na nic",
            "3) stiskněte tlačítko \"Věšti!\"",
            "4) obdržíte náhodná slova ze souboru abu.txt, interperetujte podle situace",
            "   (je třeba přemýšlet, jak spolu slova souvisí a jak souvisí se zadanou otázkou...)",
            "",
            "Dále...",
            "* můžete nastavit počet slov - rozsah nastavte v boxech pro zápis čísel",
            "* není zaručena kvalita věštby",
            "* čím je více řádků ve vstupním souboru, tím by věštba měla být přesnější",
            "",
            "Příjemnou zábavu!",
        };
        QCOMPARE(f.dialogs.calls[0].text.split(QLatin1Char('\r')), expected);
    }
};

QTEST_MAIN(TestOstatni)
#include "test_ostatni.moc"
