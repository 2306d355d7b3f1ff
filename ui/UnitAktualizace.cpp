#include "ui/UnitAktualizace.h"

#include "data/versioninfo.h"
#include "ui/Dialogs.h"
#include "ui/contacts.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QInputEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace tarvenik {

TFrmAktualizace::TFrmAktualizace(QWidget* parent, UpdateSource source)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_source(std::move(source)) {
    if (m_source.site.isEmpty()) {
        m_source.site = QString::fromUtf8(contacts::kWeb);
    }
    if (m_source.tempFolder.isEmpty()) {
        m_source.tempFolder = QDir::tempPath();
    }
    setObjectName(QStringLiteral("FrmAktualizace"));
    setWindowTitle(QStringLiteral("Tarvenik :: Aktualizace"));
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::WinPanel);
    Bevel1->setFrameShadow(QFrame::Raised);
    LBInfo = new QListWidget(this);
    LBInfo->setObjectName(QStringLiteral("LBInfo"));
    BtnAktual = new QPushButton(themedIcon(IconKind::Update), QStringLiteral("Zkontrolovat"), this);
    BtnAktual->setObjectName(QStringLiteral("BtnAktual"));
    BtnZavrit = new QPushButton(themedIcon(IconKind::Close), QStringLiteral("Zavřít"), this);
    BtnZavrit->setObjectName(QStringLiteral("BtnZavrit"));
    QFont font(QStringLiteral("Tahoma"), 8); // as the main window
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    placeControls();
    BtnAktual->setFocus();

    connect(BtnAktual, &QPushButton::clicked, this, &TFrmAktualizace::BtnAktualClick);
    connect(BtnZavrit, &QPushButton::clicked, this, &TFrmAktualizace::reject);
}

// The designed geometry (212 × 161), grown where the font needs more room: the list for
// its longest fixed line and eight lines, the buttons for their captions.
void TFrmAktualizace::placeControls() {
    QListWidget lines;
    lines.setFont(font());
    lines.addItems({QStringLiteral("Zahájeno zjišťování informací..."),
                    QStringLiteral("Zdá se, že nejste připojeni k internetu!"),
                    QStringLiteral("Nastala chyba při stahování informací!")});
    for (const auto status :
         {VersionStatus::UpToDate, VersionStatus::Newer, VersionStatus::Invalid}) {
        for (const std::string& line : versionInfoLines({status, {}, {}})) {
            lines.addItem(toQ(line));
        }
    }
    const int frame = 2 * LBInfo->frameWidth();
    const int listHeight = std::max(123, 8 * lines.sizeHintForRow(0) + frame);
    // What a caption needs, without the style's minimum button width.
    const QFontMetrics metrics(font());
    const int padding = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin) +
                             style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const auto buttonWidth = [&](const QPushButton* button, const QString& caption, bool icon) {
        return metrics.horizontalAdvance(caption) + padding +
               (icon ? button->iconSize().width() + 4 : 0);
    };
    const int checkWidth =
        std::max({118, buttonWidth(BtnAktual, QStringLiteral("Zkontrolovat"), true),
                  buttonWidth(BtnAktual, QStringLiteral("Stáhnout novou verzi"), false)});
    const int closeWidth = std::max(75, buttonWidth(BtnZavrit, BtnZavrit->text(), true));
    const int buttonHeight = std::max(25, BtnZavrit->sizeHint().height());

    const int width =
        std::max({212, lines.sizeHintForColumn(0) + frame + 8, checkWidth + closeWidth + 19});
    const int buttonsTop = 4 + listHeight + 4;
    setFixedSize(width, buttonsTop + buttonHeight + 5);
    Bevel1->setGeometry(rect());
    LBInfo->setGeometry(4, 4, width - 8, listHeight);
    BtnAktual->setGeometry(5, buttonsTop, width - closeWidth - 19, buttonHeight);
    BtnZavrit->setGeometry(width - closeWidth - 6, buttonsTop, closeWidth, buttonHeight);
}

void TFrmAktualizace::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        placeControls();
    }
}

void TFrmAktualizace::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the main window; Qt's own placing allows for a title bar this window lacks.
    if (const QWidget* owner = parentWidget()) {
        move(owner->window()->frameGeometry().center() - rect().center());
    }
}

void TFrmAktualizace::BtnAktualClick() {
    if (m_downloadAddress.isEmpty()) {
        check();
    } else {
        Dialogs::current().openAddress(QUrl(m_downloadAddress));
    }
}

QListWidgetItem* TFrmAktualizace::addLine(const QString& line) {
    LBInfo->addItem(line);
    return LBInfo->item(LBInfo->count() - 1);
}

void TFrmAktualizace::check() {
    BtnAktual->setEnabled(false);
    LBInfo->clear();
    addLine(QStringLiteral("Zahájeno zjišťování informací..."));
    addLine({});
    repaint();

    std::optional<Result<std::string>> body; // none: not connected
    if (!m_source.connected()) {
        BtnAktual->setEnabled(true);
        addLine(QStringLiteral("Zdá se, že nejste připojeni k internetu!"));
        repaint();
    } else {
        addLine(QStringLiteral("Stahování informací..."));
        repaint();
        body = fetchWithInputBlocked();
    }
    addLine({});

    if (!body || !*body) {
        QListWidgetItem* failure =
            addLine(QStringLiteral("Nastala chyba při stahování informací!"));
        if (body) {
            failure->setToolTip(toQ(body->error().text()));
        }
        BtnAktual->setEnabled(true);
        repaint();
        return;
    }
    const VersionInfo info = parseVersionInfo(**body);
    for (const std::string& line : versionInfoLines(info)) {
        addLine(toQ(line));
    }
    if (info.status == VersionStatus::Newer) {
        m_downloadAddress = toQ(info.downloadAddress);
        BtnAktual->setIcon({});
        BtnAktual->setText(QStringLiteral("Stáhnout novou verzi"));
    }
    repaint();
    BtnAktual->setEnabled(true);
}

Result<std::string> TFrmAktualizace::fetchWithInputBlocked() {
    m_busy = true;
    qApp->installEventFilter(this);
    auto body =
        fetchVersionFile(versionFileAddress(m_source.site), m_source.tempFolder, m_source.timeout);
    qApp->removeEventFilter(this);
    m_busy = false;
    return body;
}

bool TFrmAktualizace::eventFilter(QObject* watched, QEvent* event) {
    // While the download runs the window only paints: clicks and keys aimed at it are
    // dropped (a loop that merely excluded input would deliver them all afterwards).
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (m_busy && widget && (widget == this || isAncestorOf(widget)) &&
        dynamic_cast<const QInputEvent*>(event)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmAktualizace::reject() {
    if (!m_busy) {
        QDialog::reject();
    }
}

} // namespace tarvenik
