// Start-up: the toolkit, the application title, the look every window shares and the main
// window; closing the main window ends the event loop and the program.
#include "ui/Startup.h"
#include "ui/UnitHlavni.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name only: a display name would be appended to every title the window system
    // shows ("Tarvenik :: Výpis výpočtu — Tarvenik").
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    tarvenik::setUpApplication(app);
    tarvenik::TFrmHlavni window;
    window.show();
    QTimer::singleShot(0, &window, &tarvenik::TFrmHlavni::PripominkyPriSpusteni);
    return QApplication::exec();
}
