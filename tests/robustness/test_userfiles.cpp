// The files the user owns or that come from outside, damaged in every way and read by the
// windows that read them: the person file (person dialog and its editing form), the
// settings file (start-up, person dialog, settings dialog), the background picture in its
// three formats (start-up and the settings dialog's picture choice) and the version file
// served over HTTP (update check). Each case must end without a crash within 2 s, show the
// window's own outcome or a Czech message naming the file, and write nothing. Each prints
// one row "file | damage | outcome | ms".

#include "platform/text.h"
#include "tests/localhttp.h"
#include "tests/robustness/damage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitAktualizace.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitNastaveni.h"
#include "ui/UnitPridat.h"
#include "ui/UnitUdaje.h"
#include "ui/qtext.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace tarvenik;
using namespace tarvenik::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

constexpr qint64 kMaxMs = 2000;

// One damaged case under way: the application folder, what the drive saw, and for the
// version file the bytes the server sends (none: the file is not on the server).
struct Run {
    const TempFolder& app;
    DialogRecorder& dialogs;
    std::string pictureName; // the background picture named by Tarvenik.ini
    std::optional<std::string> served;
    QString state;                     // what the window shows afterwards, briefly
    std::optional<Listing> whileOpen;  // for a window whose close saves: before the save
    std::size_t messagesWhileOpen = 0; // messages up to that moment
    bool windowOutcome = false;        // the outcome is the window's own text, not a box
};

TFrmHlavni::Clock fixedNow() {
    return [] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0)); };
}

QString appFolderOf(const Run& run) {
    return fromPath(run.app.path()) + QLatin1Char('/');
}

// Before the settings dialog closes, since every close saves.
void noteBeforeClosing(Run& run) {
    run.whileOpen = listing(run.app.path());
    run.messagesWhileOpen = run.dialogs.callsOf(QStringLiteral("message")).size();
}

// Start-up reads Tarvenik.ini and the picture; "Výpočet" opens the person dialog, which
// lists Udaje.ini and restores the remembered choice; editing the first person reads its
// record. Cancelled throughout, so nothing is written.
void personDialog(Run& run) {
    TFrmHlavni main(appFolderOf(run), fixedNow());
    main.show();
    int persons = -1;
    QString chosen = QStringLiteral("-");
    QString edited = QStringLiteral("-");
    whenShown<TFrmUdaje>([&](TFrmUdaje* d) {
        persons = d->ComBoxUdaje->count();
        chosen = d->ComBoxUdaje->currentText();
        if (d->BtnUpravit->isEnabled()) {
            whenShown<TFrmCoCo>([&](TFrmCoCo* c) {
                c->ComBoxUdaje->setCurrentIndex(0);
                whenShown<TFrmPridat>([&](TFrmPridat* p) {
                    edited =
                        p->LblEditPrijmeni->text() + QLatin1Char(' ') + p->LblEditJmeno->text();
                    p->BtnZrusit->click();
                });
                c->Button1->click();
            });
            d->BtnUpravit->click();
        }
        d->BtnZrusit->click();
    });
    main.BtnVypocetClick();
    run.state =
        QStringLiteral("obrázek %1, osob %2, vybrán %3, upravován %4")
            .arg(main.Image1->isHidden() ? QStringLiteral("skryt") : QStringLiteral("zobrazen"))
            .arg(persons)
            .arg(chosen.isEmpty() ? QStringLiteral("nikdo") : chosen, edited);
}

// The settings dialog reloads Tarvenik.ini and shows it; its close saves, so the folder is
// compared while it is open.
void settingsDialog(Run& run) {
    TFrmHlavni main(appFolderOf(run), fixedNow());
    main.show();
    whenShown<TFrmNastaveni>([&](TFrmNastaveni* d) {
        noteBeforeClosing(run);
        const auto tick = [](const QCheckBox* box) {
            return box->isChecked() ? QStringLiteral("ano") : QStringLiteral("ne");
        };
        run.state = QStringLiteral("partner %1, pamatovat %2, obrázek %3")
                        .arg(tick(d->ChkPartner), tick(d->ChkBoxPamatovat), tick(d->ChkBoxObrazek));
        d->reject();
    });
    main.Help1Click();
}

