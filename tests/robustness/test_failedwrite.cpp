// A write that cannot happen: every window operation that writes a file, with its folder
// read-only, the file read-only, or the disk full (a file size limit). Each must show an
// error that names the file, show no success, and leave every old file as it was.

#include "data/persons.h"
#include "tests/robustness/damage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/RichView.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitNastaveni.h"
#include "ui/UnitPridat.h"
#include "ui/UnitUdaje.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <iterator>
#include <linux/fs.h>
#include <memory>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tarvenik;
using namespace tarvenik::test;
namespace fs = std::filesystem;

namespace {

// A limit the old files are larger than and every new one would pass.
constexpr rlim_t kFullDiskBytes = 64;
const char* const kPersons[] = {"Novák Jan 5.3.1975 00:00", "Malá Eva 1.1.1980 00:00",
                                "Černý Petr 12.12.1990 00:00"};

struct Scene {
    TempFolder dir;
    DialogRecorder dialogs;
    QString folder() const { return fromPath(dir.path()); }

    Scene() {
        for (const auto& [first, last, y, m, d] :
             {std::tuple{"Jan", "Novák", 1975, 3, 5}, std::tuple{"Eva", "Malá", 1980, 1, 1},
              std::tuple{"Petr", "Černý", 1990, 12, 12}}) {
            Person p;
            p.firstName = first;
            p.surname = last;
            p.birthDate = *DateTime::fromDate(y, m, d);
            p.sex = 0;
            (void)writePerson(dir.path(), p);
        }
        dir.write("Tarvenik.ini", "[Vypocet]\r\nPartner=1\r\n");
        dir.write("osoby.vcf", "BEGIN:VCARD\r\nFN:stará\r\nEND:VCARD\r\n");
        dir.write("text.rtf", "{\\rtf1 star\\'fd text}");
        dir.write("text.pdf", "%PDF-1.4\n% starý\n%%EOF\n");
    }
    std::unique_ptr<TFrmUdaje> udaje() {
        static const AppSettings settings;
        return std::make_unique<TFrmUdaje>(
            nullptr, folder() + QLatin1Char('/'), []() -> const AppSettings& { return settings; },
            [] { return QDateTime(QDate(2026, 12, 9), QTime(10, 0)); });
    }
    bool saveText(const char* name, const std::function<void(const std::function<void()>&)>& fail) {
        QWidget window;
        RichView view(&window);
        RichDoc doc;
        for (int i = 0; i < 40; ++i) {
            appendLine(doc, "Příliš žluťoučký kůň úpěl ďábelské ódy.");
        }
        view.setRichDoc(doc);
        dialogs.fileAnswers.push_back(fromPath(dir / name));
        fail([&] { saveShownText(&view, view, folder()); });
        return false; // a saved text shows nothing
    }
};

using Step = std::function<void()>;
using UnderFailure = std::function<void(const Step&)>;

bool listed(const TFrmUdaje& dlg, const char* name) {
    return dlg.ComBoxUdaje->findText(QString::fromUtf8(name)) >= 0;
}

// Each operation drives its window, runs the step that writes under the failure and tells
// whether the window then showed the operation as done.
struct Operation {
    const char* name;
    const char* file; // what it writes, in the scene's folder
    std::function<bool(Scene&, const UnderFailure&)> run;
};

const Operation kOperations[] = {
    {"add person", kPersonFileName,
     [](Scene& s, const UnderFailure& fail) {
         auto dlg = s.udaje();
         whenShown<TFrmPridat>([](TFrmPridat* form) {
             form->LblEditJmeno->setText(QStringLiteral("Šárka"));
             form->LblEditPrijmeni->setText(QStringLiteral("Veselá"));
             form->CmbBoxPohlavi->setCurrentIndex(1);
             form->NarDatum->setDate(QDate(1990, 2, 28));
             form->BtnUlozit->click();
         });
         fail([&] { dlg->BtnPridat->click(); });
         return listed(*dlg, "Veselá Šárka 28.2.1990 00:00");
     }},
    {"edit person", kPersonFileName,
     [](Scene& s, const UnderFailure& fail) {
         auto dlg = s.udaje();
         whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
             chooser->ComBoxUdaje->setCurrentIndex(
                 chooser->ComBoxUdaje->findText(QString::fromUtf8(kPersons[0])));
             whenShown<TFrmPridat>([](TFrmPridat* form) {
                 form->LblEditPrijmeni->setText(QStringLiteral("Nováček"));
                 form->BtnUlozit->click();
             });
             chooser->Button1->click();
         });
         fail([&] { dlg->BtnUpravit->click(); });
         return listed(*dlg, "Nováček Jan 5.3.1975 00:00") || !listed(*dlg, kPersons[0]);
     }},
    {"delete person", kPersonFileName,
     [](Scene& s, const UnderFailure& fail) {
         auto dlg = s.udaje();
         s.dialogs.yesNoAnswers = {true};
         whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
             chooser->ComBoxUdaje->setCurrentIndex(
                 chooser->ComBoxUdaje->findText(QString::fromUtf8(kPersons[1])));
             chooser->Button1->click();
         });
         fail([&] { dlg->BtnSmazat->click(); });
         return !listed(*dlg, kPersons[1]);
     }},
    {"delete all persons", kPersonFileName,
     [](Scene& s, const UnderFailure& fail) {
         auto dlg = s.udaje();
         s.dialogs.yesNoAnswers = {true};
         whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
             chooser->ComBoxUdaje->setCurrentIndex(0);
             chooser->Button1->click();
         });
         fail([&] { dlg->BtnSmazat->click(); });
         return dlg->ComBoxUdaje->count() < 3;
     }},
    {"save settings", "Tarvenik.ini",
     [](Scene& s, const UnderFailure& fail) {
         TFrmHlavni main(s.folder());
         TFrmNastaveni d(&main, main);
         d.show();
         d.ChkBoxPamatovat->setChecked(true);
         fail([&] { d.BtnOK->click(); });
         return !d.isVisible(); // a failed save keeps the dialog open
     }},
    {"export vCard", "osoby.vcf",
     [](Scene& s, const UnderFailure& fail) {
         TFrmHlavni main(s.folder());
         s.dialogs.fileAnswers.push_back(fromPath(s.dir / "osoby.vcf"));
         fail([&] { main.ExportVCard1->trigger(); });
         return false; // its success is an information box, which every row looks for
     }},
    {"save text as RTF", "text.rtf",
     [](Scene& s, const UnderFailure& fail) { return s.saveText("text.rtf", fail); }},
    {"save text as PDF", "text.pdf",
     [](Scene& s, const UnderFailure& fail) { return s.saveText("text.pdf", fail); }},
};

