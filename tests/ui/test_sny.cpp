// The dream window over the shipped data and over small folders of its own, its search
// window, and its opening from the main window.
#include "data/dreamcard.h"
#include "platform/rtfreader.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/CheckList.h"
#include "ui/RichView.h"
#include "ui/UVyhledavaniSny.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitSny.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <map>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

const QString kShipped = QStringLiteral(TARVENIK_APP_DIR "/");

// A dream folder of all 26 letters, empty but for the given ones; "" leaves a letter out.
void writeDreams(const TempFolder& app, const std::map<char, std::string>& letters) {
    std::filesystem::create_directories(app / "Data/Sny");
    for (const char letter : kDreamLetters) {
        const auto given = letters.find(letter);
        if (given != letters.end() && given->second.empty()) {
            continue;
        }
        app.write("Data/Sny/Sny" + std::string(1, letter) + ".txt",
                  encode1250(given == letters.end() ? "" : given->second));
    }
}

QString folderOf(const TempFolder& app) {
    return fromPath(app.path()) + QLatin1Char('/');
}

void click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

int letterRow(char letter) {
    return static_cast<int>(kDreamLetters.find(letter));
}

} // namespace

class TestSny : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void browsesALetterAndShowsAWholeCard() {
        DialogRecorder dialogs;
        TFrmSny w(nullptr, kShipped);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Databáze snů"));
        QCOMPARE(w.ListBoxPismena->count(), 26);
        QCOMPARE(w.ListBoxPismena->item(25)->text(), QStringLiteral("  Z  "));
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Počet nalezených záznamů"));
        QVERIFY(!w.RichEdit1->isReadOnly());
        QVERIFY(w.RichEdit1->wordWrap());

        click(w.ListBoxPismena, letterRow('P'));
        const auto letter = loadDreamLetter(toPath(kShipped), 'P');
        QVERIFY(letter);
        QStringList titles;
        for (const DreamEntry& e : *letter) {
            titles << toQ(e.title);
        }
        QCOMPARE(itemsOf(w.ListBoxNazvy), titles);
        QCOMPARE(w.LblPocetNalezenych->text(),
                 QStringLiteral("Nalezeno %1 záznamů.").arg(letter->size()));
        QCOMPARE(w.entries(), *letter);

        const int pes = static_cast<int>(titles.indexOf(QStringLiteral("Pes")));
        QVERIFY(pes >= 0);
        click(w.ListBoxNazvy, pes);
        const DreamEntry& entry = (*letter)[static_cast<std::size_t>(pes)];
        QVERIFY(entry.subEntries.size() >= 2);
        QCOMPARE(w.RichEdit1->richDoc(), dreamCard(entry));
        QCOMPARE(w.defaultFileName(), QStringLiteral("Pes"));

        // What the view shows: the sizes, the centring and the grey of the source.
        const QTextDocument* d = w.RichEdit1->document();
        const std::size_t n = entry.subEntries.size();
        QCOMPARE(d->blockCount(), static_cast<int>(4 + 3 * n + 2 * (n - 1)));
        const QTextBlock title = d->findBlockByNumber(1);
        QCOMPARE(title.text(), QStringLiteral("Pes"));
        QVERIFY(title.blockFormat().alignment() & Qt::AlignHCenter);
        QCOMPARE(title.begin().fragment().charFormat().fontPointSize(), 17.0);
        QCOMPARE(d->findBlockByNumber(2).begin().fragment().charFormat().fontPointSize(), 5.0);
        const QTextBlock refinement = d->findBlockByNumber(4);
        QCOMPARE(refinement.text(),
                 QStringLiteral("  %1: ").arg(toQ(entry.subEntries[0].refinement)));
        QCOMPARE(refinement.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        const QTextCharFormat source = d->findBlockByNumber(6).begin().fragment().charFormat();
        QCOMPARE(source.fontPointSize(), 8.0);
        QCOMPARE(source.foreground().color(), QColor(192, 192, 192));
        QVERIFY(d->findBlockByNumber(7).text().isEmpty());
        QVERIFY(d->findBlockByNumber(8).text().isEmpty());
        QVERIFY(d->lastBlock().text().startsWith(QStringLiteral("    ")));

        // Print under the job title; save offers the title as the file name.
        w.BtnTisk->click();
        const auto prints = dialogs.callsOf(QStringLiteral("print"));
        QCOMPARE(prints.size(), std::size_t{1});
        QCOMPARE(prints[0].caption, QStringLiteral("Tarvenik :: význam snů"));
        TempFolder out;
        dialogs.fileAnswers.push_back(fromPath(out / "karta"));
        w.BtnUlozit->click();
        const auto saves = dialogs.callsOf(QStringLiteral("saveFile"));
        QCOMPARE(saves.size(), std::size_t{1});
        QCOMPARE(saves[0].caption, QStringLiteral("Uložit jako"));
        QCOMPARE(saves[0].text, kShipped + QStringLiteral("Pes"));
        QCOMPARE(saves[0].filters, shownTextFilters());
        const auto saved = readRtfFile(out / "karta.rtf");
        QVERIFY(saved);
        QCOMPARE(*saved, w.RichEdit1->richDoc());
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{0});

