// The calculation flow from the main window: person dialog, report, and back.
#include "data/persons.h"
#include "platform/text.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "tests/tempfolder.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitOProgramu.h"
#include "ui/UnitOstatni.h"
#include "ui/UnitText.h"
#include "ui/UnitUdaje.h"
#include "ui/UnitVypis.h"
#include "ui/qtext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;
using tarvenik::test::whenShown;

namespace {

TFrmHlavni::Clock fixedNow() {
    return [] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0)); };
}

} // namespace

class TestFlow : public QObject {
    Q_OBJECT
private slots:
    void retryGoesBackToThePersonDialogWithoutTheMainWindow() {
        TempFolder dir;
        DialogRecorder dialogs;
        Person p{"Jan", "Novák", *DateTime::fromDate(1975, 3, 5), 7, 5, true, 0};
        QVERIFY(writePerson(dir.path(), p));
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        main.show();
        QVERIFY(main.BtnVypocet->isEnabled());

        int personDialogs = 0;
        bool mainHiddenOnRetry = false;
        std::function<void(TFrmUdaje*)> choose;
        choose = [&](TFrmUdaje* udaje) {
            ++personDialogs;
            if (personDialogs == 2) {
                mainHiddenOnRetry = !main.isVisible();
                udaje->BtnZrusit->click();
                return;
            }
            udaje->ChkBoxPartner->setChecked(false);
            udaje->ComBoxUdaje->setCurrentIndex(0);
            whenShown<TFrmVypis>([&](TFrmVypis* report) {
                QCOMPARE(report->LblJmeno->text(),
                         QStringLiteral("Jan Novák - středa, 5.3.1975 (07:05 hod.)"));
                whenShown<TFrmUdaje>(choose);
                report->BtnNastaveni->click();
            });
            udaje->BtnOK->click();
        };
        whenShown<TFrmUdaje>(choose);
        main.BtnVypocet->click();
        QCOMPARE(personDialogs, 2);
        QVERIFY(mainHiddenOnRetry);
        QVERIFY(main.isVisible());
    }

    void otherCalculatorsHideTheMainWindowWhileOpen() {
        TempFolder dir;
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        main.show();
        QVERIFY(main.BtnOstatni->isEnabled());
        QVERIFY(main.Ostatni1->isEnabled());
        for (const std::function<void()>& open : std::initializer_list<std::function<void()>>{
                 [&] { main.BtnOstatni->click(); }, [&] { main.Ostatni1->trigger(); }}) {
            bool mainHidden = false;
            whenShown<TFrmOstatni>([&](TFrmOstatni* other) {
                QCOMPARE(other->windowTitle(), QStringLiteral("Tarvenik :: Ostatní"));
                QCOMPARE(other->SpinEditZacatek->value(), 2026);
                mainHidden = !main.isVisible();
                other->close();
            });
            open();
            QVERIFY(mainHidden);
            QVERIFY(main.isVisible());
        }
    }

    void aboutBoxAndHelpTexts() {
        TempFolder dir;
        DialogRecorder dialogs;
        dir.write("historie.txt", encode1250("Historie programu Tarvenik\r\n"));
        TFrmHlavni main(fromPath(dir.path()), fixedNow());
        QVERIFY(main.About1->isEnabled());
        whenShown<TFrmOProgramu>([](TFrmOProgramu* about) { about->BtnZavrit->click(); });
        main.About1Click();
        whenShown<TFrmText>([](TFrmText* viewer) {
            QCOMPARE(viewer->windowTitle(), QStringLiteral("Historie programu"));
            QCOMPARE(viewer->Memo1->toPlainText(), QStringLiteral("Historie programu Tarvenik\n"));
            viewer->accept();
        });
        main.Historie1Click();
        main.Licence1Click(); // missing: a plain message, no viewer
        const auto messages = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(messages[0].text,
                 QStringLiteral("Soubor nebyl nalezen, prosim preinstalujte aplikaci."));
    }
};

QTEST_MAIN(TestFlow)
#include "test_flow.moc"
