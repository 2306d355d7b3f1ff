// The shipped content files, each damaged in every way of damage.h under the window that
// reads it: no crash, an answer within 2 s, the window's own message or a Czech message naming
// the file (or, where the format cannot tell damage, what could be read), and nothing written.
// Every case prints one row "file | damage | outcome | ms" for the damage table.
#include "data/persons.h"
#include "platform/rich.h"
#include "tests/robustness/damage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UVyhledavani.h"
#include "ui/UVyhledavaniSny.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitHoroskopy.h"
#include "ui/UnitJmena.h"
#include "ui/UnitOstatni.h"
#include "ui/UnitSny.h"
#include "ui/UnitSvatky.h"
#include "ui/UnitText.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

using namespace tarvenik;
using namespace tarvenik::test;
namespace fs = std::filesystem;

namespace {

constexpr qint64 kMaxMs = 2000;

// What a window showed: its message boxes and, in a few words, the state of its view.
struct Seen {
    QStringList messages;
    QString shown;
};

using Drive = std::function<QString(const QString& appFolder)>;

struct ContentFile {
    const char* label;       // the file and the window, as the table shows them
    const char* path;        // in the application folder
    const char* whenMissing; // what the window shows for a missing file (message or view)
    Drive drive;             // opens the window, does what reads the file, says what it shows
};

// Shortened for one row of the table; random bytes show as themselves, but never as a line
// break, a column bar or an invisible control character.
QString cut(QString text, int chars = 70) {
    text.replace(QLatin1Char('\n'), QStringLiteral(" / "));
    text.replace(QLatin1Char('|'), QLatin1Char('/'));
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            c = QChar(0xb7); // a middle dot
        }
    }
    return text.size() > chars ? text.left(chars) + QStringLiteral("…") : text;
}

QString viewText(const RichView* view) {
    return toQ(plainText(view->richDoc()));
}

QDateTime fixedNow() {
    return QDateTime(QDate(2026, 11, 4), QTime(12, 0));
}

// The person of every report: a man born 5.3.1975 at 7:05, sun sign Ryby.
const Person kPerson{"Jan", "Novák", *DateTime::fromDate(1975, 3, 5), 7, 5, true, 0};
QString g_personRecord;

std::unique_ptr<TFrmVypis> openReport(const QString& app) {
    return std::make_unique<TFrmVypis>(nullptr, app, app, g_personRecord, QString(), false,
                                       fixedNow, std::chrono::milliseconds(0));
}

QString reportShows(TFrmVypis& v) {
    QStringList tabs;
    for (int i = 0; i < v.TabControl1->count(); ++i) {
        tabs << v.TabControl1->tabText(i);
    }
    return QStringLiteral("tabs [%1], view: %2")
        .arg(cut(tabs.join(QLatin1Char(',')), 30), cut(viewText(v.RichEdit1), 40));
}

QString catalogueShows(const QString& app) {
    TFrmHoroskopy w(nullptr, app);
    const int system = w.ComboBoxHoroskop->findText(QStringLiteral("Sluneční"));
    w.ComboBoxHoroskop->setCurrentIndex(system);
    w.ComboBoxHoroskopChange(system);
    const int sign = w.ComboBoxZnameni->findText(QStringLiteral("Ryby"));
    if (sign >= 0) {
        w.ComboBoxZnameni->setCurrentIndex(sign);
        w.ComboBoxZnameniChange(sign);
    }
    return QStringLiteral("%1 signs, %2 tabs, view: %3")
        .arg(w.ComboBoxZnameni->count())
        .arg(w.TabControl1->count())
        .arg(cut(viewText(w.RichEdit1), 40));
}

QString calendarShows(const QString& app, bool extended) {
    TFrmSvatky w(nullptr, app);
    if (extended) {
        w.ChkBoxRozsirene->click();
    }
    w.BtnVse->click();
    return QStringLiteral("%1 rows, \"%2\"")
        .arg(w.ListViewSvatky->rowCount())
        .arg(w.LblNalezeno->text());
}

