#pragma once
// TFrmSny, the dream dictionary: the entries of one letter, or of a search over all
// letters, and the card of the entry chosen.
//
// Data flow: a letter click asks data/dreams for that letter's entries (loadDreamLetter);
// the search window it owns hands back a DreamSearch, which Hledej runs over all letters.
// Either result replaces the entry list and the store behind it, line for line, and sets
// the count label; a file that cannot be read is reported and changes nothing. A title
// click shows data/dreamcard's card in the editable view, which prints and saves as it
// stands.

#include "data/dreams.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tarvenik {

class RichView;
class TFrmVyhledavaniSny;

class TFrmSny : public QDialog {
    Q_OBJECT
public:
    TFrmSny(QWidget* parent, const QString& appFolder);

    // The entries behind the list's lines, in list order.
    const std::vector<DreamEntry>& entries() const { return m_entries; }
    // What the save dialog offers: the stored title of the card last shown.
    const QString& defaultFileName() const { return m_fileName; }

    QListWidget* ListBoxPismena;
    QListWidget* ListBoxNazvy;
    RichView* RichEdit1;
    QLabel* LblPocetNalezenych;
    QPushButton* BtnHledej;
    QPushButton* BtnTisk;
    QPushButton* BtnUlozit;
    TFrmVyhledavaniSny* FrmVyhledavaniSny;

    void ListBoxPismenaClick();
    void ListBoxNazvyClick();
    void BtnHledejClick();
    void BtnTiskClick();
    void BtnUlozitClick();
    // Runs a search over all letters and lists the entries found.
    void Hledej(const DreamSearch& search);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void showEntries(std::vector<DreamEntry> entries);

    QString m_appFolder;
    std::vector<DreamEntry> m_entries;
    QString m_fileName;
    bool m_centred = false;
};

} // namespace tarvenik
