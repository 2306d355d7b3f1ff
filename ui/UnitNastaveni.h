#pragma once
// TFrmNastaveni, the settings dialog.
//
// Data flow: at creation it asks the main window to reload Tarvenik.ini
// (NacteniNastaveni) and shows the loaded AppSettings; every change acts on the main
// window at once (opacity switch and level, background picture). Every close saves the
// six values through data/settings, in their fixed order.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QScrollBar;

namespace tarvenik {

class TFrmHlavni;
struct AppSettings;

// Filters of the picture dialog: each shows its caption, the patterns after it stay hidden.
QStringList pictureDialogFilters();

class TFrmNastaveni : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNastaveni(TFrmHlavni* main);

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

    TFrmHlavni* m_main;
    QString m_pendingPath;
    bool m_initialised = false;
};

} // namespace tarvenik
