#pragma once
// TFrmOProgramu, the about box: name, version date and credit line with their silver
// shadows, the logo (inverted by a click, restored by the next) and four contact buttons
// that ask the system, through ui/Dialogs, to open the addresses of ui/contacts.h.

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;

namespace tarvenik {

class TFrmOProgramu : public QDialog {
    Q_OBJECT
public:
    explicit TFrmOProgramu(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* ImgLogo;
    QLabel* LblNazev;
    QLabel* LblNazevStin;
    QLabel* LblDatum;
    QLabel* LblDatumStin;
    QLabel* LblCopy;
    QLabel* LblCopyStin;
    QPushButton* BtnWeb;
    QPushButton* BtnEmail;
    QPushButton* BtnJabber;
    QPushButton* BtnICQ;
    QPushButton* BtnZavrit;

    const QImage& logo() const { return m_logo; }

    void BtnWebClick();
    void BtnEmailClick();
    void BtnJabberClick();
    void BtnICQClick();
    void ImgLogoClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage m_logo;
};

} // namespace tarvenik
