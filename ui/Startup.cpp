#include "ui/Startup.h"

#include "ui/icons/Icons.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QProxyStyle>
#include <QToolTip>
#include <QTranslator>

namespace tarvenik {

namespace {

// Tooltips appear almost at once and stay while the pointer rests on the control. The menu
// bar's overflow button gets its picture only if it is ever shown: loading it at the bar's
// creation loaded every image plugin, a tenth of the start-up.
class ProgramStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return 10;
        }
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton ||
            icon == SP_ToolBarVerticalExtensionButton) {
            return lazyIcon([base = QPointer<QStyle>(baseStyle()), icon] {
                return base ? base->standardIcon(icon) : QIcon();
            });
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

void setUpTooltips() {
    QApplication::setStyle(new ProgramStyle);
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 251, 240));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

} // namespace

void setUpApplication(QApplication& app) {
    // Every Qt widget speaks Czech whatever the system's locale: the date pickers'
    // calendars name months and days in Czech and start the week on Monday.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    // Czech buttons in Qt's own dialogs (file dialog, message boxes) where the system has
    // Qt's translations; without them those few words stay English.
    auto* qtCzech = new QTranslator(&app);
    if (qtCzech->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtCzech);
    }
    setUpTooltips();
}

} // namespace tarvenik
