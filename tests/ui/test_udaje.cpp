#include "data/persons.h"
#include "data/settings.h"
#include "platform/ini.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitPridat.h"
#include "ui/UnitUdaje.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(10, 0));

Person makePerson(const char* first, const char* last, int y, int m, int d, int sex = 0) {
    Person p;
    p.firstName = first;
    p.surname = last;
    p.birthDate = *DateTime::fromDate(y, m, d);
    p.sex = sex;
    return p;
}

struct Fixture {
    TempFolder dir;
    AppSettings settings;
    DialogRecorder dialogs;

    QString folder() const { return fromPath(dir.path()) + QLatin1Char('/'); }
    std::unique_ptr<TFrmUdaje> open() {
        return std::make_unique<TFrmUdaje>(
            nullptr, folder(), [this]() -> const AppSettings& { return settings; },
            [] { return kNow; });
    }
};

} // namespace

class TestUdaje : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreDisablesEditAndOkComplains() {
        Fixture f;
        auto dlg = f.open();
        QVERIFY(!dlg->BtnUpravit->isEnabled());
        QVERIFY(!dlg->BtnSmazat->isEnabled());
        QCOMPARE(dlg->ComBoxUdaje->count(), 0);
        dlg->BtnOK->click();
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QCOMPARE(errors[0].caption, QStringLiteral("Nejsou vybrány údaje!"));
        QCOMPARE(errors[0].text, QStringLiteral("Vyberte údaje ze seznamu, nebo přidejte nové!"));
        QCOMPARE(errors[0].icon, MessageIcon::Error);
    }

    void listsAreSortedTheCzechWay() {
        Fixture f;
        for (const char* last :
             {"Šťastný", "Čech", "Svoboda", "Cyril", "Adam", "Chalupa", "Hora"}) {
            QVERIFY(writePerson(f.dir.path(), makePerson("X", last, 1980, 1, 1)));
        }
        auto dlg = f.open();
        QStringList names;
        for (int i = 0; i < dlg->ComBoxUdaje->count(); ++i) {
            names << dlg->ComBoxUdaje->itemText(i).section(QLatin1Char(' '), 0, 0);
        }
        QCOMPARE(names,
                 (QStringList{"Adam", "Cyril", "Čech", "Hora", "Chalupa", "Svoboda", "Šťastný"}));
    }

    void partnerTickedWithoutPartnerStillRemembers() {
        Fixture f;
        f.settings.Pamatovat = true;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        auto dlg = f.open();
        dlg->ChkBoxPartner->setChecked(true);
        dlg->ComBoxUdaje->setCurrentIndex(0);
        dlg->BtnOK->click();
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{1});
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        const auto remembered = readRememberedSelection(f.dir.path(), false);
        QVERIFY(remembered);
        QCOMPARE(*remembered, (RememberedSelection{true, "Novák Jan 5.3.1975 00:00", ""}));
        const std::string file = f.dir.read("Tarvenik.ini");
        QVERIFY(file.find("[Pamatovat]\r\nPartnerZAP=1\r\nUzivatel=Nov") != std::string::npos);
    }

    void confirmedChoiceIsRememberedAndRestored() {
        Fixture f;
        f.settings.Pamatovat = true;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        {
            auto dlg = f.open();
            dlg->ChkBoxPartner->setChecked(true);
            dlg->ComBoxUdaje->setCurrentIndex(1);
            dlg->ComBoxUdaje2->setCurrentIndex(0);
            dlg->BtnOK->click();
            QCOMPARE(dlg->result(), int(QDialog::Accepted));
            QCOMPARE(dlg->userRecordName(), QStringLiteral("Novák Jan 5.3.1975 00:00"));
            QCOMPARE(dlg->partnerRecordName(), QStringLiteral("Malá Eva 1.1.1980 00:00"));
        }
        auto again = f.open();
        QCOMPARE(again->ComBoxUdaje->currentText(), QStringLiteral("Novák Jan 5.3.1975 00:00"));
        QCOMPARE(again->ComBoxUdaje2->currentText(), QStringLiteral("Malá Eva 1.1.1980 00:00"));
        QVERIFY(again->ChkBoxPartner->isChecked());
    }

    void cancelledAddLeavesNoPartnerBehindAnUntickedOption() {
        Fixture f; // no remembering, the partner option off by default
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        auto dlg = f.open();
        dlg->ChkBoxPartner->setChecked(true);
        dlg->ComBoxUdaje->setCurrentIndex(1);
        dlg->ComBoxUdaje2->setCurrentIndex(0);
        whenShown<TFrmPridat>([](TFrmPridat* form) { form->BtnZrusit->click(); });
        dlg->BtnPridat->click();
        // The option is unticked again, and with it the partner is gone.
        QVERIFY(!dlg->ChkBoxPartner->isChecked());
        QVERIFY(!dlg->ComBoxUdaje2->isEnabled());
        QCOMPARE(dlg->ComBoxUdaje2->currentIndex(), -1);
        QCOMPARE(dlg->partnerRecordName(), QString());
        QCOMPARE(dlg->userRecordName(), QStringLiteral("Novák Jan 5.3.1975 00:00"));
    }

    void rememberedPersonThatWasDeletedIsNotChosen() {
        Fixture f;
        f.settings.Pamatovat = true;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        QVERIFY(
            writeRememberedSelection(f.dir.path(), {false, "Smazaná Osoba 1.1.1990 00:00", ""}));
        auto dlg = f.open();
        QCOMPARE(dlg->ComBoxUdaje->currentIndex(), -1);
        QVERIFY(!dlg->ChkBoxPartner->isChecked());
        QVERIFY(!dlg->ComBoxUdaje2->isEnabled());
    }

    void withoutRememberingTheDefaultPartnerOptionApplies() {
        Fixture f;
        f.settings.Partner = false;
        auto dlg = f.open();
        QVERIFY(!dlg->ChkBoxPartner->isChecked());
        QVERIFY(!dlg->ComBoxUdaje2->isEnabled());
        dlg->ChkBoxPartner->setChecked(true);
        QVERIFY(dlg->ComBoxUdaje2->isEnabled());
        QVERIFY(!std::filesystem::exists(f.dir / "Tarvenik.ini"));
    }

    void deleteAllAsksAndRemovesTheFile() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        auto dlg = f.open();
        f.dialogs.yesNoAnswers = {false, true}; // No keeps the chooser open, Yes confirms
        whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Co chcete smazat?"));
            QCOMPARE(chooser->Button1->text(), QStringLiteral("Smazat"));
            QCOMPARE(chooser->ComBoxUdaje->itemText(0), QStringLiteral("---- SMAZAT VŠE ----"));
            chooser->ComBoxUdaje->setCurrentIndex(0);
            chooser->Button1->click();
            QVERIFY(chooser->isVisible());
            chooser->Button1->click();
        });
        dlg->BtnSmazat->click();
        QVERIFY(!std::filesystem::exists(f.dir / "Udaje.ini"));
        QCOMPARE(dlg->ComBoxUdaje->count(), 0);
        QVERIFY(!dlg->BtnUpravit->isEnabled());
        QVERIFY(!dlg->BtnSmazat->isEnabled());
        const auto asked = f.dialogs.callsOf(QStringLiteral("askYesNo"));
        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(asked[0].caption, QStringLiteral("Potvrzení smazání!"));
        QCOMPARE(asked[0].text, QStringLiteral("Jste si jistí?"));
    }

    void chooserWithoutChoiceComplainsAndCancelDeletesNothing() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        auto dlg = f.open();
        whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
            chooser->Button1->click(); // nothing chosen
            QVERIFY(chooser->isVisible());
            chooser->Button2->click();
        });
        dlg->BtnSmazat->click();
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).at(0).caption,
                 QStringLiteral("Není vybrána žádná položka!"));
        QCOMPARE(dlg->ComBoxUdaje->count(), 1);
    }

    void editingKeepsTheExactTimeAndOddNamesRoundTrip() {
        Fixture f;
        Person p = makePerson("Jan [ml.]", "Nová=k Č", 1975, 3, 5, 0);
        p.exactTime = true;
        p.birthHour = 7;
        p.birthMinute = 5;
        QVERIFY(writePerson(f.dir.path(), p));
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        auto dlg = f.open();
        whenShown<TFrmCoCo>([](TFrmCoCo* chooser) {
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Co chcete upravit?"));
            chooser->ComBoxUdaje->setCurrentIndex(chooser->ComBoxUdaje->findText(
                QStringLiteral("Nová=k Č Jan [ml.] 5.3.1975 07:05")));
            whenShown<TFrmPridat>([](TFrmPridat* form) {
                QCOMPARE(form->windowTitle(), QStringLiteral("Tarvenik :: upravit údaje"));
                QVERIFY(form->ChkPresnyCas->isChecked());
                QCOMPARE(form->NarCas->time(), QTime(7, 5));
                QCOMPARE(form->LblEditJmeno->text(), QStringLiteral("Jan [ml.]"));
                form->LblEditPrijmeni->setText(QStringLiteral("Šťastná \"Ž\" [x]"));
                form->CmbBoxPohlavi->setCurrentIndex(1);
                form->BtnUlozit->click();
            });
            chooser->Button1->click();
        });
        dlg->BtnUpravit->click();
        const auto names = listPersons(f.dir.path());
        QVERIFY(names);
        QCOMPARE(names->back(), std::string("Šťastná \"Ž\" [x] Jan [ml.] 5.3.1975 07:05"));
        QCOMPARE(names->size(), std::size_t{2});
        const auto back = readPerson(f.dir.path(), names->back(), *DateTime::fromDate(1980, 1, 1));
        QCOMPARE(back->surname, std::string("Šťastná \"Ž\" [x]"));
        QCOMPARE(back->sex, 1);
        QCOMPARE(back->birthHour, 7);
        QVERIFY(back->exactTime);
    }

    void addingWritesThePerson() {
        Fixture f;
        auto dlg = f.open();
        whenShown<TFrmPridat>([](TFrmPridat* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Tarvenik :: Přidat údaje"));
            form->LblEditJmeno->setText(QStringLiteral("Šárka"));
            form->LblEditPrijmeni->setText(QStringLiteral("   "));
            form->CmbBoxPohlavi->setCurrentIndex(1);
            form->NarDatum->setDate(QDate(1990, 2, 28));
            form->BtnUlozit->click();
        });
        dlg->BtnPridat->click();
        QCOMPARE(dlg->ComBoxUdaje->count(), 1);
        QCOMPARE(dlg->ComBoxUdaje->itemText(0), QStringLiteral("    Šárka 28.2.1990 00:00"));
        QVERIFY(dlg->BtnUpravit->isEnabled());
    }

    void personFormRules() {
        DialogRecorder dialogs;
        TFrmPridat form(nullptr, TFrmPridat::Mode::Add, kNow);
        QCOMPARE(form.NarDatum->maximumDate(), QDate(2026, 12, 8));
        QCOMPARE(form.NarDatum->date(), QDate(1980, 1, 1));
        QVERIFY(!form.NarCas->isEnabled());
        form.ChkPresnyCas->setChecked(true);
        QVERIFY(form.NarCas->isEnabled());
        form.NarCas->setTime(QTime(14, 30));
        form.ChkPresnyCas->setChecked(false);
        QCOMPARE(form.NarCas->time(), QTime(0, 0));
        form.ChkPresnyCas->setChecked(true);
        QCOMPARE(form.NarCas->time(), QTime(0, 0));
        form.LblEditJmeno->setText(QStringLiteral("Jan"));
        form.LblEditPrijmeni->setText(QStringLiteral("Novák"));
        form.BtnUlozit->click(); // no sex chosen
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(dialogs.calls.at(0).caption, QStringLiteral("Chybí údaje"));
        QCOMPARE(dialogs.calls.at(0).text, QStringLiteral("Musíte vyplnit všechny údaje!"));
        QCOMPARE(form.LblEditJmeno->maxLength(), 30);
    }

    // Characters the Windows-1250 file cannot hold would be stored as '?': the form names
    // them, stays open with what was typed, and nothing is written.
    void charactersTheFileCannotHoldAreRefused() {
        Fixture f;
        auto dlg = f.open();
        whenShown<TFrmPridat>([&f](TFrmPridat* form) {
            form->LblEditJmeno->setText(QStringLiteral("Jan😀"));
            form->LblEditPrijmeni->setText(QStringLiteral("Novák 中文 😀"));
            form->CmbBoxPohlavi->setCurrentIndex(0);
            form->BtnUlozit->click();
            QVERIFY(form->isVisible());
            QCOMPARE(form->LblEditJmeno->text(), QStringLiteral("Jan😀"));
            const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
            QCOMPARE(errors.size(), std::size_t{1});
            QCOMPARE(errors[0].icon, MessageIcon::Error);
            QCOMPARE(errors[0].caption, QStringLiteral("Nepodporované znaky"));
            QCOMPARE(errors[0].text,
                     QStringLiteral("Jméno nebo příjmení obsahuje znaky, které nelze uložit: "
                                    "😀 中 文"));
            form->BtnZrusit->click();
        });
        dlg->BtnPridat->click();
        QVERIFY(!std::filesystem::exists(f.dir / "Udaje.ini"));
    }

    // "Přidat" with the record name of a stored person asks first; No keeps the form open
    // with what was typed, Yes replaces the stored person.
    void addingAnExistingRecordNameAsksFirst() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        const std::string before = f.dir.read("Udaje.ini");
        auto dlg = f.open();
        f.dialogs.yesNoAnswers = {false, true};
        whenShown<TFrmPridat>([&f, &before](TFrmPridat* form) {
            form->LblEditJmeno->setText(QStringLiteral("Eva"));
            form->LblEditPrijmeni->setText(QStringLiteral("malá")); // sections ignore case
            form->CmbBoxPohlavi->setCurrentIndex(0);
            form->BtnUlozit->click();
            QVERIFY(form->isVisible());
            QCOMPARE(form->CmbBoxPohlavi->currentIndex(), 0);
            QCOMPARE(f.dir.read("Udaje.ini"), before);
            form->BtnUlozit->click();
        });
        dlg->BtnPridat->click();
        const auto asked = f.dialogs.callsOf(QStringLiteral("askYesNo"));
        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(asked[0].icon, MessageIcon::Warning);
        QCOMPARE(asked[0].caption, QStringLiteral("Potvrzení přepsání!"));
        QCOMPARE(asked[0].text,
                 QStringLiteral("Osoba Malá Eva 1.1.1980 00:00 již existuje. Chcete ji přepsat?"));
        const auto back =
            readPerson(f.dir.path(), "Malá Eva 1.1.1980 00:00", *DateTime::fromDate(1980, 1, 1));
        QCOMPARE(back->sex, 0);
        QCOMPARE(listPersons(f.dir.path())->size(), std::size_t{1});
    }

    // Editing a person without changing the record name is no overwrite; editing into the
    // name of another stored person is.
    void editingAsksOnlyWhenItWouldReplaceAnotherPerson() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        auto dlg = f.open();
        f.dialogs.yesNoAnswers = {false};
        // Each person edited into Malá Eva's record name: herself without a question,
        // Novák Jan only after one, and No keeps the form open.
        for (const char* chosen : {"Malá Eva 1.1.1980 00:00", "Novák Jan 5.3.1975 00:00"}) {
            whenShown<TFrmCoCo>([chosen](TFrmCoCo* chooser) {
                chooser->ComBoxUdaje->setCurrentIndex(
                    chooser->ComBoxUdaje->findText(QString::fromUtf8(chosen)));
                whenShown<TFrmPridat>([](TFrmPridat* form) {
                    form->LblEditJmeno->setText(QStringLiteral("Eva"));
                    form->LblEditPrijmeni->setText(QStringLiteral("Malá"));
                    form->NarDatum->setDate(QDate(1980, 1, 1));
                    form->CmbBoxPohlavi->setCurrentIndex(0);
                    form->BtnUlozit->click();
                    if (form->isVisible()) {
                        form->BtnZrusit->click();
                    }
                });
                chooser->Button1->click();
            });
            dlg->BtnUpravit->click();
        }
        QCOMPARE(f.dialogs.callsOf(QStringLiteral("askYesNo")).size(), std::size_t{1});
        QCOMPARE(readPerson(f.dir.path(), "Malá Eva 1.1.1980 00:00", kEditDefaultDate)->sex, 0);
        QCOMPARE(listPersons(f.dir.path())->size(), std::size_t{2});
    }

    // A read-only person file is a failed write, reported with its path, not a success.
    void readOnlyPersonFileIsAFailedWrite() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Eva", "Malá", 1980, 1, 1, 1)));
        std::filesystem::permissions(f.dir / "Udaje.ini", std::filesystem::perms(0444));
        const std::string before = f.dir.read("Udaje.ini");
        auto dlg = f.open();
        whenShown<TFrmPridat>([](TFrmPridat* form) {
            form->LblEditJmeno->setText(QStringLiteral("Jan"));
            form->LblEditPrijmeni->setText(QStringLiteral("Novák"));
            form->CmbBoxPohlavi->setCurrentIndex(0);
            form->BtnUlozit->click();
        });
        dlg->BtnPridat->click();
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QCOMPARE(errors[0].caption, QStringLiteral("Chyba"));
        QCOMPARE(errors[0].text, QStringLiteral("Soubor ") + f.folder() +
                                     QStringLiteral("Udaje.ini nelze uložit: "
                                                    "soubor je jen pro čtení"));
        QCOMPARE(f.dir.read("Udaje.ini"), before);
        QCOMPARE(dlg->ComBoxUdaje->count(), 1);
    }

    // The design size holds with the design font; the lists take the width there is.
    void selectionDialogKeepsItsDesignSize() {
        Fixture f;
        QVERIFY(writePerson(
            f.dir.path(), makePerson("Bohumila Květoslava", "Nováková-Dvořáková", 1980, 1, 1, 1)));
        auto dlg = f.open();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QCOMPARE(dlg->size(), QSize(292, 200));
        QVERIFY(dlg->ComBoxUdaje->width() >= 150);
        QCOMPARE(dlg->ComBoxUdaje->width(), dlg->ComBoxUdaje2->width());
    }

    void failedWriteIsReportedWithThePath() {
        Fixture f;
        std::filesystem::create_directory(f.dir / "Udaje.ini");
        auto dlg = f.open(); // listing fails: reported, lists empty
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QVERIFY(errors[0].text.contains(QStringLiteral("Udaje.ini")));
        QCOMPARE(dlg->ComBoxUdaje->count(), 0);
    }

    void unreadableRememberedSelectionIsReported() {
        Fixture f;
        QVERIFY(writePerson(f.dir.path(), makePerson("Jan", "Novák", 1975, 3, 5)));
        std::filesystem::create_directory(f.dir / "Tarvenik.ini");
        f.settings.Pamatovat = true;
        auto dlg = f.open();
        const auto errors = f.dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QCOMPARE(errors[0].caption, QStringLiteral("Chyba"));
        QVERIFY2(errors[0].text.startsWith(QStringLiteral("Soubor ") + f.folder() +
                                           QStringLiteral("Tarvenik.ini nelze přečíst: ")),
                 qPrintable(errors[0].text));
        QCOMPARE(dlg->ComBoxUdaje->count(), 1); // the list is there all the same
    }
};

QTEST_MAIN(TestUdaje)
#include "test_udaje.moc"
