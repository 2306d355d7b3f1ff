// Start-up: the toolkit, the application title and the main window; closing the main
// window ends the event loop and the program.
#include "ui/UnitHlavni.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvenik"));
    tarvenik::TFrmHlavni window;
    window.show();
    return QApplication::exec();
}
