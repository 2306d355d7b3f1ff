#include "ui/ElidedLabel.h"

#include <QResizeEvent>

namespace tarvenik {

void ElidedLabel::setFullText(const QString& text) {
    m_full = text;
    setToolTip(text);
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    setText(fontMetrics().elidedText(m_full, Qt::ElideRight, contentsRect().width()));
}

} // namespace tarvenik
