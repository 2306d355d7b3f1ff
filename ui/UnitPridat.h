#pragma once
// TFrmPridat, the form of one person, for adding and for editing.
//
// Data flow: editing fills it from a Person (data/persons); on "Uložit údaje" it checks
// the entry (data/personchoice) and hands back the entered Person. It writes nothing.

#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace tarvenik {

struct Person;

class TFrmPridat : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    // `now` is the latest date of birth the picker accepts.
    TFrmPridat(QWidget* parent, Mode mode, const QDateTime& now);

    // Fills the form in the order first name, surname, date, exact-time flag, time, sex, so
    // that the flag's rule (which resets the time) cannot clear a stored time.
    void setPerson(const Person& person);
    Person person() const;

    QGroupBox* GrpBoxUdaje;
    QLineEdit* LblEditJmeno;
    QLineEdit* LblEditPrijmeni;
    QComboBox* CmbBoxPohlavi;
    QDateEdit* NarDatum;
    QCheckBox* ChkPresnyCas;
    QTimeEdit* NarCas;
    QPushButton* BtnUlozit;
    QPushButton* BtnZrusit;

    void ChkPresnyCasClick();
    void BtnOKClick();
};

} // namespace tarvenik