// The picture named by Tarvenik.ini at start-up, then chosen again in the settings dialog.
void pictureTwice(Run& run) {
    TFrmHlavni main(appFolderOf(run), fixedNow());
    main.show();
    const bool atStart = !main.Image1->isHidden();
    bool kept = false;
    whenShown<TFrmNastaveni>([&](TFrmNastaveni* d) {
        d->ChkBoxObrazek->setChecked(false);
        run.dialogs.fileAnswers.push_back(fromPath(run.app / run.pictureName));
        d->ChkBoxObrazek->setChecked(true);
        kept = d->ChkBoxObrazek->isChecked();
        noteBeforeClosing(run);
        d->reject();
    });
    main.Help1Click();
    const auto shown = [](bool on) {
        return on ? QStringLiteral("zobrazen") : QStringLiteral("nezobrazen");
    };
    run.state = QStringLiteral("při startu %1, po výběru %2").arg(shown(atStart), shown(kept));
}

// The update check against a local server; its temporary copy must be gone afterwards.
void updateCheck(Run& run) {
    LocalHttpServer server;
    if (run.served) {
        server.send("/verzess.txt",
                    LocalHttpServer::response(QByteArray::fromStdString(*run.served)));
    }
    TempFolder temp;
    TFrmAktualizace w(nullptr, {server.site(), fromPath(temp.path()), 5s, [] { return true; }});
    w.BtnAktual->click();
    QVERIFY(listing(temp.path()).empty());
    QVERIFY(w.BtnAktual->isEnabled());
    const QListWidgetItem* last = w.LBInfo->item(w.LBInfo->count() - 1);
    run.state = last->text();
    if (!last->toolTip().isEmpty()) {
        run.state += QStringLiteral(" (") + last->toolTip() + QLatin1Char(')');
    }
    run.windowOutcome = true;
}

std::string inCodePage(const char* utf8) {
    return encode1250(utf8);
}

std::string persons() {
    return inCodePage("[Novák Jan 5.3.1975 07:05]\r\nJmeno=Jan\r\nPrijmeni=Novák\r\n"
                      "Datum=5.3.1975\r\nPresnyCas=1\r\nCas=7:05:00\r\nPohlavi=0\r\n"
                      "[Malá Eva 1.1.1980 00:00]\r\nJmeno=Eva\r\nPrijmeni=Malá\r\n"
                      "Datum=1.1.1980\r\nPresnyCas=0\r\nCas=0:00:00\r\nPohlavi=1\r\n"
                      "[Řezníčková Božena 24.12.1950 00:00]\r\nJmeno=Božena\r\n"
                      "Prijmeni=Řezníčková\r\nDatum=24.12.1950\r\nPresnyCas=0\r\n"
                      "Cas=0:00:00\r\nPohlavi=1\r\n");
}

std::string settingsNaming(const std::string& picture) {
    return inCodePage(("[Vypocet]\r\nPartner=1\r\nPruhlednost=0\r\nPruhlednost_value=255\r\n"
                       "[Pamatovat]\r\nPamatovat=1\r\nPartnerZAP=1\r\n"
                       "Uzivatel=Novák Jan 5.3.1975 07:05\r\nPartner=Malá Eva 1.1.1980 00:00\r\n"
                       "[Obrazek]\r\nPouzit=1\r\nCesta=" +
                       picture + "\r\n")
                          .c_str());
}

