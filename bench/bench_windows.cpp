// Every window opened once, for bench/run to read the peak resident size from outside: the
// program starts as app/main.cpp starts it, on a scratch folder with two persons, and opens
// each window from the main window as a user would, each painted and closed; at the end it
// prints which windows were shown.
#include "bench/scratchapp.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/whenshown.h"
#include "ui/Startup.h"
#include "ui/UFiltr.h"
#include "ui/UVyhledavani.h"
#include "ui/UnitCoCo.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitJmena.h"
#include "ui/UnitPridat.h"
#include "ui/UnitUdaje.h"
#include "ui/UnitVypis.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <set>

using namespace tarvenik;
using test::whenShown;

namespace {

// The classes of the windows shown, printed at the end so that a reader sees what was opened.
class WindowLog : public QObject {
public:
    std::set<QString> shown;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow()) {
            shown.insert(QString::fromLatin1(object->metaObject()->className()).section(u':', -1));
        }
        return false;
    }
};

// The window shown now is painted, `action` runs on it, and it closes.
template <class T = QDialog> void closeWhenShown(std::function<void(T*)> action = {}) {
    whenShown<T>([action](T* window) {
        if (action) {
            action(window);
        }
        window->repaint();
        window->reject();
    });
}

void openEveryWindow(TFrmHlavni& main) {
    whenShown<TFrmUdaje>([](TFrmUdaje* udaje) {
        closeWhenShown<TFrmPridat>();
        udaje->BtnPridat->click();
        closeWhenShown<TFrmCoCo>();
        udaje->BtnSmazat->click();
        udaje->ComBoxUdaje->setCurrentIndex(0);
        udaje->ChkBoxPartner->setChecked(true);
        udaje->ComBoxUdaje2->setCurrentIndex(1);
        closeWhenShown<TFrmVypis>([](TFrmVypis* report) { report->BtnCisarsky->click(); });
        udaje->BtnOK->click();
    });
    main.BtnVypocetClick();
    closeWhenShown<TFrmJmena>([](TFrmJmena* names) {
        names->ListBoxPismena->setCurrentRow(0);
        names->BtnHledej->click();
        names->FrmVyhledavani->repaint();
        names->ChkBoxFiltr->click();
        closeWhenShown<TFrmFiltr>();
        names->BtnFiltr->click();
    });
    main.BtnJmenaClick();
    for (QAction* action :
         {main.Sny1, main.Svatky1, main.Horoskopy1, main.Ostatni1, main.Pripominky1, main.Help1,
          main.Zjistitnovouverzi1, main.Literatura1, main.About1}) {
        if (action->isEnabled()) {
            closeWhenShown();
            action->trigger();
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    setUpApplication(app);
    const bench::ScratchApp scratch(TARVENIK_APP_DIR);
    test::DialogRecorder dialogs;
    WindowLog log;
    app.installEventFilter(&log);
    TFrmHlavni window(QString::fromStdString(scratch.path().string()));
    QTimer::singleShot(0, &window, [&window, &log] {
        openEveryWindow(window);
        QStringList names(log.shown.begin(), log.shown.end());
        std::printf("%lld windows: %s\n", static_cast<long long>(names.size()),
                    qPrintable(names.join(QStringLiteral(", "))));
        QApplication::quit();
    });
    window.show();
    return QApplication::exec();
}
