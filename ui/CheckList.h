#pragma once
// A check list with its three buttons "Vše", "Nic" and "Invertovat" (tick all, clear all,
// flip all) under it, as the names filter and the names search offer them. The ticks are
// read and set as one flag per item, in item order.

#include <QWidget>

#include <span>

class QListWidget;
class QPushButton;

namespace tarvenik {

class CheckList : public QWidget {
    Q_OBJECT
public:
    // Every item starts ticked.
    CheckList(const QStringList& items, QWidget* parent = nullptr);

    void ticked(std::span<bool> out) const;
    // A flag for each item; extra flags are ignored.
    void setTicked(std::span<const bool> ticked);

    QListWidget* ListBox;
    QPushButton* BtnVse;
    QPushButton* BtnNic;
    QPushButton* BtnInvertovat;

private:
    template <class Change> void changeAll(Change change);
};

} // namespace tarvenik
