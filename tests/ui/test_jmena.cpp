// The names dictionary with its search window and filter dialog.
#include "data/namesearch.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/CheckList.h"
#include "ui/RichView.h"
#include "ui/UFiltr.h"
#include "ui/UVyhledavani.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitJmena.h"
#include "ui/qtext.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

NameRecord named(std::string name, std::string kind) {
    NameRecord r = substituteNameRecord(name);
    r.kind = std::move(kind);
    return r;
}

// All 26 letter files, empty but for the letters given.
void writeLetters(const TempFolder& app, const std::map<char, std::vector<NameRecord>>& letters) {
    std::filesystem::create_directories(nameFilePath(app.path(), "A").parent_path());
    for (const char letter : kNameLetters) {
        const auto it = letters.find(letter);
        QVERIFY(writeNameFile(nameFilePath(app.path(), std::string(1, letter)),
                              it == letters.end() ? std::vector<NameRecord>{} : it->second));
    }
}

QString folderOf(const TempFolder& dir) {
    return fromPath(dir.path()) + QLatin1Char('/');
}

} // namespace

class TestJmena : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void browsesALetterAndShowsItsCard() {
        DialogRecorder dialogs;
        TFrmJmena w(nullptr, QStringLiteral(TARVENIK_APP_DIR "/"), std::chrono::milliseconds(0));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik :: Databáze jmen"));
        QCOMPARE(w.ListBoxPismena->count(), 26);
        QCOMPARE(w.ListBoxPismena->item(0)->text(), QStringLiteral("  A  "));
        QCOMPARE(w.ListBoxPismena->item(25)->text(), QStringLiteral("  Z  "));
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Počet nalezených záznamů"));

        const auto shipped = readNameFile(nameFilePath(TARVENIK_APP_DIR, "J"));
        QVERIFY(shipped && shipped->size() > 10);
        PaintCounter painted;
        w.LblPocetNalezenych->installEventFilter(&painted);
        w.ListBoxPismena->setCurrentRow(9);
        QCOMPARE(w.ListBoxNazvy->count(), static_cast<int>(shipped->size()));
        QCOMPARE(w.records(), *shipped);
        QCOMPARE(w.LblPocetNalezenych->text(),
                 QStringLiteral("Nalezeno %1 záznamů.").arg(shipped->size()));
        QVERIFY(painted.paints >= static_cast<int>(shipped->size())); // it climbs visibly

        const auto jan = w.ListBoxNazvy->findItems(QStringLiteral("Jan"), Qt::MatchExactly);
        QCOMPARE(jan.size(), 1);
        w.ListBoxNazvy->setCurrentItem(jan.front());
        const NameRecord& r = w.records()[static_cast<std::size_t>(w.ListBoxNazvy->row(jan[0]))];
        const RichDoc card = w.RichEdit1->richDoc();
        QCOMPARE(paragraphText(card, 0), QString().toStdString());
        QCOMPARE(card.paragraphs[0].endStyle.halfPoints, 8);
        QCOMPARE(paragraphText(card, 1), "Jan");
        QCOMPARE(card.paragraphs[1].runs[0].style.halfPoints, 34);
        QCOMPARE(card.paragraphs[1].align, Alignment::Center);
        QCOMPARE(paragraphText(card, 2), std::string(105, '_'));
        QCOMPARE(card.paragraphs[2].runs[0].style.halfPoints, 10);
        QCOMPARE(card.paragraphs[2].align, Alignment::Center);
        QCOMPARE(card.paragraphs[3].align, Alignment::Left);
        QCOMPARE(card.paragraphs[3].endStyle.halfPoints, 20);
        QCOMPARE(paragraphText(card, 4), "  Druh jména:   " + r.kind);
        QCOMPARE(paragraphText(card, 8), "  Domácí podoby:   " + r.domesticForms);
        QCOMPARE(paragraphText(card, 18), "  Jmeniny:   " + r.nameDay);
        QCOMPARE(paragraphCount(card), std::size_t{25});
        QCOMPARE(paragraphText(card, 24), "  Zdroj: " + r.source);
        for (std::size_t i = 4; i < paragraphCount(card); i += 2) {
            const Paragraph& p = card.paragraphs[i];
            const std::string line = paragraphText(card, i);
            QCOMPARE(p.runs.size(), std::size_t{2});
            QVERIFY(p.runs[0].style.bold && !p.runs[1].style.bold);
            QCOMPARE(p.runs[0].text, line.substr(0, line.find(':') + 1));
            QCOMPARE(p.runs[1].style.halfPoints, 20);
            QVERIFY(paragraphText(card, i + 1).empty() || i + 1 == paragraphCount(card));
        }
        QVERIFY(!w.RichEdit1->wordWrap());
        QVERIFY(w.RichEdit1->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        QVERIFY(w.RichEdit1->isReadOnly());

        // Another letter keeps the card; print and save take its name.
        w.ListBoxPismena->setCurrentRow(0);
        QCOMPARE(w.RichEdit1->richDoc(), card);
        w.BtnTisk->click();
        QCOMPARE(dialogs.callsOf(QStringLiteral("print")).at(0).caption,
                 QStringLiteral("Tarvenik :: význam jmen"));
        TempFolder out;
        dialogs.fileAnswers.push_back(fromPath(out / "karta"));
        w.BtnUlozit->click();
        const auto save = dialogs.callsOf(QStringLiteral("saveFile")).at(0);
        QCOMPARE(save.caption, QStringLiteral("Uložit jako"));
        QVERIFY(save.text.endsWith(QStringLiteral("/Jan"))); // the file type adds the suffix
        QCOMPARE(save.filters, shownTextFilters());
        QVERIFY(out.read("karta.rtf").starts_with("{\\rtf1"));
        QVERIFY(dialogs.callsOf(QStringLiteral("message")).empty());
    }

