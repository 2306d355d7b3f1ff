// The horoscope catalogue: the system, sign and tab lists, the text each choice shows,
// printing and saving; and a walk over every text of the shipped data folder.
#include "data/horoscopes.h"
#include "platform/rich.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitHoroskopy.h"
#include "ui/qtext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

namespace fs = std::filesystem;

const QString kMissing = QStringLiteral("Nektere soubory chybi, prosim preinstalujte aplikaci");

QString folderOf(const fs::path& dir) {
    return fromPath(dir) + QLatin1Char('/');
}

fs::path system(const TempFolder& dir, const std::string& name) {
    return horoscopeFolder(dir.path(), name);
}

void writeLines(const fs::path& path, const std::string& utf8) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << encode1250(utf8);
}

// A text whose only line names its file, so a test sees which file was read.
void writeText(const fs::path& folder, const std::string& name) {
    RichDoc doc;
    appendLine(doc, name);
    QVERIFY(writeRtfFile(folder / fs::path(std::u8string(name.begin(), name.end())), doc));
}

// Sluneční with tabs, Keltský without, and Informace, which is no system.
void writeCatalogue(const TempFolder& dir) {
    writeLines(system(dir, "Sluneční") / "tabs.txt", "Povaha\r\nMuž\r\nŽena\r\n");
    writeLines(system(dir, "Sluneční") / "seznam.txt", "Beran\r\nBýk\r\n");
    for (const char* file :
         {"Povaha - Beran.rtf", "Muž - Beran.rtf", "Žena - Beran.rtf", "Povaha - Býk.rtf"}) {
        writeText(system(dir, "Sluneční"), file);
    }
    writeLines(system(dir, "Keltský") / "seznam.txt", "Jabloň\r\nJedle\r\n");
    writeText(system(dir, "Keltský"), "Jabloň.rtf");
    writeLines(system(dir, "Informace") / "seznam.txt", "Keltský\r\n");
    fs::create_directories(system(dir, "Čínský")); // no sign list
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

QStringList tabsOf(const TabStrip* tabs) {
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << tabs->tabText(i);
    }
    return captions;
}

// As the user chooses: the entry becomes current and the box says it was activated.
void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}
void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    choose(box, index);
}

QString shown(const TFrmHoroskopy& w) {
    return toQ(plainText(w.RichEdit1->richDoc())).trimmed();
}

} // namespace

