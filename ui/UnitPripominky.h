#pragma once
// TFrmPripominky, the reminder window: whose birthday or name day is coming.
//
// Data flow: at creation it reads the persons of Udaje.ini (in the user folder) with their
// name days from Svatky.ini (in the application folder) once (data/reminders); the number field
// picks how many days, starting today, upcomingDays covers, and the table shows its rows, today's
// in bold. The check box writes [Pripominky] Pripominky of Tarvenik.ini at once; the main window
// reads it at start-up.

#include "data/reminders.h"

#include <QDate>
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarvenik {

class TFrmPripominky : public QDialog {
    Q_OBJECT
public:
    TFrmPripominky(QWidget* parent, const QString& appFolder, const QString& userFolder,
                   QDate today);

    // Somebody's birthday or name day is today.
    bool hasToday() const;

    QSpinBox* SpinDny;
    QTableWidget* GridPripominky;
    QLabel* LblPoznamka;
    QCheckBox* ChkBoxPriSpusteni;
    QPushButton* BtnZavrit;

    void SpinDnyChange();
    void ChkBoxPriSpusteniClick();

private:
    void buildControls();

    QString m_appFolder;
    QString m_userFolder;
    DateTime m_today;
    RemindedPersons m_persons;
};

} // namespace tarvenik
