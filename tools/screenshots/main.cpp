// Opens each window offscreen and writes one PNG per window (and per page or tab) into
// the folder given on the command line, for looking at what a person sees. The windows
// work on a scratch application folder with a small name-day calendar, so nothing real is
// read or written. Later windows add a line to kShots.
#include "data/persons.h"
#include "platform/text.h"
#include "tests/localhttp.h"
#include "tests/support/DialogRecorder.h"
#include "ui/CheckList.h"
#include "ui/Dialogs.h"
#include "ui/RichView.h"
#include "ui/TabStrip.h"
#include "ui/UFiltr.h"
#include "ui/UVyhledavani.h"
#include "ui/UVyhledavaniSny.h"
#include "ui/UnitAktualizace.h"
#include "ui/UnitCekejte.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitHoroskopy.h"
#include "ui/UnitJmena.h"
#include "ui/UnitNastaveni.h"
#include "ui/UnitOProgramu.h"
#include "ui/UnitOstatni.h"
#include "ui/UnitPridat.h"
#include "ui/UnitPripominky.h"
#include "ui/UnitSny.h"
#include "ui/UnitSvatky.h"
#include "ui/UnitText.h"
#include "ui/UnitUdaje.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <functional>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;

namespace {

struct Shot {
    const char* file;
    std::function<QWidget*(TFrmHlavni&)> open; // returns the widget to render
};

bool writeFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) &&
           f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots <output folder>\n");
        return 2;
    }
    QTranslator qtCzech; // as the program itself does
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir appDir;
    if (!appDir.isValid() || !writeFile(appDir.filePath(QStringLiteral("Svatky.ini")),
                                        encode1250("[Svátky]\r\n8.12.=Květoslava\r\n"))) {
        std::fprintf(stderr, "screenshots: cannot prepare a scratch folder\n");
        return 1;
    }
    DialogRecorder dialogs; // no real dialog may block an offscreen run

    // The report reads the built data folder; the persons live in the scratch folder.
    QFile::link(QStringLiteral(TARVENIK_APP_DIR "/Data"), appDir.filePath(QStringLiteral("Data")));
    const Person jan{"Jan", "Novák", *DateTime::fromDate(1975, 3, 5), 7, 5, true, 0};
    const Person eva{"Eva", "Malá", *DateTime::fromDate(1990, 4, 15), 0, 0, false, 1};
    (void)writePerson(toPath(appDir.path()), jan);
    (void)writePerson(toPath(appDir.path()), eva);

    // A fixed moment, so the pictures do not change from run to run.
    const QDateTime moment(QDate(2026, 12, 8), QTime(14, 5, 9));
    TFrmHlavni main(appDir.path(), [moment] { return moment; });
    main.show();
    QApplication::processEvents();

    // A background picture for the main window: a soft evening gradient.
    QImage sample(120, 60, QImage::Format_RGB32);
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            sample.setPixelColor(x, y, QColor(60 + x, 90 + y, 170 + y));
        }
    }
    const QString samplePath = appDir.filePath(QStringLiteral("obloha.png"));
    sample.save(samplePath);

    const Shot shots[] = {
        {"hlavni.png", [](TFrmHlavni& m) { return static_cast<QWidget*>(&m); }},
        {"hlavni_obrazek.png",
         [](TFrmHlavni& m) {
             m.showPicture(QStringLiteral("obloha.png"));
             return static_cast<QWidget*>(&m);
         }},
        {"nastaveni.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmNastaveni(&m, m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"udaje.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmUdaje(
                 &m, m.userFolder(), [&m]() -> const AppSettings& { return m.settings(); },
                 [] { return QDateTime(QDate(2026, 12, 8), QTime(14, 5)); });
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->ComBoxUdaje->setCurrentIndex(1);
             d->ChkBoxPartner->setChecked(true); // a partner is chosen with the option ticked
             d->ComBoxUdaje2->setCurrentIndex(0);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"pridat.png",
         [jan](TFrmHlavni& m) {
             auto* d = new TFrmPridat(&m, TFrmPridat::Mode::Edit,
                                      QDateTime(QDate(2026, 12, 8), QTime(14, 5)));
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->setPerson(jan);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"coco.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmCoCo(&m,
                                    {QStringLiteral("---- SMAZAT VŠE ----"),
                                     QStringLiteral("Malá Eva 15.4.1990 00:00")},
                                    QStringLiteral("Co chcete smazat?"), QStringLiteral("Smazat"));
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"oprogramu.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmOProgramu(&m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"aktualizace.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmAktualizace(&m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"aktualizace_nova.png",
         [&appDir](TFrmHlavni& m) {
             test::LocalHttpServer server;
             server.send("/verzess.txt", test::LocalHttpServer::response(
                                             encode1250("24\r\nTarvenik 0.2.4 (únor 2008)\r\n"
                                                        "https://www.tarvenik.cz/stahnout/\r\n")
                                                 .c_str()));
             auto* d = new TFrmAktualizace(
                 &m, {server.site(), appDir.path(), std::chrono::seconds(5), [] { return true; }});
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             d->BtnAktual->click();
             return static_cast<QWidget*>(d);
         }},
        {"aktualizace_chyba.png",
         [&appDir](TFrmHlavni& m) {
             test::LocalHttpServer server; // nothing published: 404
             auto* d = new TFrmAktualizace(
                 &m, {server.site(), appDir.path(), std::chrono::seconds(5), [] { return true; }});
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             d->BtnAktual->click();
             return static_cast<QWidget*>(d);
         }},
        {"text.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmText(&m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->setWindowTitle(QStringLiteral("Historie programu"));
             (void)d->loadFile(QStringLiteral(TARVENIK_APP_DIR "/historie.txt"));
             d->show();
             return static_cast<QWidget*>(d);
         }},
        {"cekejte.png",
         [](TFrmHlavni&) {
             auto* w = new TFrmCekejte;
             w->setAttribute(Qt::WA_DeleteOnClose);
             w->showNow();
             return static_cast<QWidget*>(w);
         }},
        {"svatky.png",
         [](TFrmHlavni& m) {
             // The shipped calendar, whole, a row selected.
             auto* d = new TFrmSvatky(&m, QStringLiteral(TARVENIK_APP_DIR "/"));
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             d->BtnVse->click();
             d->ListViewSvatky->selectRow(2);
             return static_cast<QWidget*>(d);
         }},
    };
    int failures = 0;
    auto save = [&](QWidget* w, const char* file) {
        const QString path = QDir(out).filePath(QString::fromLatin1(file));
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    };
    // A recorded message, drawn as the system's dialogs draw it.
    auto saveMessage = [&](const DialogRecorder::Call& shown, QWidget* parent, const char* file) {
        QMessageBox box(QMessageBox::Information, shown.caption, withLfLineEnds(shown.text),
                        QMessageBox::Ok, parent);
        box.show();
        QApplication::processEvents();
        save(&box, file);
    };
    for (const Shot& shot : shots) {
        QWidget* w = shot.open(main);
        QApplication::processEvents();
        save(w, shot.file);
        if (w != &main) {
            w->close();
        }
    }

    // The horoscope catalogue: a sun-sign text under its second tab, and the drop-down of
    // the systems with every one in sight.
    {
        TFrmHoroskopy catalogue(&main, main.appFolder());
        catalogue.show();
        const int sun = catalogue.ComboBoxHoroskop->findText(QStringLiteral("Sluneční"));
        catalogue.ComboBoxHoroskop->setCurrentIndex(sun);
        catalogue.ComboBoxHoroskopChange(sun);
        catalogue.ComboBoxZnameni->setCurrentIndex(4);
        catalogue.ComboBoxZnameniChange(4);
        catalogue.TabControl1->setCurrentIndex(1);
        QApplication::processEvents();
        save(&catalogue, "horoskopy.png");
        catalogue.ComboBoxHoroskop->showPopup();
        QApplication::processEvents();
        save(catalogue.ComboBoxHoroskop->view()->window(), "horoskopy_systemy.png");
        catalogue.ComboBoxHoroskop->hidePopup();
        catalogue.close();
    }

    // The report of a person and a partner, page by page.
    {
        TFrmVypis report(
            &main, main.appFolder(), main.userFolder(), QStringLiteral("Novák Jan 5.3.1975 07:05"),
            QStringLiteral("Malá Eva 15.4.1990 00:00"), true, [moment] { return moment; });
        report.show();
        const auto shoot = [&](const char* file, const std::function<void()>& action) {
            action();
            QApplication::processEvents();
            save(&report, file);
        };
        shoot("vypis_slunecni.png", [&] { report.BtnSlunecni->click(); });
        shoot("vypis_cisarsky.png", [&] { report.BtnCisarsky2->click(); });
        shoot("vypis_vliv_mesice.png", [&] {
            report.BtnCinsky->click();
            report.TabControl1->setCurrentIndex(1);
        });
        shoot("vypis_partnerske.png", [&] {
            report.HoroskopyStranky->setCurrentIndex(1);
            report.BtnSlunecniPartnersky->click();
        });
        shoot("vypis_japonsky.png", [&] {
            report.BtnJaponskyPartnersky->click();
            report.TabControl1->setCurrentIndex(2);
        });
        shoot("vypis_informace.png", [&] {
            report.HoroskopyStranky->setCurrentIndex(2);
            report.BtnInfoKeltsky->click();
        });
        shoot("vypis_jmeno.png", [&] { report.LblJmenoClick(false); });
        shoot("vypis_numerologie.png", [&] {
            report.PageControl1->setCurrentWidget(report.TabSheetNumerologie);
            report.NumKlik(report.LblZivDraha);
        });
        shoot("vypis_biorytmy.png", [&] {
            report.PageControl1->setCurrentWidget(report.TabSheetBiorytmy);
            report.BtnBiorytmyPocitat->click();
        });
        shoot("vypis_biorytmy_rok.png", [&] {
            report.BiorytmyDoDate->setDateTime(moment.addYears(1));
            report.BtnBiorytmyPocitat->click();
        });
        shoot("vypis_jak_dlouho.png",
              [&] { report.PageControl1->setCurrentWidget(report.TabSheetJakDlouho); });
        report.close();
    }

    // The names dictionary with a card, its filter dialog and its search window.
    {
        TFrmJmena names(&main, main.appFolder());
        names.show();
        names.ListBoxPismena->setCurrentRow(9); // J
        names.ListBoxNazvy->setCurrentRow(1);
        QApplication::processEvents();
        save(&names, "jmena.png");

        NameFilter women;
        women.kind = NameKindChoice::Female;
        women.origins[0] = false; // "---"
        names.FrmFiltr->setFilter(women);
        names.FrmFiltr->show();
        QApplication::processEvents();
        save(names.FrmFiltr, "jmena_filtr.png");
        names.FrmFiltr->hide();

        names.ChkBoxFiltr->setChecked(true);
        names.BtnHledej->click();
        names.FrmVyhledavani->EdHledanyText->setText(QStringLiteral("jan"));
        names.FrmVyhledavani->ChkLstPolozky->BtnNic->click();
        names.FrmVyhledavani->ChkLstPolozky->ListBox->item(0)->setCheckState(Qt::Checked);
        names.FrmVyhledavani->BtnHledej->click();
        QApplication::processEvents();
        save(names.FrmVyhledavani, "jmena_hledani.png");
        save(&names, "jmena_nalezeno.png");
        names.close();
    }

    // The dream dictionary on the shipped data: a letter with a card of several sub-entries,
    // then a search with its window in front.
    {
        TFrmSny dreams(&main, main.appFolder());
        dreams.show();
        QApplication::processEvents();
        dreams.ListBoxPismena->setCurrentRow(static_cast<int>(kDreamLetters.find('P')));
        const auto pes = dreams.ListBoxNazvy->findItems(QStringLiteral("Pes"), Qt::MatchExactly);
        if (!pes.isEmpty()) {
            dreams.ListBoxNazvy->setCurrentItem(pes.front());
        }
        QApplication::processEvents();
        save(&dreams, "sny.png");

        dreams.BtnHledej->click();
        TFrmVyhledavaniSny* search = dreams.FrmVyhledavaniSny;
        search->EdHledanyText->setText(QStringLiteral("pes"));
        search->ChkLstPolozky->ListBox->item(3)->setCheckState(Qt::Unchecked);
        search->BtnHledej->click();
        QApplication::processEvents();
        save(search, "vyhledavani_sny.png");
        save(&dreams, "sny_hledani.png");
        dreams.close();
    }

    // The reminder window and the report of a vCard import, on a folder of their own whose
    // persons have birthdays and name days around the fixed moment.
    {
        QTemporaryDir remindDir;
        const auto folder = toPath(remindDir.path());
        const Person persons[] = {
            {"Jan", "Novák", *DateTime::fromDate(1975, 12, 8), 7, 5, true, 0},
            {"Květoslava", "Dvořáková", *DateTime::fromDate(1948, 6, 1), 0, 0, false, 1},
            {"Eva", "Malá", *DateTime::fromDate(1990, 12, 20), 0, 0, false, 1},
            {"Silvestr", "Horák", *DateTime::fromDate(1962, 3, 14), 0, 0, false, 0},
            {"Jarmila", "Veselá", *DateTime::fromDate(2004, 1, 2), 0, 0, false, 1},
        };
        for (const Person& p : persons) {
            (void)writePerson(folder, p);
        }
        writeFile(remindDir.filePath(QStringLiteral("Svatky.ini")),
                  encode1250("[Svátky]\r\n8.12.=Květoslava\r\n24.12.=Adam a Eva\r\n"
                             "31.12.=Silvestr\r\n"));
        TFrmPripominky reminders(&main, remindDir.path(), remindDir.path(), moment.date());
        reminders.show();
        QApplication::processEvents();
        save(&reminders, "pripominky.png");
        reminders.close();

        writeFile(remindDir.filePath(QStringLiteral("kontakty.vcf")),
                  "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                  "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dvo=C5=99=C3=A1kov=C3=A1;"
                  "=C5=A0=C3=A1rka;;;\r\nBDAY:1984-07-19\r\nEND:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Nov=C3="
                  "A1k;Jan;;;\r\nBDAY:1975-12-08T07:05\r\n"
                  "END:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Mal=C3="
                  "A1;Babi=C4=8Dka;;;\r\n"
                  "BDAY:--10-02\r\nEND:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN:;Maminka;;;\r\nBDAY:1956-05-30\r\n"
                  "END:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Svoboda;Petr;;;\r\nTEL:+420777000111\r\n"
                  "END:VCARD\r\n");
        TFrmHlavni importer(remindDir.path(), [moment] { return moment; });
        dialogs.fileAnswers.push_back(remindDir.filePath(QStringLiteral("kontakty.vcf")));
        dialogs.calls.clear();
        importer.ImportVCard1->trigger();
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        if (messages.empty()) {
            std::fprintf(stderr, "screenshots: the import reported nothing\n");
            return 1;
        }
        saveMessage(messages.back(), &main, "import_vcard.png");
    }

    // The other calculators, tab by tab, each with a result.
    {
        TFrmOstatni other(&main, main.appFolder(), [moment] { return moment; });
        other.show();
        const auto shoot = [&](int tab, const char* file, const std::function<void()>& action) {
            other.PageControl1->setCurrentIndex(tab);
            action();
            QApplication::processEvents();
            save(&other, file);
        };
        shoot(0, "ostatni_laska.png", [&] {
            other.EditPrvni->setText(QStringLiteral("Petr Novák"));
            other.EditDruhy->setText(QStringLiteral("Jana Nová"));
            other.BtnSpocitej->click();
        });
        shoot(1, "ostatni_patek.png", [&] { other.BtnVyhledat->click(); });
        dialogs.calls.clear();
        shoot(2, "ostatni_stastny_den.png", [&] {
            other.ChkBoxPartner->setChecked(true);
            other.DatePartner->setDate(QDate(1982, 6, 14));
            other.ComboBoxCislo199->setCurrentIndex(49);
            other.ComboBoxZvire->setCurrentIndex(0);
            other.BtnUkazStastnyDen->click();
        });
        // The result comes in a message box.
        if (!dialogs.calls.empty()) {
            saveMessage(dialogs.calls.back(), &other, "ostatni_stastny_den_vysledek.png");
        }
        shoot(3, "ostatni_bmi.png", [&] {
            other.BMIPohlavi->setCurrentIndex(1);
            other.EditBMIVyska->setText(QStringLiteral("160"));
            other.EditBMIVaha->setText(QStringLiteral("80"));
            other.BMIVypocet->click();
        });
        shoot(4, "ostatni_zvireci_typ.png", [&] { other.ComboBox6->setCurrentIndex(1); });
        shoot(4, "ostatni_zvireci.png", [&] {
            other.Button3->click();
            other.ComboBox6->setCurrentIndex(4);
            other.ComboBox6Change();
        });
        shoot(5, "ostatni_vesteni.png", [&] { other.VtnVesteniVesti->click(); });
        other.close();
    }

    // The system's picture dialog with its preview, a picture highlighted.
    QTimer::singleShot(300, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            d->resize(640, 400);
            d->selectFile(samplePath);
            emit d->currentChanged(samplePath); // the preview follows the highlighted file
            QApplication::processEvents();
            save(d, "obrazek.png");
            d->reject();
        }
    });
    Dialogs* recorder = Dialogs::install(nullptr);
    Dialogs::current().openPicture(&main, appDir.path(), pictureDialogFilters());
    Dialogs::install(recorder);

    return failures == 0 ? 0 : 1;
}
