#include "ui/UnitText.h"

#include "platform/atomicfile.h"
#include "platform/text.h"
#include "ui/qtext.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tarvenik {

TFrmText::TFrmText(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmText"));
    setWindowTitle(QStringLiteral("Tarvenik :: Text"));
    setSizeGripEnabled(true);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setBackgroundRole(QPalette::Button);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    Memo1->setPalette(palette);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    Memo1->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    resize(550, 400);
}

Result<void> TFrmText::loadFile(const QString& path) {
    const auto bytes = readFileBytes(toPath(path), kMaxShownTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    Memo1->setPlainText(withLfLineEnds(toQ(decode1250(*bytes))));
    return {};
}

} // namespace tarvenik
