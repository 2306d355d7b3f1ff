#pragma once
// A tab strip whose tabs wrap into several rows when they do not fit, so that every
// caption of a text with many tabs stays visible. It offers the part of QTabBar's
// interface the windows use.

#include <QWidget>

#include <vector>

class QButtonGroup;
class QToolButton;

namespace tarvenik {

class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    int count() const { return static_cast<int>(m_tabs.size()); }
    QString tabText(int index) const;
    // The first tab added becomes the current one.
    int addTab(const QString& text);
    // Removing the current tab makes its neighbour current.
    void removeTab(int index);
    int currentIndex() const;
    void setCurrentIndex(int index);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the tabs row by row within `width`; returns the height used.
    int arrange(int width, bool move) const;

    std::vector<QToolButton*> m_tabs;
    QButtonGroup* m_group;
};

} // namespace tarvenik