// The flag that keeps even root from creating or removing files in a folder, where the
// file system has it.
bool setImmutable(const fs::path& folder, bool on) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

enum class Failure { FolderReadOnly, FileReadOnly, FullDisk };

struct FailureCase {
    Failure failure;
    const char* name;
    const char* reason; // what the error box gives as the reason
};

const FailureCase kFailures[] = {
    {Failure::FolderReadOnly, "folder read-only", "chybí oprávnění"},
    {Failure::FileReadOnly, "file read-only", "soubor je jen pro čtení"},
    {Failure::FullDisk, "full disk", "soubor je příliš velký"},
};

// Runs `step` with the failure in place and lifts it afterwards.
void underFailure(Failure failure, const fs::path& file, const Step& step) {
    const fs::path folder = file.parent_path();
    std::error_code ec; // a file the step removed has no permissions to set back
    switch (failure) {
    case Failure::FolderReadOnly:
        fs::permissions(folder, fs::perms(0555), ec);
        if (permissionsIgnored()) {
            setImmutable(folder, true);
        }
        step();
        setImmutable(folder, false);
        fs::permissions(folder, fs::perms(0755), ec);
        return;
    case Failure::FileReadOnly:
        fs::permissions(file, fs::perms(0444), ec);
        step();
        fs::permissions(file, fs::perms(0644), ec);
        return;
    case Failure::FullDisk: {
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = kFullDiskBytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
        step();
        ::setrlimit(RLIMIT_FSIZE, &old);
        return;
    }
    }
}

} // namespace

class TestFailedWrite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setApplicationName(QStringLiteral("Tarvenik"));
        // Past the size limit write() fails with EFBIG instead of the signal ending the test.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void writeThatCannotHappen_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("failure");
        for (int op = 0; op < int(std::size(kOperations)); ++op) {
            for (int f = 0; f < int(std::size(kFailures)); ++f) {
                // Deleting writes nothing, so a full disk cannot stop it.
                if (std::string_view(kOperations[op].name) == "delete all persons" &&
                    kFailures[f].failure == Failure::FullDisk) {
                    continue;
                }
                QTest::addRow("%s / %s", kOperations[op].name, kFailures[f].name) << op << f;
            }
        }
    }

    void writeThatCannotHappen() {
        QFETCH(int, operation);
        QFETCH(int, failure);
        const Operation& op = kOperations[operation];
        const FailureCase& fc = kFailures[failure];
        Scene s;
        if (fc.failure == Failure::FolderReadOnly && permissionsIgnored()) {
            if (!setImmutable(s.dir.path(), true)) {
                QSKIP("running as root, and the file system has no immutable flag");
            }
            setImmutable(s.dir.path(), false);
        }
        const fs::path file = s.dir / op.file;
        const Listing before = listing(s.dir.path());

        const bool done =
            op.run(s, [&](const Step& step) { underFailure(fc.failure, file, step); });

        QVERIFY2(!done, "the window shows the operation as done");
        QStringList errors;
        for (const auto& call : s.dialogs.callsOf(QStringLiteral("message"))) {
            QVERIFY2(call.icon != MessageIcon::Information, qPrintable(call.text));
            if (call.icon == MessageIcon::Error) {
                errors << call.text;
            }
        }
        QVERIFY2(errors.size() == 1, qPrintable(errors.join(QLatin1Char('\n'))));
        QVERIFY2(errors[0].contains(fromPath(file)), qPrintable(errors[0]));
        const bool pdfIncomplete =
            fc.failure == Failure::FullDisk && std::string_view(op.file) == "text.pdf";
        QVERIFY2(errors[0].contains(QString::fromUtf8(
                     pdfIncomplete ? "PDF se nepodařilo celé zapsat" : fc.reason)),
                 qPrintable(errors[0]));
        QVERIFY2(listing(s.dir.path()) == before, "a file was written, created or removed");
    }
};

QTEST_MAIN(TestFailedWrite)
#include "test_failedwrite.moc"
