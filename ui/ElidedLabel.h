#pragma once
// A label for texts of any length in a place of fixed width (a status bar panel): it shows
// the text from its start, cut at the end with an ellipsis where it does not fit, and holds
// the whole text in its tooltip.

#include <QLabel>

namespace tarvenik {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setFullText(const QString& text);
    const QString& fullText() const { return m_full; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString m_full;
};

} // namespace tarvenik
