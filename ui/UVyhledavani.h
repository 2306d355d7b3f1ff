#pragma once
// TFrmVyhledavani, the names window's search window: which fields to search, the text and
// how to match it.
//
// Data flow: the names window creates it hidden with itself and shows it, non-modal and on
// top, from "Hledej". "Hledej" (or Enter in the text) collects the settings as a
// NameSearch and, when there is something to search (data/namesearch), hands it to the
// names window through searchRequested; the names window runs hledej and lists the result.
// Escape hides the window; its settings last as long as the names window.

#include "data/namesearch.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvenik {

class CheckList;

class TFrmVyhledavani : public QDialog {
    Q_OBJECT
public:
    explicit TFrmVyhledavani(QWidget* parent);

    NameSearch settings() const;
    // The names window filters its letters: only then may the search use the filter.
    void setFilterAvailable(bool available);

    CheckList* ChkLstPolozky;
    QLabel* LblHledanyText;
    QLineEdit* EdHledanyText;
    QCheckBox* ChkBoxPresny;
    QCheckBox* ChkBoxVelikost;
    QCheckBox* ChkBoxFiltr;
    QPushButton* BtnHledej;

    void BtnHledejClick();

signals:
    void searchRequested(const tarvenik::NameSearch& search);
};

} // namespace tarvenik
