// The report over the shipped data folder: every usable horoscope button of several
// persons, and every tab it offers, shows a text.
#include "data/horoscopes.h"
#include "data/persons.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QPushButton>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

class TestVypisContent : public QObject {
    Q_OBJECT
private slots:
    void everyButtonShowsAText() {
        TempFolder dir;
        std::filesystem::create_directory_symlink(std::filesystem::path(TARVENIK_APP_DIR) / "Data",
                                                  dir / "Data");
        std::filesystem::copy_file(std::filesystem::path(TARVENIK_APP_DIR) / "Svatky.ini",
                                   dir / "Svatky.ini");
        const Person people[] = {
            {"Jan", "Novák", *DateTime::fromDate(1975, 3, 5), 7, 5, true, 0},
            {"Eva", "Malá", *DateTime::fromDate(1990, 4, 15), 23, 40, true, 1},
            {"Šárka", "Dvořáková", *DateTime::fromDate(1912, 2, 29), 12, 0, true, -1},
            {"Zbyněk", "Černý", *DateTime::fromDate(2002, 11, 7), 0, 0, false, 0},
        };
        std::vector<QString> names;
        for (const Person& p : people) {
            const auto name = writePerson(dir.path(), p);
            QVERIFY(name);
            names.push_back(toQ(*name));
        }
        DialogRecorder dialogs;
        int shown = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QString folder = fromPath(dir.path()) + QLatin1Char('/');
            TFrmVypis report(nullptr, folder, folder, names[i], names[(i + 1) % names.size()], true,
                             {}, std::chrono::milliseconds(0));
            for (QPushButton* b : report.findChildren<QPushButton*>()) {
                if (!b->objectName().startsWith(QLatin1String("Btn")) || !b->isEnabled() ||
                    b == report.BtnNastaveni ||
                    b->objectName().startsWith(QLatin1String("BtnBio"))) {
                    continue;
                }
                b->click();
                const int tabs = std::max(1, report.TabControl1->count());
                for (int t = 0; t < tabs; ++t) {
                    if (report.TabControl1->count() > 0) {
                        report.TabControl1->setCurrentIndex(t);
                    }
                    const QString text = toQ(plainText(report.RichEdit1->richDoc()));
                    QVERIFY2(!text.contains(QString::fromUtf8(kTextMissing)) && text.size() > 100,
                             qPrintable(names[i] + QLatin1Char(' ') + b->objectName() +
                                        QLatin1Char(' ') + QString::number(t)));
                    ++shown;
                }
            }
        }
        QVERIFY(shown > 150);
        QVERIFY(dialogs.callsOf(QStringLiteral("message")).size() <=
                4); // the Aztec/ascendant notes
    }
};

QTEST_MAIN(TestVypisContent)
#include "test_vypis_content.moc"
