#include "ui/UnitOProgramu.h"

#include "data/version.h"
#include "ui/Dialogs.h"
#include "ui/contacts.h"
#include "ui/icons/Icons.h"
#include "ui/logo.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace tarvenik {

namespace {

QFont comic(int points) {
    QFont font(QStringLiteral("Comic Sans MS"), points);
    font.setStyleHint(QFont::Cursive);
    return font;
}

// A text label and its silver copy one pixel to the right and one higher, drawn behind it.
void shadowedLabel(QWidget* parent, QLabel*& label, QLabel*& shadow, const char* name,
                   const QString& text, int points, QPoint at) {
    shadow = new QLabel(text, parent);
    shadow->setObjectName(QString::fromLatin1(name) + QStringLiteral("Stin"));
    label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    for (QLabel* l : {shadow, label}) {
        l->setFont(comic(points));
        l->adjustSize();
    }
    QPalette silver = shadow->palette();
    silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
    shadow->setPalette(silver);
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    shadow->move(at + QPoint(1, -1));
    label->move(at);
    label->raise();
}

} // namespace

TFrmOProgramu::TFrmOProgramu(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmOProgramu"));
    setWindowTitle(QStringLiteral("Tarvenik :: O programu"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(342, 270);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(198, 6, 139, 139);
    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setGeometry(200, 8, 135, 135);
    ImgLogo->setCursor(Qt::PointingHandCursor);
    m_logo = tarvenikLogo(135);
    ImgLogo->setPixmap(QPixmap::fromImage(m_logo));
    ImgLogo->installEventFilter(this);

    shadowedLabel(this, LblNazev, LblNazevStin, "LblNazev",
                  QStringLiteral("Tarvenik ") + QString::fromUtf8(kVersionText), 13, {56, 20});
    shadowedLabel(this, LblDatum, LblDatumStin, "LblDatum", QString::fromUtf8(kReleaseDate), 9,
                  {130, 60});
    shadowedLabel(this, LblCopy, LblCopyStin, "LblCopy", QString::fromUtf8(contacts::kCredit), 9,
                  {22, 93});

    const auto button = [this](IconKind icon, const QString& caption, const char* name,
                               QRect geometry) {
        auto* b = new QPushButton(themedIcon(icon), caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    BtnZavrit = button(IconKind::Close, QStringLiteral("Zavřít"), "BtnZavrit", {112, 239, 121, 25});
    BtnWeb =
        button(IconKind::Internet, QString::fromUtf8(contacts::kWeb), "BtnWeb", {48, 147, 249, 25});
    BtnEmail =
        button(IconKind::Mail, QString::fromUtf8(contacts::kEmail), "BtnEmail", {48, 176, 249, 25});
    BtnJabber =
        button(IconKind::Chat, QString::fromUtf8(contacts::kXmpp), "BtnJabber", {48, 205, 142, 25});
    BtnICQ =
        button(IconKind::Chat, QString::fromUtf8(contacts::kIcq), "BtnICQ", {189, 205, 108, 25});
    BtnZavrit->setDefault(true);
    BtnZavrit->setFocus();

    connect(BtnZavrit, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnWeb, &QPushButton::clicked, this, &TFrmOProgramu::BtnWebClick);
    connect(BtnEmail, &QPushButton::clicked, this, &TFrmOProgramu::BtnEmailClick);
    connect(BtnJabber, &QPushButton::clicked, this, &TFrmOProgramu::BtnJabberClick);
    connect(BtnICQ, &QPushButton::clicked, this, &TFrmOProgramu::BtnICQClick);
}

void TFrmOProgramu::BtnWebClick() {
    Dialogs::current().openAddress(QUrl(QString::fromUtf8(contacts::kWeb)));
}

void TFrmOProgramu::BtnEmailClick() {
    Dialogs::current().openAddress(
        QUrl(QStringLiteral("mailto:") + QString::fromUtf8(contacts::kEmail)));
}

void TFrmOProgramu::BtnJabberClick() {
    Dialogs::current().openAddress(QUrl(QString::fromUtf8(contacts::kXmppService)));
}

void TFrmOProgramu::BtnICQClick() {
    Dialogs::current().openAddress(QUrl(QString::fromUtf8(contacts::kIcqProfile)));
}

void TFrmOProgramu::ImgLogoClick() {
    m_logo.invertPixels();
    ImgLogo->setPixmap(QPixmap::fromImage(m_logo));
}

bool TFrmOProgramu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ImgLogo && event->type() == QEvent::MouseButtonRelease) {
        ImgLogoClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvenik
