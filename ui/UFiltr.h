#pragma once
// TFrmFiltr, the names window's filter dialog: the kind of name and three check lists of
// origins, usages and calendars.
//
// Data flow: the names window creates it hidden with itself and opens it modally from
// "Filtr"; its controls hold the settings for as long as the names window lives, however
// the dialog is closed. filter() reads them as a NameFilter for data/namesearch, which
// decides what passes. OK closes it as confirmed, and the names window then starts over.

#include "data/namesearch.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tarvenik {

class CheckList;

class TFrmFiltr : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFiltr(QWidget* parent);

    NameFilter filter() const;
    void setFilter(const NameFilter& filter);

    QLabel* LblPuvod;
    CheckList* ChkLstPuvod;
    QLabel* LblPouzivani;
    CheckList* ChkLstPouzivani;
    QLabel* LblKalendar;
    CheckList* ChkLstKalendar;
    QGroupBox* RadGrpDruh;
    QRadioButton* RadBtnObe;
    QRadioButton* RadBtnMuzska;
    QRadioButton* RadBtnZenska;
    QPushButton* BtnOK;

private:
    std::array<std::pair<QRadioButton*, NameKindChoice>, 3> m_kinds;
};

} // namespace tarvenik