        // The arrow keys browse too; the card stays until a title is chosen.
        QTest::keyClick(w.ListBoxPismena, Qt::Key_Down);
        QCOMPARE(w.ListBoxNazvy->count(), 0); // nothing starts with Q
        QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Nalezeno 0 záznamů."));
        QCOMPARE(w.RichEdit1->richDoc(), dreamCard(entry));
    }

    void emptyCardNeitherPrintsNorSaves() {
        DialogRecorder dialogs;
        TFrmSny w(nullptr, kShipped);
        w.BtnTisk->click();
        w.BtnUlozit->click();
        QVERIFY(dialogs.calls.empty());
    }

    void unreadableLetterIsReportedAndTheListStays() {
        TempFolder app;
        writeDreams(app, {{'A', "Anděl;strážný;Ochrana;;\r\n"}, {'B', ""}, {'C', ""}});
        std::filesystem::create_directory(app / "Data/Sny/SnyC.txt"); // cannot be read
        DialogRecorder dialogs;
        TFrmSny w(nullptr, folderOf(app));
        w.show();
        click(w.ListBoxPismena, letterRow('A'));
        QCOMPARE(itemsOf(w.ListBoxNazvy), QStringList{QStringLiteral("Anděl")});
        for (const char letter : {'B', 'C'}) {
            dialogs.calls.clear();
            click(w.ListBoxPismena, letterRow(letter));
            const auto messages = dialogs.callsOf(QStringLiteral("message"));
            QCOMPARE(messages.size(), std::size_t{1}); // one click, one report
            QCOMPARE(messages[0].icon, MessageIcon::Error);
            QVERIFY(messages[0].text.contains(QStringLiteral("Sny%1.txt").arg(letter)));
            QCOMPARE(itemsOf(w.ListBoxNazvy), QStringList{QStringLiteral("Anděl")});
            QCOMPARE(w.LblPocetNalezenych->text(), QStringLiteral("Nalezeno 1 záznamů."));
        }
    }

    void searchWindowListsWhatItFinds() {
        TempFolder app;
        writeDreams(app, {
                             {'A', "Auto;řídit;Cesta, pes;Kniha;\r\nAuto;havarovat;Pozor;;\r\n"},
                             {'B', "Auto;koupit;Změna;;\r\n"},
                             {'P', "Pes;štěkající;Zpráva;;\r\nPes;spící;Klid;;\r\n"},
                         });
        DialogRecorder dialogs;
        auto* w = new TFrmSny(nullptr, folderOf(app));
        w->show();
        click(w->ListBoxPismena, letterRow('P'));
        click(w->ListBoxNazvy, 0);
        const RichDoc card = w->RichEdit1->richDoc();

        TFrmVyhledavaniSny* s = w->FrmVyhledavaniSny;
        QVERIFY(!s->isVisible());
        w->BtnHledej->click();
        QVERIFY(s->isVisible());
        QVERIFY(w->isVisible());
        QVERIFY(!s->isModal());
        QVERIFY(s->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(s->windowTitle(), QStringLiteral("Vyhledávání..."));
        QCOMPARE(s->ChkLstPolozky->ListBox->count(), 4);
        QVERIFY(!s->ChkBoxPresny->isChecked() && !s->ChkBoxVelikost->isChecked());
        QCOMPARE(s->settings().fields.size(), std::size_t{4});

        // Nothing to search: no text, or no field.
        s->BtnHledej->click();
        s->EdHledanyText->setText(QStringLiteral("pes"));
        s->ChkLstPolozky->BtnNic->click();
        s->BtnHledej->click();
        const auto refusals = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(refusals.size(), std::size_t{2});
        QCOMPARE(refusals[0].text, QStringLiteral("Není co hledat!"));
        QCOMPARE(refusals[1].text, QStringLiteral("Není co hledat!"));
        QCOMPARE(itemsOf(w->ListBoxNazvy), (QStringList{"Pes"}));

        // Invert ticks all four again; Enter in the text runs the search.
        s->ChkLstPolozky->BtnInvertovat->click();
        QCOMPARE(s->settings().fields.size(), std::size_t{4});
        QTest::keyClick(s->EdHledanyText, Qt::Key_Return);
        QCOMPARE(itemsOf(w->ListBoxNazvy), (QStringList{"Auto", "Pes"}));
        QCOMPARE(w->LblPocetNalezenych->text(), QStringLiteral("Nalezeno 2 záznamů."));
        QCOMPARE(w->entries()[0].subEntries.size(), std::size_t{3}); // over A and B, whole
        QCOMPARE(w->ListBoxPismena->currentRow(), letterRow('P'));   // the letter stays
        QCOMPARE(w->RichEdit1->richDoc(), card);                     // and so does the card

        // Only the source ticked, case-sensitive.
        s->ChkLstPolozky->BtnNic->click();
        s->ChkLstPolozky->ListBox->item(3)->setCheckState(Qt::Checked);
        s->ChkBoxVelikost->setChecked(true);
        s->EdHledanyText->setText(QStringLiteral("Kniha"));
        s->BtnHledej->click();
        QCOMPARE(itemsOf(w->ListBoxNazvy), (QStringList{"Auto"}));
        s->EdHledanyText->setText(QStringLiteral("kniha"));
        s->BtnHledej->click();
        QCOMPARE(w->ListBoxNazvy->count(), 0);
        QCOMPARE(w->LblPocetNalezenych->text(), QStringLiteral("Nalezeno 0 záznamů."));

        // Back to browsing: the letter chosen before the search lists again on a click.
        click(w->ListBoxPismena, letterRow('P'));
        QCOMPARE(itemsOf(w->ListBoxNazvy), (QStringList{"Pes"}));

        // A letter file gone: reported, the list as it was.
        std::filesystem::remove(app / "Data/Sny/SnyK.txt");
        dialogs.calls.clear();
        s->BtnHledej->click();
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{1});
        QCOMPARE(itemsOf(w->ListBoxNazvy), (QStringList{"Pes"}));

        // Escape hides the search window; it goes with the dream window.
        QTest::keyClick(s->EdHledanyText, Qt::Key_Escape);
        QVERIFY(!s->isVisible());
        QPointer<TFrmVyhledavaniSny> alive(s);
        delete w;
        QVERIFY(alive.isNull());
    }

    void mainWindowOpensItAsAFeatureWindow() {
        TempFolder app;
        writeDreams(app, {});
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(app));
        main.show();
        QVERIFY(main.BtnSny->isEnabled());
        QVERIFY(main.Sny1->isEnabled());
        bool mainHidden = false;
        whenShown<TFrmSny>([&](TFrmSny* dreams) {
            mainHidden = !main.isVisible();
            dreams->reject();
        });
        main.Sny1->trigger();
        QVERIFY(mainHidden);
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TestSny)
#include "test_sny.moc"
