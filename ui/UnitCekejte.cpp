#include "ui/UnitCekejte.h"

#include "ui/logo.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace tarvenik {

TFrmCekejte::TFrmCekejte(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FrmCekejte"));
    setWindowTitle(QStringLiteral("Tarvenik :: Čekejte"));
    setCursor(Qt::WaitCursor);

    Label1 = new QLabel(QStringLiteral("Probíhá výpočet, prosím čekejte..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setContentsMargins(0, 0, 12, 0);
    Label1->setAutoFillBackground(true);
    QPalette cream = Label1->palette();
    cream.setColor(QPalette::Window, QColor(255, 251, 240));
    cream.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(cream);
    QFont font(QStringLiteral("Tahoma"), 14);
    font.setStyleHint(QFont::SansSerif);
    Label1->setFont(font);
    // 318 × 60 as designed, wider where the font needs it, so the picture never covers text.
    const int width = std::max(318, QFontMetrics(font).horizontalAdvance(Label1->text()) + 48);
    setFixedSize(width, 60);
    Label1->setGeometry(0, 0, width, 60);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(3, 17, 25, 25);
    Image1->setPixmap(QPixmap::fromImage(hourglassPicture(25)));
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(rect());
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Raised);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFrmCekejte::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tarvenik