    void countRepaintsAtMostOnceAnInterval() {
        // The label still ends on the full count, but a long interval means no repaint
        // while the list fills.
        DialogRecorder dialogs;
        TFrmJmena w(nullptr, QStringLiteral(TARVENIK_APP_DIR "/"), std::chrono::hours(1));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PaintCounter painted;
        w.LblPocetNalezenych->installEventFilter(&painted);
        w.ListBoxPismena->setCurrentRow(9);
        QVERIFY(w.ListBoxNazvy->count() > 10);
        QCOMPARE(painted.paints, 0);
        QCOMPARE(w.LblPocetNalezenych->text(),
                 QStringLiteral("Nalezeno %1 záznamů.").arg(w.ListBoxNazvy->count()));
    }

    void searchWindowFillsTheNamesList() {
        TempFolder app;
        writeLetters(app, {{'B', {named("Bojan", "mužské")}},
                           {'J', {named("Jan", "mužské"), named("Jana", "ženské")}},
                           {'K', {named("Karel", "mužské")}}});
        DialogRecorder dialogs;
        TFrmJmena w(nullptr, folderOf(app));
        w.show();
        TFrmVyhledavani* search = w.FrmVyhledavani;
        QVERIFY(!search->isVisible() && !w.FrmFiltr->isVisible());
        w.ListBoxPismena->setCurrentRow(10); // K
        w.ListBoxNazvy->setCurrentRow(0);
        const RichDoc card = w.RichEdit1->richDoc();

        w.BtnHledej->click();
        QVERIFY(search->isVisible() && !search->isModal());
        QVERIFY(search->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!search->ChkBoxFiltr->isEnabled());
        search->EdHledanyText->setText(QStringLiteral("jan"));
        QTest::keyClick(search->EdHledanyText, Qt::Key_Return);
        QCOMPARE(itemsOf(w.ListBoxNazvy), (QStringList{"Bojan", "Jan", "Jana"}));
        QCOMPARE(w.records().size(), std::size_t{3});
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Nalezeno 3 záznamů."));
        QCOMPARE(w.RichEdit1->richDoc(), card);
        QCOMPARE(w.ListBoxPismena->currentRow(), 10);

        search->ChkLstPolozky->BtnNic->click();
        search->BtnHledej->click();
        search->ChkLstPolozky->BtnInvertovat->click();
        search->EdHledanyText->clear();
        search->BtnHledej->click();
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{2});
        QCOMPARE(messages[0].text, QStringLiteral("Není co hledat!"));
        QCOMPARE(w.ListBoxNazvy->count(), 3);

        // The filter box of the names window allows the filter in the search.
        w.ChkBoxFiltr->click();
        QVERIFY(search->ChkBoxFiltr->isEnabled());
        w.FrmFiltr->RadBtnZenska->setChecked(true);
        search->ChkBoxFiltr->setChecked(true);
        search->EdHledanyText->setText(QStringLiteral("jan"));
        search->BtnHledej->click();
        QCOMPARE(itemsOf(w.ListBoxNazvy), QStringList{"Jana"});
        w.ChkBoxFiltr->click();
        QVERIFY(!search->ChkBoxFiltr->isEnabled() && !search->ChkBoxFiltr->isChecked());

