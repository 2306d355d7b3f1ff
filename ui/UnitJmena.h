#pragma once
// TFrmJmena, the names dictionary: a letter's names, a name's card, and the search window
// and filter dialog that narrow the list.
//
// Data flow: a letter click asks data/namesearch for the letter's records (through the
// filter dialog's settings while "filtr" is ticked) and lists them, the count label
// climbing record by record; a search from TFrmVyhledavani runs hledej and lists its
// result the same way. The n-th line of the names list belongs to the n-th stored record;
// a click shows its card (data/namecard) in the rich-text view, which prints and saves.
// The search window and the filter dialog are created hidden with this window and die
// with it, so their settings last exactly as long.

#include "data/namesearch.h"

#include <QDialog>
#include <QString>

#include <chrono>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tarvenik {

class RichView;
class TFrmFiltr;
class TFrmVyhledavani;

class TFrmJmena : public QDialog {
    Q_OBJECT
public:
    // How often the count label is repainted while a letter fills the list: once a frame
    // is as often as anyone can see it climb.
    static constexpr std::chrono::milliseconds kCountRepaint{16};

    // Tests pass zero for a repaint after every record.
    TFrmJmena(QWidget* parent, const QString& appFolder,
              std::chrono::milliseconds countRepaint = kCountRepaint);

    // The records behind the names list, line for line.
    const std::vector<NameRecord>& records() const { return m_records; }

    QListWidget* ListBoxPismena;
    QListWidget* ListBoxNazvy;
    RichView* RichEdit1;
    QLabel* LblPocetNalezenych;
    QCheckBox* ChkBoxFiltr;
    QPushButton* BtnFiltr;
    QPushButton* BtnHledej;
    QPushButton* BtnTisk;
    QPushButton* BtnUlozit;

    TFrmVyhledavani* FrmVyhledavani;
    TFrmFiltr* FrmFiltr;

    void ListBoxPismenaClick();
    void ListBoxNazvyClick();
    void ChkBoxFiltrClick();
    void BtnFiltrClick();
    void BtnHledejClick();
    void BtnTiskClick();
    void BtnUlozitClick();
    // Lists what the search window asked for.
    void hledej(const NameSearch& search);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void clearList();
    // The list, the card and the letter start over: the filter changed.
    void startOver();

    QString m_appFolder;
    std::chrono::milliseconds m_countRepaint;
    std::vector<NameRecord> m_records;
    QString m_cardName; // the default file name for saving the card
    int m_letterBeforePress = -1;
};

} // namespace tarvenik
