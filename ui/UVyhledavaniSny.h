#pragma once
// TFrmVyhledavaniSny, the dream search window: non-modal, on top of the dream window that
// owns it, hidden rather than closed so the last search stays filled in.
//
// Data flow: the ticked fields, the text and the two flags make a DreamSearch
// (data/dreams); "Hledej" shows the refusal dreamSearchRefusal gives, or hands the search
// to the owner, which runs Hledej and lists what it finds.

#include "data/dreams.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvenik {

class TFrmVyhledavaniSny : public QDialog {
    Q_OBJECT
public:
    using Run = std::function<void(const DreamSearch&)>;

    TFrmVyhledavaniSny(QWidget* parent, Run run);

    // The search as the controls stand.
    DreamSearch search() const;

    QListWidget* CheckListBoxPolozky;
    QPushButton* BtnVse;
    QPushButton* BtnNic;
    QPushButton* BtnInvertovat;
    QLabel* LblHledanyText;
    QLineEdit* EditHledanyText;
    QCheckBox* ChkBoxPresny;
    QCheckBox* ChkBoxVelikost;
    QPushButton* BtnHledej;

    void BtnVseClick();
    void BtnNicClick();
    void BtnInvertovatClick();
    void BtnHledejClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    Run m_run;
    bool m_centred = false;
};

} // namespace tarvenik
