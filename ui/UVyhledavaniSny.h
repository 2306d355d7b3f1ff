#pragma once
// TFrmVyhledavaniSny, the dream window's search window: which fields to search, the text
// and how to match it.
//
// Data flow: the dream window creates it hidden with itself and shows it, non-modal and on
// top, from "Hledej". "Hledej" (or Enter in the text) collects the settings as a
// DreamSearch and shows the refusal dreamSearchRefusal gives (data/dreams), or hands the
// search to the dream window through searchRequested; the dream window runs Hledej and
// lists the result. Escape hides the window; its settings last as long as the dream window.

#include "data/dreams.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvenik {

class CheckList;

class TFrmVyhledavaniSny : public QDialog {
    Q_OBJECT
public:
    explicit TFrmVyhledavaniSny(QWidget* parent);

    DreamSearch settings() const;

    CheckList* ChkLstPolozky;
    QLabel* LblHledanyText;
    QLineEdit* EdHledanyText;
    QCheckBox* ChkBoxPresny;
    QCheckBox* ChkBoxVelikost;
    QPushButton* BtnHledej;

    void BtnHledejClick();

signals:
    void searchRequested(const tarvenik::DreamSearch& search);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

} // namespace tarvenik