class TestHoroskopy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tarvenik")); }

    void opensWithTheSystemsAndNothingChosen() {
        TempFolder dir;
        writeCatalogue(dir);
        DialogRecorder dialogs;
        TFrmHoroskopy w(nullptr, folderOf(dir.path()));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvenik :: Přehled horoskopů"));
        QCOMPARE(w.LblHoroskop->text(), QStringLiteral("Horoskop"));
        QCOMPARE(w.LblZnameni->text(), QStringLiteral("Znamení"));
        QCOMPARE(w.BtnTisk->text(), QStringLiteral("Tisk"));
        QCOMPARE(w.BtnUlozit->text(), QStringLiteral("Uložit"));
        // Czech order, Informace left out.
        QCOMPARE(itemsOf(w.ComboBoxHoroskop), (QStringList{"Čínský", "Keltský", "Sluneční"}));
        QVERIFY(w.ComboBoxHoroskop->maxVisibleItems() >= w.ComboBoxHoroskop->count());
        QVERIFY(!w.ComboBoxHoroskop->isEditable());
        QVERIFY(!w.ComboBoxZnameni->isEditable());
        QCOMPARE(w.ComboBoxHoroskop->currentIndex(), -1);
        QCOMPARE(w.ComboBoxZnameni->count(), 0);
        QVERIFY(!w.TabControl1->isEnabled());
        QVERIFY(w.RichEdit1->isReadOnly());
        QCOMPARE(w.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(w.RichEdit1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(w.size(), w.minimumSize());
        QCOMPARE(w.size(), w.maximumSize());
        QVERIFY(w.width() >= 688 && w.height() >= 448);
        QVERIFY(dialogs.calls.empty());
    }

    void noHoroscopeFolderMeansNoSystems() {
        for (const bool empty : {false, true}) {
            TempFolder dir;
            if (empty) {
                fs::create_directories(dir / "Data" / "Horoskopy");
            }
            DialogRecorder dialogs;
            TFrmHoroskopy w(nullptr, folderOf(dir.path()));
            QCOMPARE(w.ComboBoxHoroskop->count(), 0);
            QCOMPARE(w.ComboBoxHoroskop->maxVisibleItems(), 1);
            QVERIFY(dialogs.calls.empty());
        }
    }

    void aSystemThenASignThenATab() {
        TempFolder dir;
        writeCatalogue(dir);
        DialogRecorder dialogs;
        TFrmHoroskopy w(nullptr, folderOf(dir.path()));

        // Without tabs: the plain file of the sign.
        choose(w.ComboBoxHoroskop, QStringLiteral("Keltský"));
        QCOMPARE(itemsOf(w.ComboBoxZnameni), (QStringList{"Jabloň", "Jedle"}));
        QCOMPARE(w.ComboBoxZnameni->currentIndex(), -1);
        QCOMPARE(w.TabControl1->count(), 0);
        choose(w.ComboBoxZnameni, 0);
        QCOMPARE(shown(w), QStringLiteral("Jabloň.rtf"));

        // To a system with tabs: a fresh sign list, the tabs with the first one selected
        // but unusable, and no text until a sign is chosen; then the first tab's file.
        choose(w.ComboBoxHoroskop, QStringLiteral("Sluneční"));
        QCOMPARE(itemsOf(w.ComboBoxZnameni), (QStringList{"Beran", "Býk"}));
        QCOMPARE(w.ComboBoxZnameni->currentIndex(), -1);
        QCOMPARE(tabsOf(w.TabControl1), (QStringList{"Povaha", "Muž", "Žena"}));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        QVERIFY(!w.TabControl1->isEnabled());
        QVERIFY(w.RichEdit1->isEmpty());
        choose(w.ComboBoxZnameni, QStringLiteral("Beran"));
        QVERIFY(w.TabControl1->isEnabled());
        QCOMPARE(shown(w), QStringLiteral("Povaha - Beran.rtf"));

        w.TabControl1->setCurrentIndex(2);
        QCOMPARE(shown(w), QStringLiteral("Žena - Beran.rtf"));
        // Another sign keeps the tab.
        choose(w.ComboBoxZnameni, QStringLiteral("Býk"));
        QCOMPARE(w.TabControl1->currentIndex(), 2);
        QVERIFY(w.RichEdit1->isEmpty()); // "Žena - Býk.rtf" is not there ...
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1}); // ... and that is said once
        QCOMPARE(messages.front().text, kMissing);
        QCOMPARE(messages.front().caption, QStringLiteral("Tarvenik"));
        w.TabControl1->setCurrentIndex(0);
        QCOMPARE(shown(w), QStringLiteral("Povaha - Býk.rtf"));

        // Choosing the same system again starts it afresh.
        choose(w.ComboBoxHoroskop, QStringLiteral("Sluneční"));
        QVERIFY(w.RichEdit1->isEmpty());
        QVERIFY(!w.TabControl1->isEnabled());
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{1});
    }

    void aMissingSignListKeepsTheSignsShown() {
        TempFolder dir;
        writeCatalogue(dir);
        DialogRecorder dialogs;
        TFrmHoroskopy w(nullptr, folderOf(dir.path()));
        choose(w.ComboBoxHoroskop, QStringLiteral("Keltský"));
        choose(w.ComboBoxZnameni, QStringLiteral("Jabloň"));
        choose(w.ComboBoxHoroskop, QStringLiteral("Čínský"));
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages.front().caption, QStringLiteral("Chyba"));
        QVERIFY(messages.front().text.contains(QStringLiteral("seznam.txt")));
        // The signs stay, and so does the system they belong to, with its text.
        QCOMPARE(itemsOf(w.ComboBoxZnameni), (QStringList{"Jabloň", "Jedle"}));
        QCOMPARE(w.ComboBoxHoroskop->currentText(), QStringLiteral("Keltský"));
        QCOMPARE(shown(w), QStringLiteral("Jabloň.rtf"));
        // With no system chosen before, the list goes back to none.
        TFrmHoroskopy fresh(nullptr, folderOf(dir.path()));
        choose(fresh.ComboBoxHoroskop, QStringLiteral("Čínský"));
        QCOMPARE(fresh.ComboBoxHoroskop->currentIndex(), -1);
        QCOMPARE(fresh.ComboBoxZnameni->count(), 0);
    }

    void printingAsksEvenWhenEmptySavingDoesNot() {
        TempFolder dir;
        writeCatalogue(dir);
        DialogRecorder dialogs;
        TFrmHoroskopy w(nullptr, folderOf(dir.path()));
        w.BtnTisk->click();
        const auto printed = dialogs.callsOf(QStringLiteral("print"));
        QCOMPARE(printed.size(), std::size_t{1});
        QCOMPARE(printed.front().caption, QStringLiteral("Tarvenik :: horoskopy"));
        w.BtnUlozit->click();
        QVERIFY(dialogs.callsOf(QStringLiteral("saveFile")).empty());

        choose(w.ComboBoxHoroskop, QStringLiteral("Sluneční"));
        choose(w.ComboBoxZnameni, QStringLiteral("Beran"));
        const QString target = fromPath(dir / "beran");
        dialogs.fileAnswers.push_back(target);
        w.BtnUlozit->click();
        const auto saves = dialogs.callsOf(QStringLiteral("saveFile"));
        QCOMPARE(saves.size(), std::size_t{1});
        QCOMPARE(saves.front().caption, QStringLiteral("Uložit jako"));
        QCOMPARE(saves.front().text, folderOf(dir.path()) + QStringLiteral("Beran"));
        QCOMPARE(saves.front().filters, shownTextFilters());
        const auto saved = readRtfFile(dir / "beran.rtf");
        QVERIFY(saved);
        QCOMPARE(toQ(plainText(*saved)).trimmed(), QStringLiteral("Povaha - Beran.rtf"));
    }

    void theMainWindowOpensItInItsPlace() {
        TempFolder dir;
        writeCatalogue(dir);
        DialogRecorder dialogs;
        TFrmHlavni main(folderOf(dir.path()));
        QVERIFY(main.BtnHoroskopy->isEnabled());
        QVERIFY(main.Horoskopy1->isEnabled());
        main.show();
        bool hidden = false;
        whenShown<TFrmHoroskopy>([&](TFrmHoroskopy* w) {
            hidden = !main.isVisible();
            QCOMPARE(w->ComboBoxHoroskop->count(), 3);
            w->close();
        });
        main.BtnHoroskopy->click();
        QVERIFY(hidden);
        QVERIFY(main.isVisible());
    }

    // Every system, sign and tab of the shipped data opens a text.
    void everyShippedTextOpens() {
        DialogRecorder dialogs;
        TFrmHoroskopy w(nullptr, folderOf(fs::path(TARVENIK_APP_DIR)));
        const QStringList systems = itemsOf(w.ComboBoxHoroskop);
        QVERIFY(systems.size() >= 16);
        QVERIFY(!systems.contains(QStringLiteral("Informace")));
        int texts = 0;
        for (int s = 0; s < systems.size(); ++s) {
            choose(w.ComboBoxHoroskop, s);
            QVERIFY2(w.ComboBoxZnameni->count() > 0, qPrintable(systems[s]));
            for (int sign = 0; sign < w.ComboBoxZnameni->count(); ++sign) {
                choose(w.ComboBoxZnameni, sign);
                const int tabs = std::max(1, w.TabControl1->count());
                for (int t = 0; t < tabs; ++t) {
                    w.TabControl1->setCurrentIndex(t);
                    const QString where = systems[s] + QLatin1Char('/') +
                                          w.ComboBoxZnameni->itemText(sign) + QLatin1Char('/') +
                                          w.TabControl1->tabText(t);
                    QVERIFY2(dialogs.calls.empty(), qPrintable(where));
                    QVERIFY2(shown(w).size() > 100, qPrintable(where));
                    ++texts;
                }
            }
        }
        QVERIFY(texts > 400);

        // From a system without tabs to one with tabs: the first tab's text of the sign.
        choose(w.ComboBoxHoroskop, QStringLiteral("Pravdivý"));
        choose(w.ComboBoxZnameni, QStringLiteral("Beran"));
        choose(w.ComboBoxHoroskop, QStringLiteral("Sluneční"));
        choose(w.ComboBoxZnameni, QStringLiteral("Beran"));
        QCOMPARE(w.TabControl1->currentIndex(), 0);
        const std::string firstTab = fromQ(w.TabControl1->tabText(0));
        const auto expected = readRtfFile(
            horoscopeTextPath(fs::path(TARVENIK_APP_DIR), "Sluneční", "Beran", &firstTab));
        QVERIFY(expected);
        QCOMPARE(shown(w), toQ(plainText(*expected)).trimmed());
    }
};

QTEST_MAIN(TestHoroskopy)
#include "test_horoskopy.moc"
