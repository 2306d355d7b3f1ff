#pragma once
// TFrmPridat, the form of one person, for adding and for editing.
//
// Data flow: editing fills it from a Person (data/persons); on "Uložit údaje" it checks
// the entry against the stored record names (data/personchoice): incomplete or
// unstorable entries are refused, replacing another person is asked. It hands back the
// entered Person and writes nothing.

#include <QDateTime>
#include <QDialog>

#include <string>
#include <vector>

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

    // The record names of the person file, and the one being edited (empty when adding):
    // confirming an entry that would replace another stored person asks first.
    void setStoredRecords(std::vector<std::string> names, std::string edited = {});

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

private:
    std::vector<std::string> m_stored;
    std::string m_edited;
};

} // namespace tarvenik
