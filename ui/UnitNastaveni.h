#pragma once
// TFrmNastaveni, the settings dialog.
//
// Data flow: at creation it asks its target, the main window, to reload Tarvenik.ini
// (NacteniNastaveni) and shows the loaded AppSettings; every change acts on the target at
// once (opacity switch and level, background picture). Every close saves the six values
// through data/settings, in their fixed order.

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QScrollBar;

namespace tarvenik {

struct AppSettings;

// What the settings dialog reads from and changes on the window it is opened for.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;

    // The application folder, with a trailing '/': a background picture's path is stored
    // relative to it.
    virtual const QString& appFolder() const = 0;
    // The folder of Tarvenik.ini.
    virtual const QString& userFolder() const = 0;
    // Reads Tarvenik.ini again and applies it; settings() then holds what was read.
    virtual void NacteniNastaveni() = 0;
    virtual const AppSettings& settings() const = 0;

    virtual void setOpacityEnabled(bool on) = 0;
    virtual void setOpacityLevel(int level) = 0;
    // Shows the picture of a Cesta value; false (and the failure reported) when it cannot.
    virtual bool showPicture(const QString& cesta) = 0;
    virtual void hidePicture() = 0;
};

// Filters of the picture dialog: each shows its caption, the patterns after it stay hidden.
QStringList pictureDialogFilters();

class TFrmNastaveni : public QDialog {
    Q_OBJECT
public:
    TFrmNastaveni(QWidget* parent, SettingsTarget& target);

    QGroupBox* GrpBoxNastaveni;
    QCheckBox* ChkPartner;
    QCheckBox* ChkBoxPamatovat;
    QGroupBox* GrpBoxPruhlednost;
    QCheckBox* ChkBoxPruhlednost;
    QScrollBar* ScrollBarPruhlednost;
    QCheckBox* ChkBoxObrazek;
    QPushButton* BtnOK;

    // The picture path that the next save writes as Cesta.
    const QString& pendingPicturePath() const { return m_pendingPath; }

    void BtnOKClick();
    void ChkBoxPamatovatClick();
    void ChkBoxPruhlednostClick();
    void ScrollBarPruhlednostChange();
    void ChkBoxObrazekClick();

    // Every close, by "Uložit", the close box or Esc, ends here and saves.
    void done(int result) override;

private:
    void buildControls();
    AppSettings values() const;
    bool save();

    SettingsTarget& m_target;
    QString m_pendingPath;
    bool m_initialised = false;
};

} // namespace tarvenik
