// Start-up: the toolkit, the application title and the main window; closing the main
// window ends the event loop and the program.
#include "ui/UnitHlavni.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvenik"));
    // Czech buttons in Qt's own dialogs (file dialog, message boxes) where the system has
    // Qt's translations; without them those few words stay English.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
    }
    tarvenik::TFrmHlavni window;
    window.show();
    return QApplication::exec();
}
