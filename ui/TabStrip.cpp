#include "ui/TabStrip.h"

#include <QButtonGroup>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>

namespace tarvenik {

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    m_group->setExclusive(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setStyleSheet(
        QStringLiteral("QToolButton { border: 1px solid palette(mid); border-bottom: none;"
                       " border-top-left-radius: 4px; border-top-right-radius: 4px;"
                       " padding: 3px 9px; background: palette(button); }"
                       "QToolButton:checked { background: palette(base); }"));
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            emit currentChanged(currentIndex());
        }
    });
}

QString TabStrip::tabText(int index) const {
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)]->text()
                                         : QString();
}

int TabStrip::addTab(const QString& text) {
    auto* tab = new QToolButton(this);
    tab->setText(text);
    tab->setCheckable(true);
    tab->setAutoRaise(false);
    tab->setFocusPolicy(Qt::TabFocus);
    m_group->addButton(tab);
    m_tabs.push_back(tab);
    tab->show();
    if (count() == 1) {
        tab->setChecked(true);
    }
    updateGeometry();
    arrange(width(), true);
    return count() - 1;
}

void TabStrip::removeTab(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    QToolButton* tab = m_tabs[static_cast<std::size_t>(index)];
    const bool wasCurrent = tab->isChecked();
    m_group->removeButton(tab);
    m_tabs.erase(m_tabs.begin() + index);
    delete tab;
    if (wasCurrent && count() > 0) {
        setCurrentIndex(std::min(index, count() - 1));
    }
    updateGeometry();
    arrange(width(), true);
}

int TabStrip::currentIndex() const {
    for (int i = 0; i < count(); ++i) {
        if (m_tabs[static_cast<std::size_t>(i)]->isChecked()) {
            return i;
        }
    }
    return -1;
}

void TabStrip::setCurrentIndex(int index) {
    if (index >= 0 && index < count()) {
        m_tabs[static_cast<std::size_t>(index)]->setChecked(true);
    }
}

int TabStrip::arrange(int width, bool move) const {
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (QToolButton* tab : m_tabs) {
        const QSize size = tab->sizeHint();
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        if (move) {
            tab->setGeometry(QRect(QPoint(x, y), size));
        }
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight;
}

int TabStrip::heightForWidth(int width) const {
    return arrange(width, false);
}

QSize TabStrip::sizeHint() const {
    int width = 0;
    for (const QToolButton* tab : m_tabs) {
        width += tab->sizeHint().width();
    }
    return {width, heightForWidth(std::max(width, 1))};
}

QSize TabStrip::minimumSizeHint() const {
    return {0, heightForWidth(std::max(width(), 1))};
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange(event->size().width(), true);
    if (height() != heightForWidth(width())) {
        updateGeometry();
    }
}

} // namespace tarvenik
