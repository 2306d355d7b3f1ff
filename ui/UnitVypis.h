#pragma once
// TFrmVypis, the report window: everything computed for one person and an optional partner.
//
// Data flow: at creation it has the report layer load both persons with their name days,
// name records and numerology numbers (report/reportpeople) and compute the horoscope set
// and span anchors, reports the problems met and shows the header. Its pages then collect
// the request (a button, a label, the chosen dates), ask report/ or core/ for the result
// and write it into the one shared rich-text view: horoscope texts and tabs
// (report/horoscopeview), numerology texts (report/numerologyview), biorhythm lines and
// time spans (report/reportdocs); the biorhythm page also hands its range to its chart
// (ui/BioChart). Only this window reads the clock.

#include "core/timespan.h"
#include "report/report.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QDateEdit;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimeEdit;
class QTimer;
class QWidget;

namespace tarvenik {

class BioChart;
class RichView;
class TabStrip;

class TFrmVypis : public QDialog {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // The result the window ends with to ask for a new calculation.
    static constexpr int kResultRetry = 4;
    // How long the wait window stays at least, so that it is seen; tests pass zero.
    static constexpr std::chrono::milliseconds kWaitPause{333};

    // The texts come from `appFolder`, the two persons from Udaje.ini in `userFolder`.
    TFrmVypis(QWidget* parent, const QString& appFolder, const QString& userFolder,
              const QString& userRecord, const QString& partnerRecord, bool partner,
              Clock clock = {}, std::chrono::milliseconds waitPause = kWaitPause);
    ~TFrmVypis() override;

    const ReportPerson& user() const { return m_people.user; }
    const ReportPerson& partner() const { return m_people.partner; }
    bool hasPartner() const { return m_people.hasPartner; }
    const HoroscopeComputation& horoscopes() const { return m_horoscopes; }
    const DisplaySelection& selection() const { return m_selection; }

    // Header and pages.
    QPushButton* BtnNastaveni;
    QGroupBox* GrpBoxTvoje;
    QLabel* icouzivatel;
    QLabel* LblJmeno;
    QGroupBox* GrpBoxPartner;
    QLabel* icopartner;
    QLabel* LblJmeno2;
    QLabel* obrmuz;
    QLabel* obrzena;
    QTabWidget* PageControl1;
    QWidget* TabSheetHoroskopy;
    QWidget* TabSheetNumerologie;
    QWidget* TabSheetBiorytmy;
    QWidget* TabSheetJakDlouho;
    TabStrip* TabControl1;
    RichView* RichEdit1;
    QMenu* PopupMenu1;
    QTimer* Timer1;

    // Horoscope page: the 13 buttons of the person, their 13 "Partner" twins, the three
    // partner horoscopes and the 15 information buttons.
    QTabWidget* HoroskopyStranky;
    QPushButton *BtnSlunecni, *BtnAscendent, *BtnMesicni, *BtnCinsky, *BtnCisarsky, *BtnKeltsky,
        *BtnEgyptsky, *BtnCyklicky, *BtnIndiansky, *BtnAztecky, *BtnIndicky, *BtnCikansky,
        *BtnPravdivy;
    QPushButton *BtnSlunecni2, *BtnAscendent2, *BtnMesicni2, *BtnCinsky2, *BtnCisarsky2,
        *BtnKeltsky2, *BtnEgyptsky2, *BtnCyklicky2, *BtnIndiansky2, *BtnAztecky2, *BtnIndicky2,
        *BtnCikansky2, *BtnPravdivy2;
    QPushButton *BtnSlunecniPartnersky, *BtnCinskyPartnersky, *BtnJaponskyPartnersky;
    QPushButton *BtnInfoSlunecni, *BtnInfoSlunecniPartnersky, *BtnInfoAscendent, *BtnInfoMesicni,
        *BtnInfoCinsky, *BtnInfoCinskyPartnersky, *BtnInfoCisarsky, *BtnInfoKeltsky,
        *BtnInfoEgyptsky, *BtnInfoCyklycky, *BtnInfoIndiansky, *BtnInfoAztecky, *BtnInfoIndicky,
        *BtnInfoCikansky, *BtnInfoJaponskyPartnersky;