        QTest::keyClick(search, Qt::Key_Escape);
        QVERIFY(!search->isVisible());

        // A letter file gone: the error names it, what was found stays listed.
        std::filesystem::remove(nameFilePath(app.path(), "K"));
        search->EdHledanyText->setText(QStringLiteral("a"));
        search->BtnHledej->click();
        QCOMPARE(itemsOf(w.ListBoxNazvy), (QStringList{"Bojan", "Jan", "Jana"}));
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Počet nalezených záznamů"));
        const auto error = dialogs.callsOf(QStringLiteral("message")).back();
        QCOMPARE(error.icon, MessageIcon::Error);
        QVERIFY(error.text.contains(QStringLiteral("JménaK.dat")));
    }

    void filterStartsTheListOver() {
        TempFolder app;
        writeLetters(app, {{'E', {named("Emil", "mužské"), named("Eva", "ženské")}}});
        DialogRecorder dialogs;
        TFrmJmena w(nullptr, folderOf(app));
        w.show();
        QVERIFY(!w.ChkBoxFiltr->isChecked() && !w.BtnFiltr->isEnabled());
        w.ListBoxPismena->setCurrentRow(4);
        w.ListBoxNazvy->setCurrentRow(0);
        w.ChkBoxFiltr->click();
        QVERIFY(w.BtnFiltr->isEnabled());
        QCOMPARE(w.ListBoxNazvy->count(), 0);
        QVERIFY(w.RichEdit1->isEmpty());
        QVERIFY(w.ListBoxPismena->selectedItems().isEmpty());
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Počet nalezených záznamů"));

        // Changes stay however the dialog closes; only OK starts over.
        w.ListBoxPismena->setCurrentRow(4);
        whenShown<TFrmFiltr>([](TFrmFiltr* f) {
            f->RadBtnMuzska->setChecked(true);
            f->reject();
        });
        w.BtnFiltr->click();
        QCOMPARE(itemsOf(w.ListBoxNazvy), (QStringList{"Emil", "Eva"}));
        w.ListBoxPismena->clearSelection();
        w.ListBoxPismena->setCurrentRow(4);
        QCOMPARE(itemsOf(w.ListBoxNazvy), QStringList{"Emil"});
        whenShown<TFrmFiltr>([](TFrmFiltr* f) {
            f->ChkLstPuvod->BtnNic->click(); // every origin here is "---"
            f->BtnOK->click();
        });
        w.BtnFiltr->click();
        QCOMPARE(w.ListBoxNazvy->count(), 0);
        // Clicking the letter already selected reads it again, after a search say.
        w.ListBoxPismena->setCurrentRow(4);
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Nalezeno 0 záznamů."));
        w.FrmVyhledavani->EdHledanyText->setText(QStringLiteral("e"));
        w.FrmVyhledavani->BtnHledej->click();
        QCOMPARE(w.ListBoxNazvy->count(), 2);
        QTest::mouseClick(w.ListBoxPismena->viewport(), Qt::LeftButton, {},
                          w.ListBoxPismena->visualItemRect(w.ListBoxPismena->item(4)).center());
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Nalezeno 0 záznamů."));

        // A missing letter file: the general file error, an empty list.
        w.ListBoxPismena->setCurrentRow(0);
        std::filesystem::remove(nameFilePath(app.path(), "A"));
        w.ListBoxPismena->setCurrentRow(5);
        w.ListBoxPismena->setCurrentRow(0);
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].caption, QStringLiteral("Chyba"));
        QVERIFY(messages[0].text.contains(QStringLiteral("JménaA.dat nebyl nalezen")));
        QCOMPARE(w.ListBoxNazvy->count(), 0);

        // Print and save do nothing without a card.
        w.BtnTisk->click();
        w.BtnUlozit->click();
        QCOMPARE(dialogs.calls.size(), std::size_t{1});
    }

    void openedFromTheMainWindowWhichHides() {
        TempFolder app;
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(app));
        main.show();
        QPointer<TFrmVyhledavani> search;
        bool mainHidden = false;
        whenShown<TFrmJmena>([&](TFrmJmena* w) {
            mainHidden = !main.isVisible();
            search = w->FrmVyhledavani;
            w->BtnHledej->click();
            w->close();
        });
        main.BtnJmena->click();
        QVERIFY(mainHidden);
        QVERIFY(main.isVisible());
        QVERIFY(search.isNull()); // destroyed with the names window
    }
};

QTEST_MAIN(TestJmena)
#include "test_jmena.moc"
