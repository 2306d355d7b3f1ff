// Start-up: the toolkit, the application title and the main window; closing the main
// window ends the event loop and the program.
#include "ui/UnitHlavni.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name only: a display name would be appended to every title the window system
    // shows ("Tarvenik :: Výpis výpočtu — Tarvenik").
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    // Czech buttons in Qt's own dialogs (file dialog, message boxes) where the system has
    // Qt's translations; without them those few words stay English.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
    }
    tarvenik::TFrmHlavni window;
    window.show();
    QTimer::singleShot(0, &window, &tarvenik::TFrmHlavni::PripominkyPriSpusteni);
    return QApplication::exec();
}
