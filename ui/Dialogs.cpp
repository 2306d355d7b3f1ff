#include "ui/Dialogs.h"

#include "data/userfiles.h"
#include "platform/picture.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <cstring>

namespace tarvenik {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                      const QStringList& filters, QFileDialog::AcceptMode mode,
                      QFileDialog::FileMode fileMode) {
    QFileDialog dialog(parent, caption, folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without a suffix gets the one of the chosen filter, so that choosing
        // "*.pdf" and typing "Beran" saves Beran.pdf.
        const auto follow = [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(defaultSuffixOf(filter));
        };
        follow(filters.value(0));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

class SystemDialogs : public Dialogs {
public:
    void message(QWidget* parent, MessageIcon icon, const QString& caption,
                 const QString& text) override {
        QMessageBox box(qtIcon(icon), caption, withLfLineEnds(text), QMessageBox::Ok, parent);
        box.exec();
    }
    bool askYesNo(QWidget* parent, MessageIcon icon, const QString& caption,
                  const QString& text) override {
        QMessageBox box(qtIcon(icon), caption, withLfLineEnds(text),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
        return box.exec() == QMessageBox::Yes;
    }
    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QStringList& filters) override {
        return runFileDialog(parent, caption, folder, filters, QFileDialog::AcceptOpen,
                             QFileDialog::ExistingFile);
    }
    QString saveFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QStringList& filters) override {
        return runFileDialog(parent, caption, folder, filters, QFileDialog::AcceptSave,
                             QFileDialog::AnyFile);
    }
    QString openPicture(QWidget* parent, const QString& folder,
                        const QStringList& filters) override {
        // Qt's own dialog, so that a preview of the highlighted picture fits beside the list.
        QFileDialog dialog(parent, QString(), folder);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (auto* places = dialog.findChild<QWidget*>(QStringLiteral("sidebar"))) {
            places->hide();
        }
        auto* preview = new QLabel(&dialog);
        preview->setFixedSize(160, 160);
        preview->setAlignment(Qt::AlignCenter);
        preview->setFrameShape(QFrame::StyledPanel);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
        }
        QObject::connect(
            &dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
                const auto picture = loadPicture(toPath(path));
                preview->setPixmap(picture ? QPixmap::fromImage(imageOf(*picture))
                                                 .scaled(preview->size(), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation)
                                           : QPixmap());
            });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().constFirst();
    }
    bool print(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    bool openAddress(const QUrl& address) override { return QDesktopServices::openUrl(address); }
};

Dialogs* g_installed = nullptr;

} // namespace

QString saveFolderOf(const QString& appFolder) {
    // Files the user saves go where the person file goes: beside a portable copy, and in
    // the home folder rather than a system install's folder.
    return fromPath(userFilesFolder(toPath(appFolder), toPath(QDir::homePath())));
}

QString defaultSuffixOf(const QString& filter) {
    static const QRegularExpression details(QStringLiteral("\\(([^()]*)\\)$"));
    static const QRegularExpression single(QStringLiteral("^\\*\\.(\\w+)$"));
    const auto inParentheses = details.match(filter);
    const QStringList patterns = (inParentheses.hasMatch() ? inParentheses.captured(1) : filter)
                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return patterns.size() == 1 ? single.match(patterns.front()).captured(1) : QString();
}

QImage imageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGBA8888);
    const auto rowBytes = static_cast<std::size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.rgba.data() + rowBytes * static_cast<std::size_t>(y),
                    rowBytes);
    }
    return image;
}

Dialogs& Dialogs::current() {
    static SystemDialogs system;
    return g_installed ? *g_installed : system;
}

Dialogs* Dialogs::install(Dialogs* dialogs) {
    Dialogs* former = g_installed;
    g_installed = dialogs;
    return former;
}

void Dialogs::plain(QWidget* parent, const QString& text) {
    message(parent, MessageIcon::None, QApplication::applicationName(), text);
}
void Dialogs::information(QWidget* parent, const QString& caption, const QString& text) {
    message(parent, MessageIcon::Information, caption, text);
}
void Dialogs::warning(QWidget* parent, const QString& caption, const QString& text) {
    message(parent, MessageIcon::Warning, caption, text);
}
void Dialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    message(parent, MessageIcon::Error, caption, text);
}

void Dialogs::fileError(QWidget* parent, const Error& e, FileAccess access, const QString& lead) {
    QString text = QStringLiteral("Soubor %1 ").arg(toQ(e.where));
    if (e.notFound()) {
        text += QStringLiteral("nebyl nalezen.");
    } else {
        switch (access) {
        case FileAccess::Read:
            text += QStringLiteral("nelze přečíst: ");
            break;
        case FileAccess::Write:
            text += QStringLiteral("nelze uložit: ");
            break;
        case FileAccess::Update:
            text += QStringLiteral("nelze zpracovat: ");
            break;
        }
        text += toQ(e.reason);
    }
    if (!lead.isEmpty()) {
        text.prepend(lead + QLatin1Char('\n'));
    }
    error(parent, QStringLiteral("Chyba"), text);
}

} // namespace tarvenik
