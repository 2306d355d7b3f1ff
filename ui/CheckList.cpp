#include "ui/CheckList.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvenik {

CheckList::CheckList(const QStringList& items, QWidget* parent) : QWidget(parent) {
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, ListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    // As wide as the longest item and its tick need, whatever the font; the height is
    // the window's to give.
    ListBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ListBox->setMinimumSize(ListBox->sizeHintForColumn(0) + 2 * ListBox->frameWidth() +
                                ListBox->verticalScrollBar()->sizeHint().width(),
                            4 * ListBox->sizeHintForRow(0));
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        // The three share the list's width; the style's wide minimum would widen the list.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        const QStyle* style = b->style();
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(caption) +
                           2 * (style->pixelMetric(QStyle::PM_ButtonMargin) +
                                style->pixelMetric(QStyle::PM_DefaultFrameWidth) + 6));
        return b;
    };
    BtnVse = button("BtnVse", QStringLiteral("Vše"));
    BtnNic = button("BtnNic", QStringLiteral("Nic"));
    BtnInvertovat = button("BtnInvertovat", QStringLiteral("Invertovat"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton* b : {BtnVse, BtnNic, BtnInvertovat}) {
        buttons->addWidget(b, b->minimumWidth()); // spare width in proportion to the captions
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(ListBox, 1);
    layout->addLayout(buttons);

    connect(BtnVse, &QPushButton::clicked, this, [this] { changeAll([](bool) { return true; }); });
    connect(BtnNic, &QPushButton::clicked, this, [this] { changeAll([](bool) { return false; }); });
    connect(BtnInvertovat, &QPushButton::clicked, this,
            [this] { changeAll([](bool on) { return !on; }); });
}

template <class Change> void CheckList::changeAll(Change change) {
    for (int i = 0; i < ListBox->count(); ++i) {
        QListWidgetItem* item = ListBox->item(i);
        item->setCheckState(change(item->checkState() == Qt::Checked) ? Qt::Checked
                                                                      : Qt::Unchecked);
    }
}

void CheckList::ticked(std::span<bool> out) const {
    const std::size_t n = std::min(out.size(), static_cast<std::size_t>(ListBox->count()));
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = ListBox->item(static_cast<int>(i))->checkState() == Qt::Checked;
    }
}

void CheckList::setTicked(std::span<const bool> ticked) {
    const std::size_t n = std::min(ticked.size(), static_cast<std::size_t>(ListBox->count()));
    for (std::size_t i = 0; i < n; ++i) {
        ListBox->item(static_cast<int>(i))->setCheckState(ticked[i] ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace tarvenik
