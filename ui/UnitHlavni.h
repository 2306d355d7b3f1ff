#pragma once
// TFrmHlavni, the main window: the only window while the program is idle.
//
// Data flow: at creation it takes the application folder and has data/userfiles choose the
// folder of the person and settings files; it asks data/namedays for today's holders and
// data/settings for the settings (NacteniNastaveni), and applies them: the
// background picture (decoded by platform/picture), the window's opacity. Its buttons and
// menus open every other window through one function each; the settings dialog acts back
// on it through SettingsTarget. Only this window reads the clock.

#include "data/settings.h"
#include "ui/UnitNastaveni.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>
#include <set>
#include <string>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;

namespace tarvenik {

class ElidedLabel;
class TFrmPripominky;

// " Dnes je úterý, 8.12.2026"
QString todayPanelText(const QDate& today);

class TFrmHlavni : public QMainWindow, public SettingsTarget {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // An empty folder means the folder of the executable; an empty clock the system's.
    explicit TFrmHlavni(const QString& appFolder = {}, Clock clock = {}, QWidget* parent = nullptr);

    // With a trailing '/'.
    const QString& appFolder() const override { return m_appFolder; }
    // Where Udaje.ini and Tarvenik.ini live: the application folder, or for a system
    // install the user's data folder.
    const QString& userFolder() const override { return m_userFolder; }
    const AppSettings& settings() const override { return m_settings; }
    QString panelText(int panel) const;

    // Reads Tarvenik.ini again and applies picture and opacity.
    void NacteniNastaveni() override;

    // Run once the window is shown: opens the reminder window when Tarvenik.ini asks for it
    // and somebody's birthday or name day is today.
    void PripominkyPriSpusteni();

    // What the settings dialog changes directly.
    void setOpacityEnabled(bool on) override;
    void setOpacityLevel(int level) override;
    bool opacityEnabled() const { return m_opacityOn; }
    int opacityLevel() const { return m_opacityLevel; }
    // Loads the picture named by a Cesta value (relative to the application folder) and
    // shows it; a failure is reported in an error box and leaves the picture hidden.
    bool showPicture(const QString& cesta) override;
    void hidePicture() override;

    // Controls, under their given names.
    QLabel* Image1;
    QPushButton* BtnVypocet;
    QPushButton* BtnJmena;
    QPushButton* BtnSvatky;
    QPushButton* BtnSny;
    QPushButton* BtnHoroskopy;
    QPushButton* BtnCitaty;
    QPushButton* BtnOstatni;
    QStatusBar* StatusBar1;
    QTimer* Timer1;

    QMenu* Menu1;
    QAction* Vypocet1;
    QMenu* Prehled1;
    QAction* Horoskopy1;
    QAction* Jmena1;
    QAction* Svatky1;
    QAction* Pripominky1;
    QAction* Sny1;
    QAction* Citaty1;
    QAction* Ostatni1;
    QAction* ImportVCard1;
    QAction* ExportVCard1;
    QAction* Help1; // "Nastavení..."
    QAction* Konec1;
    QMenu* Napoveda1;
    QMenu* Internet1;
    QAction* Domovskstrnka1;
    QAction* Zjistitnovouverzi1;
    QAction* Literatura1;
    QAction* Historie1;
    QAction* Licence1;
    QAction* About1;

    void BtnVypocetClick();
    void BtnJmenaClick();
    void BtnSvatkyClick();
    void BtnSnyClick();
    void BtnHoroskopyCick();
    void BtnBlbostiClick();
    void BtnCitatyClick();
    void Pripominky1Click();
    void ImportVCard1Click();
    void ExportVCard1Click();
    void Help1Click();
    void Konec1Click();
    void Domovskstrnka1Click();
    void Zjistitnovouverzi1Click();
    void Literatura1Click();
    void Historie1Click();
    void Licence1Click();
    void About1Click();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyAvailability();
    void fillStatusBar();
    QDateTime now() const;

    // The windows later parts of the program bring; each returns nullptr while it is not
    // built, and its button and menu entry stay disabled until then.
    QDialog* createUdaje();
    QDialog* createVypis(QDialog* udaje);
    QDialog* createJmena();
    QDialog* createSvatky();
    QDialog* createSny();
    QDialog* createHoroskopy();
    QDialog* createOstatni();
    QDialog* createAktualizace();
    QDialog* createOProgramu();
    TFrmPripominky* createPripominky();

    // Feature windows hide the main window while they run; dialogs open over it.
    void runFeatureWindow(QDialog* window);
    void runDialog(QDialog* dialog);
    void showHelpText(const char* fileName, const QString& caption);

    // A picture the user chose is reported whenever it fails; the one named by the settings
    // file only once per path and run, since every reload of the settings loads it again.
    enum class PictureReport { Always, OncePerPath };
    bool applyPicture(const QString& cesta, PictureReport report);

    QString m_appFolder;
    QString m_userFolder;
    Clock m_clock;
    AppSettings m_settings;
    QString m_nameDays;
    bool m_opacityOn = false;
    int m_opacityLevel = 255;
    bool m_centred = false;
    QLabel* m_panels[3] = {};
    ElidedLabel* m_nameDayPanel = nullptr; // panel 2
    std::set<std::string> m_reportedPictures;
};

} // namespace tarvenik
