#pragma once
// TFrmCekejte, the frameless "please wait" window the report shows while it computes.
// It holds no data; the report window creates, shows and closes it.

#include <QWidget>

class QFrame;
class QLabel;

namespace tarvenik {

class TFrmCekejte : public QWidget {
    Q_OBJECT
public:
    explicit TFrmCekejte(QWidget* parent = nullptr);

    // Shows the window and paints it at once, before the caller goes on computing.
    void showNow();

    QLabel* Label1;
    QLabel* Image1;
    QFrame* Bevel1;
};

} // namespace tarvenik