QString namesShow(const QString& app, bool search) {
    TFrmJmena w(nullptr, app, std::chrono::milliseconds(0));
    w.show();
    if (search) {
        w.BtnHledej->click();
        w.FrmVyhledavani->EdHledanyText->setText(QStringLiteral("jan"));
        w.FrmVyhledavani->BtnHledej->click();
    } else {
        w.ListBoxPismena->setCurrentRow(9); // J
    }
    return QStringLiteral("%1 names listed").arg(w.ListBoxNazvy->count());
}

QString dreamsShow(const QString& app, bool search) {
    TFrmSny w(nullptr, app);
    w.show();
    if (search) {
        w.BtnHledej->click();
        w.FrmVyhledavaniSny->EdHledanyText->setText(QStringLiteral("kočka"));
        w.FrmVyhledavaniSny->BtnHledej->click();
    } else {
        w.ListBoxPismena->setCurrentRow(10); // K
    }
    return QStringLiteral("%1 dreams listed").arg(w.ListBoxNazvy->count());
}

QString helpShows(const QString& app, QAction* TFrmHlavni::*item) {
    TFrmHlavni w(app, fixedNow);
    QString shown = QStringLiteral("no viewer");
    whenShown<TFrmText>(
        [&shown](TFrmText* viewer) {
            shown = QStringLiteral("viewer: ") + cut(viewer->Memo1->toPlainText(), 40);
            viewer->reject();
        },
        1, true);
    (w.*item)->trigger();
    QCoreApplication::processEvents(); // the look above, when no viewer came
    return shown;
}

const std::vector<ContentFile>& contentFiles() {
    static const std::vector<ContentFile> files{
        {"Svatky.ini (main window panel)", "Svatky.ini", "<nenalezeno>",
         [](const QString& app) {
             TFrmHlavni w(app, fixedNow);
             return w.panelText(2);
         }},
        {"Svatky.ini (TFrmSvatky)", "Svatky.ini",
         "Soubor se svátky nenalezen, prosím přeinstalujte aplikaci",
         [](const QString& app) { return calendarShows(app, false); }},
        {"SvatkyEx.ini (TFrmSvatky)", "SvatkyEx.ini",
         "Soubor se svátky nenalezen, prosím přeinstalujte aplikaci",
         [](const QString& app) { return calendarShows(app, true); }},
        {"JménaJ.dat (TFrmJmena letter)", "Data/Jména/JménaJ.dat", "JménaJ.dat nebyl nalezen",
         [](const QString& app) { return namesShow(app, false); }},
        {"JménaJ.dat (TFrmJmena search)", "Data/Jména/JménaJ.dat", "JménaJ.dat nebyl nalezen",
         [](const QString& app) { return namesShow(app, true); }},
        {"SnyK.txt (TFrmSny letter)", "Data/Sny/SnyK.txt", "SnyK.txt nebyl nalezen",
         [](const QString& app) { return dreamsShow(app, false); }},
        {"SnyK.txt (TFrmSny search)", "Data/Sny/SnyK.txt", "SnyK.txt nebyl nalezen",
         [](const QString& app) { return dreamsShow(app, true); }},
        {"Sluneční/tabs.txt (TFrmVypis)", "Data/Horoskopy/Sluneční/tabs.txt", "NENALEZENO!",
         [](const QString& app) {
             auto v = openReport(app);
             v->BtnSlunecni->click();
             return reportShows(*v);
         }},
        {"Sluneční/tabs.txt (TFrmHoroskopy)", "Data/Horoskopy/Sluneční/tabs.txt",
         "Nektere soubory chybi, prosim preinstalujte aplikaci", catalogueShows},
        {"Sluneční/seznam.txt (TFrmHoroskopy)", "Data/Horoskopy/Sluneční/seznam.txt",
         "seznam.txt nebyl nalezen", catalogueShows},
        {"Povaha - Ryby.rtf (TFrmVypis)", "Data/Horoskopy/Sluneční/Povaha - Ryby.rtf",
         "NENALEZENO!",
         [](const QString& app) {
             auto v = openReport(app);
             v->BtnSlunecni->click();
             return reportShows(*v);
         }},
        {"Povaha - Ryby.rtf (TFrmHoroskopy)", "Data/Horoskopy/Sluneční/Povaha - Ryby.rtf",
         "Nektere soubory chybi, prosim preinstalujte aplikaci", catalogueShows},
        {"Numerologie/Osud.rtf (TFrmVypis)", "Data/Numerologie/Osud.rtf", "Osud.rtf nebyl nalezen",
         [](const QString& app) {
             auto v = openReport(app);
             QTest::mouseClick(v->LblOsud, Qt::LeftButton);
             return QStringLiteral("view: ") + cut(viewText(v->RichEdit1), 40);
         }},
        {"biorytmy.rtf (TFrmVypis)", "Data/biorytmy.rtf", "biorytmy.rtf nebyl nalezen",
         [](const QString& app) {
             auto v = openReport(app);
             v->BtnBiorytmyInfo->click();
             return QStringLiteral("view: ") + cut(viewText(v->RichEdit1), 40);
         }},
        {"abu.txt (TFrmOstatni)", "Data/abu.txt",
         "Soubor abu.txt nenalezen, přeinstalujte aplikaci...",
         [](const QString& app) {
             TFrmOstatni w(nullptr, app, fixedNow);
             w.VtnVesteniVesti->click();
             return QStringLiteral("oracle: ") + cut(w.MemoVesteni->toPlainText(), 40);
         }},
        {"literatura.txt (help menu)", "literatura.txt",
         "Soubor nebyl nalezen, prosim preinstalujte aplikaci.",
         [](const QString& app) { return helpShows(app, &TFrmHlavni::Literatura1); }},
        {"historie.txt (help menu)", "historie.txt",
         "Soubor nebyl nalezen, prosim preinstalujte aplikaci.",
         [](const QString& app) { return helpShows(app, &TFrmHlavni::Historie1); }},
        {"licence.txt (help menu)", "licence.txt",
         "Soubor nebyl nalezen, prosim preinstalujte aplikaci.",
         [](const QString& app) { return helpShows(app, &TFrmHlavni::Licence1); }},
    };
    return files;
}

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct CaseRun {
    Seen seen;
    qint64 ms = 0;
    bool unchanged = false;
};