std::string pictureAs(const char* format) {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::string versionFile() {
    return inCodePage("24\r\nTarvenik 0.2.4 (únor 2008)\r\nhttps://www.tarvenik.cz/stahnout/\r\n");
}

const std::string kJpeg = "Obrázky/pozadí.jpg";
const std::string kPng = "Obrázky/pozadí.png";
const std::string kBmp = "Obrázky/pozadí.bmp";

// Damages a file may come through without a message. The profile files give a missing file
// or a damaged key its default silently, as they always have; a BMP has no checksum, so
// re-encoded pixel bytes under an intact header still make a (discoloured) picture.
const std::vector<Damage> kProfileQuiet = {Damage::Missing, Damage::Empty, Damage::Truncated,
                                           Damage::RandomBytes, Damage::Utf8};
const std::vector<Damage> kPictureQuiet = {Damage::Huge};
const std::vector<Damage> kBmpQuiet = {Damage::Huge, Damage::Utf8};

// One file of the table: where it lies, its intact bytes, the window that reads it, and the
// damages it may come through without a message.
struct UserFile {
    const char* label;
    std::string path; // in the application folder; empty for the served version file
    std::string (*good)();
    void (*drive)(Run&);
    std::vector<Damage> quiet;
    std::string picture = kJpeg; // what Tarvenik.ini names
};

const std::vector<UserFile>& userFiles() {
    static const std::vector<UserFile> files = {
        {"Udaje.ini", "Udaje.ini", persons, personDialog, kProfileQuiet},
        {"Tarvenik.ini (start, Výpočet)", "Tarvenik.ini", [] { return settingsNaming(kJpeg); },
         personDialog, kProfileQuiet},
        {"Tarvenik.ini (Nastavení)", "Tarvenik.ini", [] { return settingsNaming(kJpeg); },
         settingsDialog, kProfileQuiet},
        {"pozadí.jpg", kJpeg, [] { return pictureAs("JPG"); }, pictureTwice, kPictureQuiet, kJpeg},
        {"pozadí.png", kPng, [] { return pictureAs("PNG"); }, pictureTwice, kPictureQuiet, kPng},
        {"pozadí.bmp", kBmp, [] { return pictureAs("BMP"); }, pictureTwice, kBmpQuiet, kBmp},
        {"verzess.txt", {}, versionFile, updateCheck, {}},
    };
    return files;
}

// The application folder as the build lays it out, without the program itself and the
// data folder, which none of these windows reads; then the user's files, intact.
void installApplication(const TempFolder& app, const UserFile& row) {
    for (const auto& entry : fs::directory_iterator(TARVENIK_APP_DIR)) {
        if (entry.is_regular_file() && entry.path().filename() != "tarvenik") {
            fs::copy_file(entry.path(), app.path() / entry.path().filename());
        }
    }
    fs::create_directories(app.path() / fs::path(kJpeg).parent_path());
    app.write("Udaje.ini", persons());
    app.write("Tarvenik.ini", settingsNaming(row.picture));
    app.write(kJpeg, pictureAs("JPG"));
    app.write(kPng, pictureAs("PNG"));
    app.write(kBmp, pictureAs("BMP"));
}

std::optional<std::string> servedBytes(const std::string& good, const DamageCase& c) {
    if (c.damage == Damage::Missing) {
        return std::nullopt;
    }
    TempFolder staging;
    applyDamage(staging / "verzess.txt", good, c);
    return staging.read("verzess.txt");
}

// Words of the libraries' and Qt's English reasons that no Czech message of ours holds.
QStringList englishWords(const QString& text) {
    static const QRegularExpression words(
        QStringLiteral("\\b(the|of|is|not|no|file|error|invalid|premature|bad|corrupt|unknown|"
                       "unsupported|too|bytes|within|more|than|answer|incorrect|check|chunk|"
                       "missing|unexpected|image|header|found|end|read)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (auto it = words.globalMatch(text); it.hasNext();) {
        found << it.next().captured(1);
    }
    return found;
}

// What a damage must say where it is reported: a missing picture is not found as well.
QString reasonFor(Damage damage) {
    return damage == Damage::Missing ? QStringLiteral("nebyl nalezen")
                                     : QString::fromStdString(requiredReason(damage));
}

// The update window's outcome lines, by damage: the file's absence and its size are
// download failures with a reason; an empty or random file is not version information; a
// cut or re-encoded file may still read as one.
void checkUpdateOutcome(const Run& run, Damage damage) {
    const QString failed = QStringLiteral("Nastala chyba při stahování informací!");
    const QString invalid = QStringLiteral("Server vrátil neplatné informace o verzi.");
    switch (damage) {
    case Damage::Missing:
        QVERIFY2(run.state.startsWith(failed) && run.state.contains(QStringLiteral("404")),
                 qPrintable(run.state));
        break;
    case Damage::Huge:
        QVERIFY2(run.state.startsWith(failed) &&
                     run.state.contains(QStringLiteral("soubor je příliš velký")),
                 qPrintable(run.state));
        break;
    case Damage::Empty:
    case Damage::RandomBytes:
        QCOMPARE(run.state, invalid);
        break;
    default:
        QVERIFY2(run.state == invalid ||
                     run.state == QStringLiteral("Používáte nejnovější verzi programu!") ||
                     run.state.startsWith(QStringLiteral("Nová verze: ")) ||
                     run.state.startsWith(failed),
                 qPrintable(run.state));
    }
}

QString shortened(QString text, int most = 200) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x{fffd}]")), QStringLiteral("·"));
    return text.size() <= most ? text : text.left(most - 1) + QStringLiteral("…");
}

// Each different message once, in order, without the temporary folder's path.
QString messagesShown(const std::vector<QString>& texts) {
    QStringList unique;
    for (const QString& t : texts) {
        if (!unique.contains(t)) {
            unique << t;
        }
    }
    return unique.isEmpty() ? QStringLiteral("bez hlášení") : unique.join(QStringLiteral(" / "));
}

