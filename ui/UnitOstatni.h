#pragma once
// TFrmOstatni, the window of the small calculators: six tabs (name test, Fridays the 13th,
// lucky day, BMI, pet horoscopes, word oracle).
//
// Data flow: each tab collects its inputs and hands them to one pure function of core
// (loveTestPercent, fridayThe13ths, luckyDay, bmiOutcome, petSignTexts, drawOracleLines),
// then shows what comes back in a label, a list, a text area or a message box. The oracle
// reads the word file through data/oracle on every draw. The clock (today's date, the
// oracle's seed) is read only here.

#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace tarvenik {

class TabStrip;

class TFrmOstatni : public QDialog {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // An empty clock means the system's.
    TFrmOstatni(QWidget* parent, const QString& appFolder, Clock clock = {});

    TabStrip* PageControl1;
    QStackedWidget* PageControl1Pages;

    // "Má mě rád/a?"
    QLabel* Label1;
    QLabel* LblPrvniJmeno;
    QLineEdit* EditPrvni;
    QLabel* LblDruheJmeno;
    QLineEdit* EditDruhy;
    QPushButton* BtnSpocitej;
    QLabel* LblVysledek;
    QProgressBar* ProgressBar1;

    // "Pátek 13."
    QLabel* LblPatekInfo;
    QLabel* LblZacatek;
    QSpinBox* SpinEditZacatek;
    QLabel* LblKonec;
    QSpinBox* SpinEditKonec;
    QPushButton* BtnVyhledat;
    QListWidget* ListBoxSeznam;

    // "Šťastný den"
    QLabel* Label3;
    QComboBox* ComboBox1;
    QCheckBox* ChkBoxPartner;
    QLabel* Label4;
    QDateEdit* DateUzivatel;
    QLabel* Label5;
    QDateEdit* DatePartner;
    QLabel* Label6;
    QComboBox* ComboBoxCislo199;
    QLabel* Label7;
    QComboBox* ComboBoxZvire;
    QLabel* Label8;
    QPushButton* BtnUkazStastnyDen;

    // "BMI"
    QLabel* Label19;
    QLabel* Label20;
    QComboBox* BMIPohlavi;
    QLabel* Label21;
    QLineEdit* EditBMIVyska;
    QLabel* Label22;
    QLineEdit* EditBMIVaha;
    QLabel* LblBMIvysledek;
    QPushButton* BMIVypocet;

    // "Zvířecí horoskop"
    QLabel* Label16;
    QLabel* Label17;
    QPlainTextEdit* Memo1;
    QLabel* Label18;
    QComboBox* ComboBox6;
    QPushButton* Button3;

    // "Věštění"
    QLabel* LblVesteniInfo;
    QLabel* LblVesteniSlovaOd;
    QSpinBox* SpinEditVesteniOd;
    QLabel* LblVesteniSlovaDo;
    QSpinBox* SpinEditVesteniDo;
    QPlainTextEdit* MemoVesteni;
    QPushButton* BtnVesteniInfo;
    QPushButton* VtnVesteniVesti;

    void BtnSpocitejClick();
    void BtnVyhledatClick();
    void BtnUkazStastnyDenClick();
    void ChkBoxPartnerClick();
    void BMIVypocetClick();
    void Button3Click();
    void ComboBox6Change();
    void VtnVesteniVestiClick();
    void BtnVesteniInfoClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildLoveTab();
    QWidget* buildFridayTab();
    QWidget* buildLuckyTab();
    QWidget* buildBmiTab();
    QWidget* buildPetTab();
    QWidget* buildOracleTab();
    void FormCreate();
    void fillPetTypes();
    QDateTime now() const;

    QString m_appFolder;
    Clock m_clock;
    bool m_petSignStep = false;
    int m_petType = 0; // the type chosen when the sign step was entered
    unsigned m_draws = 0;
    bool m_centred = false;
};

} // namespace tarvenik