// The shipped folder with the report's person, copied afresh for every case: the data folder,
// the calendars and the help texts, not the executable (the one name without a suffix).
class Pristine {
public:
    Pristine() {
        for (const auto& entry : fs::directory_iterator(TARVENIK_APP_DIR)) {
            if (entry.is_directory() || entry.path().has_extension()) {
                fs::copy(entry.path(), m_dir / entry.path().filename(),
                         fs::copy_options::recursive);
            }
        }
        const auto record = writePerson(m_dir.path(), kPerson);
        g_personRecord = record ? toQ(*record) : QString();
    }
    const fs::path& path() const { return m_dir.path(); }

private:
    TempFolder m_dir;
};

// A copy of the pristine folder whose files are hard links: cheap, and as good as a copy here,
// since applyDamage replaces the file it damages and every write of the program replaces its
// file too; a write in place would show in the listing all the same.
void copyApp(const fs::path& from, const fs::path& to) {
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::create_hard_links);
}

CaseRun runCase(const Pristine& pristine, const ContentFile& file, const DamageCase& damage) {
    TempFolder app;
    copyApp(pristine.path(), app.path());
    applyDamage(app / file.path, bytesOf(pristine.path() / file.path), damage);
    const Listing before = listing(app.path());

    DialogRecorder dialogs;
    CaseRun run;
    QElapsedTimer timer;
    timer.start();
    run.seen.shown = file.drive(fromPath(app.path()) + QLatin1Char('/'));
    run.ms = timer.elapsed();
    for (const auto& call : dialogs.calls) {
        run.seen.messages << QString(call.text).replace(fromPath(app.path()) + QLatin1Char('/'),
                                                        QString());
    }
    run.unchanged = listing(app.path()) == before;
    return run;
}

void printRow(const ContentFile& file, const QString& damage, const QString& outcome,
              const QString& ms) {
    std::printf("ROW %s | %s | %s | %s\n", file.label, qPrintable(damage), qPrintable(outcome),
                qPrintable(ms));
    std::fflush(stdout);
}

} // namespace