    // Numerology page.
    QGroupBox* GroupBox5;
    QRadioButton* RadBtnNumeroUzivatel;
    QRadioButton* RadBtnNumeroPartner;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    QSpinBox* SpinEditVyhled;
    QLabel *LblZivDraha, *LblOsud, *LblVyzNav, *LblOsRok;
    QLabel *Label2, *LblV1, *LblV2, *LblV3, *LblV4;
    QLabel *Label3, *LblP1, *LblP2, *LblP3, *LblP4;
    QLineEdit *EdZivDraha, *EdOsud, *EdVyzNav, *EdOsRok, *EdV1, *EdV2, *EdV3, *EdV4, *EdP1, *EdP2,
        *EdP3, *EdP4;

    // Biorhythm page.
    QGroupBox* GrpBoxBioUdaje;
    QRadioButton* RadBtnBiorytmyUzivatel;
    QRadioButton* RadBtnBiorytmyPartner;
    QGroupBox* GrpBoxBioOdDo;
    QDateTimeEdit* BiorytmyOdDate;
    QDateTimeEdit* BiorytmyDoDate;
    QPushButton* BtnBiorytmyPocitat;
    QPushButton* BtnBiorytmyInfo;
    BioChart* ChartBiorytmy; // the listed days as curves, under the buttons

    // Time-span page.
    QGroupBox* GrpBoxUdaje;
    QRadioButton *RadBtnTvoje, *RadBtnPartner, *RadBtnVlastni;
    QGroupBox* GrpBoxPocitat;
    QRadioButton *RadBtnZivot, *RadBtnDalsiNarozeniny, *RadBtnDalsiSvatek, *RadBtnMinuleNarozeniny,
        *RadBtnMinulySvatek, *RadBtnRozdil;
    QGroupBox* GrpBoxVlastni;
    QRadioButton *RadBtnOd, *RadBtnDo, *RadBtnMezi;
    QDateEdit *DateOd, *DateDo;
    QTimeEdit *TimeOd, *TimeDo;
    QLineEdit* EditPocCo;
    QGroupBox* GrpBoxJakDlouho;
    QLineEdit *LblEditLet, *LblEditMesicu, *LblEditTydnu, *LblEditDnu, *LblEditHodin, *LblEditMinut,
        *LblEditSekund;
    QLineEdit* EditCelkove;

    // Handlers under their given names.
    void HorKlik(QPushButton* button);
    void InfKlik(QPushButton* button);
    void zobraz_horoskopy();
    void TabControl1Change();
    void LblJmenoClick(bool partner);
    void PageControl1Change();
    void Ulozit1Click();
    void Tisk1Click();
    void RadBtnNumeroClick();
    void SpinEditVyhledChange();
    void NumKlik(QLabel* label);
    void BtnBiorytmyPocitatClick();
    void BtnBiorytmyInfoClick();
    void RadBtnClovekClick();
    void blee();
    void JakDlouho();
    void JakDlouhoVypis();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildHoroscopePage();
    QWidget* buildNumerologyPage();
    QWidget* buildBiorhythmPage();
    QWidget* buildTimeSpanPage();
    void nastav_promene();
    void applyFormShow();
    void makeHoverLabel(QLabel* label);
    void reportProblems(const std::vector<ReportProblem>& problems);

    void showDoc(const RichDoc& doc, bool wordWrap = true);
    void showHoroscopeText(const HoroscopeText& text);
    void setTabs(const std::vector<std::string>& captions);
    const ReportPerson& chosen(bool partner) const {
        return m_people.of(partner ? Side::Partner : Side::User);
    }
    bool spanPartnerSelected() const;
    SpanChoice spanChoice() const;
    SpanContext spanContext() const;
    QDateTime now() const;

    QString m_appFolder;
    QString m_userFolder;
    Clock m_clock;
    ReportPeople m_people;
    QString m_userRecord, m_partnerRecord;
    HoroscopeComputation m_horoscopes;
    DisplaySelection m_selection;
    NumerologyNumbers m_shown;
    int m_outlookYear = 0;
    std::string m_customText;
    bool m_fillingTabs = false;

    struct HoroscopeButton {
        QPushButton* button;
        HoroscopeSystem system;
        Side side;
    };
    std::vector<HoroscopeButton> m_horoscopeButtons;
    std::vector<std::pair<QLabel*, NumerologyNumber>> m_numberLabels;
};

} // namespace tarvenik
