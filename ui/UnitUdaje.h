#pragma once
// TFrmUdaje, the person selection dialog that opens every calculation.
//
// Data flow: lists the record names of Udaje.ini (data/persons), sorted the Czech way;
// restores the remembered choice from Tarvenik.ini (data/settings, data/personchoice)
// when the loaded settings say so; adds, edits and deletes persons through TFrmPridat and
// TFrmCoCo. On OK the report window reads the chosen record names and the partner option.

#include "data/settings.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tarvenik {

// Record names in Czech alphabetical order ("Čech" after "Cyril").
void sortCzech(QStringList& names);

class TFrmUdaje : public QDialog {
    Q_OBJECT
public:
    using SettingsSource = std::function<const AppSettings&()>;
    using Clock = std::function<QDateTime()>;

    // `userFolder` holds Udaje.ini and Tarvenik.ini. `settings` gives the main window's
    // loaded settings at the moment of asking, so the confirmation sees a reload that
    // happened after this dialog was created.
    TFrmUdaje(QWidget* parent, const QString& userFolder, SettingsSource settings, Clock clock);

    QString userRecordName() const;
    QString partnerRecordName() const;
    bool partnerChosen() const;

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QComboBox* ComBoxUdaje;
    QCheckBox* ChkBoxPartner;
    QComboBox* ComBoxUdaje2;
    QPushButton* BtnPridat;
    QPushButton* BtnUpravit;
    QPushButton* BtnSmazat;
    QPushButton* BtnOK;
    QPushButton* BtnZrusit;

    void NactiPamatovat();
    void ChkBoxPartnerClick();
    void BtnOKClick();
    void BtnPridatClick();
    void BtnUpravitClick();
    void BtnSmazatClick();

private:
    void buildControls();
    void refreshLists();
    QStringList m_names;
    QString m_userFolder;
    SettingsSource m_settings;
    Clock m_clock;
};

} // namespace tarvenik