void printRow(const char* file, const DamageCase& c, const QString& outcome, const QString& ms) {
    std::printf("%s | %s | %s | %s\n", file, caseName(c).c_str(), qPrintable(shortened(outcome)),
                qPrintable(ms));
    std::fflush(stdout);
}

} // namespace

class TestUserFiles : public QObject {
    Q_OBJECT
private slots:
    void damagedFile_data() {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("damage");
        const auto cases = allDamageCases();
        for (std::size_t f = 0; f < userFiles().size(); ++f) {
            for (std::size_t d = 0; d < cases.size(); ++d) {
                const std::string name =
                    std::string(userFiles()[f].label) + " | " + caseName(cases[d]);
                QTest::newRow(name.c_str()) << int(f) << int(d);
            }
        }
    }

    void damagedFile() {
        QFETCH(int, file);
        QFETCH(int, damage);
        const UserFile& row = userFiles()[static_cast<std::size_t>(file)];
        const DamageCase c = allDamageCases()[static_cast<std::size_t>(damage)];
        const bool served = row.path.empty();
        if (served && (c.damage == Damage::Directory || c.damage == Damage::NoPermission)) {
            printRow(row.label, c, QStringLiteral("n/a"), QStringLiteral("-"));
            QSKIP("n/a: a downloaded file has no folder or permissions of its own");
        }
        if (c.damage == Damage::NoPermission && permissionsIgnored()) {
            printRow(row.label, c, QStringLiteral("skipped: running as root"), QStringLiteral("-"));
            QSKIP("skipped: running as root, file permissions are not enforced");
        }

        TempFolder app;
        installApplication(app, row);
        DialogRecorder dialogs;
        Run run{app, dialogs, row.picture, {}, {}, {}, 0, false};
        if (served) {
            run.served = servedBytes(row.good(), c);
        } else {
            applyDamage(app / row.path, row.good(), c);
        }
        const Listing before = listing(app.path());

        QElapsedTimer clock;
        clock.start();
        row.drive(run);
        const qint64 ms = clock.elapsed();
        const Listing after = listing(app.path());
        std::error_code ec; // so that the folder can be removed
        fs::permissions(app / row.path, fs::perms::owner_all, fs::perm_options::add, ec);
        if (QTest::currentTestFailed()) {
            return;
        }

        std::vector<QString> messages;
        for (const auto& call : dialogs.callsOf(QStringLiteral("message"))) {
            if (!run.whileOpen || messages.size() < run.messagesWhileOpen) {
                messages.push_back(QString(call.text).remove(fromPath(app.path()) + "/"));
            }
        }
        const QString outcome = run.windowOutcome
                                    ? run.state
                                    : messagesShown(messages) + QStringLiteral("; ") + run.state;
        printRow(row.label, c, outcome, QString::number(ms));

        QVERIFY2(ms < kMaxMs, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        QVERIFY2(run.whileOpen.value_or(after) == before, "a file was written or changed");
        // The settings file may also lead to the report of the picture it names (a cut or
        // re-encoded path names another file).
        const QString fileName = toQ(fs::path(row.path).filename().string());
        const bool settingsFile = row.path == "Tarvenik.ini";
        for (const QString& m : messages) {
            QVERIFY2(m.contains(fileName) ||
                         (settingsFile && m.startsWith(QStringLiteral("Obrázek na pozadí"))),
                     qPrintable(m));
            QVERIFY2(englishWords(m).isEmpty(), qPrintable(m));
        }
        if (served) {
            QVERIFY(messages.empty());
            QVERIFY2(englishWords(run.state).isEmpty(), qPrintable(run.state));
            checkUpdateOutcome(run, c.damage);
            return;
        }
        const bool quietAllowed =
            std::find(row.quiet.begin(), row.quiet.end(), c.damage) != row.quiet.end();
        QVERIFY2(quietAllowed || !messages.empty(), "the damage was not reported");
        if (c.damage == Damage::Missing && quietAllowed) {
            QVERIFY2(messages.empty(), "a missing profile file reads as defaults, silently");
        }
        if (const QString reason = reasonFor(c.damage); !quietAllowed && !reason.isEmpty()) {
            QVERIFY2(std::any_of(messages.begin(), messages.end(),
                                 [&](const QString& m) { return m.contains(reason); }),
                     qPrintable(outcome));
        }
    }
};

QTEST_MAIN(TestUserFiles)
#include "test_userfiles.moc"
