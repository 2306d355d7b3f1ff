#pragma once
// TFrmSvatky, the name-day browser: the standard or the extended calendar as a table of
// date keys and names, narrowed by a name or a date.
//
// Data flow: each button press takes the calendar chosen by "Použít rozšířené svátky" at
// that moment, reads it afresh through data/namedays (every entry, or the entries whose
// names or date key match the text under the two option boxes) and shows the rows and
// their count. A missing calendar leaves the table as it was.

#include "data/namedays.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace tarvenik {

class TFrmSvatky : public QDialog {
    Q_OBJECT
public:
    TFrmSvatky(QWidget* parent, const QString& appFolder);

    QTableWidget* ListViewSvatky; // "Datum", "Svátek"
    QLineEdit* EditJmeno;
    QPushButton* BtnJmeno;
    QLineEdit* EDitDatum;
    QPushButton* BtnDatum;
    QPushButton* BtnVse;
    QCheckBox* ChkBoxRozsirene;
    QCheckBox* ChkBoxVelkaMala;
    QCheckBox* ChkBoxPresne;
    QStatusBar* StatusBar1;
    QLabel* LblNalezeno; // the status bar's one panel

    void BtnJmenoClick();
    void BtnDatumClick();
    void BtnVseClick();
    void ListViewSvatkySelectItem();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Every entry of the current calendar, or those matching `text` in `field`.
    void hledej(std::optional<NameDayField> field, const QString& text);
    void showEntries(const std::vector<NameDayEntry>& entries);

    QString m_appFolder;
    bool m_centred = false;
};

} // namespace tarvenik
