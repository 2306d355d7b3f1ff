// Start-up: the toolkit, the application title, the look every window shares and the main
// window; closing the main window ends the event loop and the program.
#include "ui/Startup.h"
#include "ui/UnitHlavni.h"
#include "ui/logo.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name only: a display name would be appended to every title the window system
    // shows ("Tarvenik :: Výpis výpočtu — Tarvenik").
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    tarvenik::setUpApplication(app);
    // The desktop matches the windows with the launcher by this name, and shows the icon
    // installed under it; a copy that was never installed draws its own.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVENIK_APP_ID));
    QIcon drawn;
    for (const int size : {16, 32, 48, 64, 128}) {
        drawn.addPixmap(QPixmap::fromImage(tarvenik::tarvenikIcon(size)));
    }
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TARVENIK_APP_ID), drawn));
    tarvenik::TFrmHlavni window;
    window.show();
    QTimer::singleShot(0, &window, &tarvenik::TFrmHlavni::PripominkyPriSpusteni);
    return QApplication::exec();
}