class TestContentDamage : public QObject {
    Q_OBJECT
    std::unique_ptr<Pristine> m_pristine;

private slots:
    void initTestCase() {
        QApplication::setApplicationName(QStringLiteral("Tarvenik"));
        m_pristine = std::make_unique<Pristine>();
        QVERIFY(!g_personRecord.isEmpty());
    }

    // The drives read the intact files without a word; otherwise the damage rows prove nothing.
    void intactFilesShowTheirContent_data() {
        QTest::addColumn<int>("file");
        for (std::size_t f = 0; f < contentFiles().size(); ++f) {
            QTest::newRow(contentFiles()[f].label) << static_cast<int>(f);
        }
    }
    void intactFilesShowTheirContent() {
        QFETCH(int, file);
        const ContentFile& f = contentFiles()[static_cast<std::size_t>(file)];
        TempFolder app;
        copyApp(m_pristine->path(), app.path());
        DialogRecorder dialogs;
        const QString shown = f.drive(fromPath(app.path()) + QLatin1Char('/'));
        QVERIFY2(dialogs.calls.empty(),
                 qPrintable(dialogs.calls.empty() ? QString() : dialogs.calls.front().text));
        QVERIFY2(!shown.contains(QString::fromUtf8(f.whenMissing)), qPrintable(shown));
        QVERIFY2(!shown.contains(QLatin1String(" 0 ")) && !shown.startsWith(QLatin1String("0 ")),
                 qPrintable(shown));
    }

    void damagedFile_data() {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("damage");
        const auto cases = allDamageCases();
        for (std::size_t f = 0; f < contentFiles().size(); ++f) {
            for (std::size_t d = 0; d < cases.size(); ++d) {
                QTest::addRow("%s | %s", contentFiles()[f].label, caseName(cases[d]).c_str())
                    << static_cast<int>(f) << static_cast<int>(d);
            }
        }
    }
    void damagedFile() {
        QFETCH(int, file);
        QFETCH(int, damage);
        const ContentFile& f = contentFiles()[static_cast<std::size_t>(file)];
        const DamageCase c = allDamageCases()[static_cast<std::size_t>(damage)];
        const QString name = QString::fromStdString(caseName(c));
        if (c.damage == Damage::NoPermission && permissionsIgnored()) {
            printRow(f, name, QStringLiteral("skipped: run as root, read permission not enforced"),
                     QStringLiteral("-"));
            QSKIP("running as root: file permissions are not enforced");
        }
        const CaseRun run = runCase(*m_pristine, f, c);
        const std::string path = f.path;
        const QString fileName = QString::fromUtf8(path.substr(path.rfind('/') + 1));
        const QString ownText = QString::fromUtf8(f.whenMissing);
        const QString outcome = run.seen.messages.isEmpty()
                                    ? QStringLiteral("no message; shows ") + run.seen.shown
                                    : QStringLiteral("message: ") +
                                          cut(run.seen.messages.join(QStringLiteral(" // ")), 110) +
                                          QStringLiteral("; shows ") + cut(run.seen.shown, 50);
        printRow(f, name, outcome, QString::number(run.ms));

        QVERIFY2(run.ms < kMaxMs, qPrintable(QStringLiteral("%1 ms").arg(run.ms)));
        QVERIFY2(run.unchanged, "a file of the application folder was written or changed");
        for (const QString& m : run.seen.messages) {
            QVERIFY2(m.contains(fileName) || m.contains(ownText), qPrintable(m));
        }
        const QString all =
            run.seen.messages.join(QLatin1Char('\n')) + QLatin1Char('\n') + run.seen.shown;
        if (c.damage == Damage::Missing) {
            QVERIFY2(all.contains(ownText), qPrintable(all));
        }
        if (const QString reason = QString::fromStdString(requiredReason(c.damage));
            !reason.isEmpty()) {
            QVERIFY2(run.seen.messages.join(QLatin1Char('\n')).contains(reason), qPrintable(all));
        }
    }

    void cleanupTestCase() { m_pristine.reset(); }
};

QTEST_MAIN(TestContentDamage)
#include "test_content.moc"
