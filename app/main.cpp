// Start-up: the toolkit, the application title, the look every window shares and the main
// window; closing the main window ends the event loop and the program.
#include "ui/UnitHlavni.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

namespace {

// Tooltips appear almost at once and stay while the pointer rests on the control.
class TooltipStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return 10;
        }
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

void setUpTooltips() {
    QApplication::setStyle(new TooltipStyle);
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 251, 240));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

} // namespace

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
    setUpTooltips();
    tarvenik::TFrmHlavni window;
    window.show();
    QTimer::singleShot(0, &window, &tarvenik::TFrmHlavni::PripominkyPriSpusteni);
    return QApplication::exec();
}
