// Start-up to the first paint, which bench/run times from outside (start to exit): the
// program's start as app/main.cpp does it, on the built application folder, ending once the
// main window has painted. Built a second time with TARVENIK_BARE as its floor: a bare
// QWidget, shown and painted; with the argument "label" it shows one line of text, which
// brings up the font system as any window with text must.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include <cstdlib>

#ifndef TARVENIK_BARE
#include "ui/Startup.h"
#include "ui/UnitHlavni.h"

#include <QTimer>
#endif

namespace {

// Exits as soon as the watched window's first paint is done: the exit is posted, and the
// event loop comes to it only after the window and its children have painted.
class ExitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef TARVENIK_BARE
    QWidget window;
    window.resize(362, 200);
    if (argc > 1) {
        new QLabel(QStringLiteral("Dnes je úterý, 8.12.2026"), &window);
    }
#else
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    tarvenik::setUpApplication(app);
    tarvenik::TFrmHlavni window(QStringLiteral(TARVENIK_APP_DIR));
    QTimer::singleShot(0, &window, &tarvenik::TFrmHlavni::PripominkyPriSpusteni);
#endif
    ExitOnFirstPaint exitOnPaint;
    window.installEventFilter(&exitOnPaint);
    window.show();
    return QApplication::exec();
}
