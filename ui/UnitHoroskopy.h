#pragma once
// TFrmHoroskopy, the horoscope catalogue: any horoscope text of the data folder, by
// system, sign and tab, without a report.
//
// Data flow: at creation the system list is filled from data/horoscopes (every system
// folder, in Czech order). Choosing a system opens it through data/horoscopecatalogue (its
// sign list and tabs); choosing a sign or a tab names the text file, which is read as RTF
// and shown as it is. The text can be printed and saved as RTF.

#include "data/horoscopecatalogue.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tarvenik {

class RichView;
class TabStrip;

class TFrmHoroskopy : public QDialog {
    Q_OBJECT
public:
    TFrmHoroskopy(QWidget* parent, const QString& appFolder);

    QLabel* LblHoroskop;
    QComboBox* ComboBoxHoroskop; // the systems
    QLabel* LblZnameni;
    QComboBox* ComboBoxZnameni; // the chosen system's signs
    QPushButton* BtnTisk;
    QPushButton* BtnUlozit;
    TabStrip* TabControl1;
    RichView* RichEdit1;

    void ComboBoxHoroskopChange(int index);
    void ComboBoxZnameniChange(int index);
    void TabControl1Change(int index);
    void BtnTiskClick();
    void BtnUlozitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void setTabs(const std::vector<std::string>& captions);
    // Clears the view and shows the chosen sign's text, if a sign is chosen.
    void showText();

    QString m_appFolder;
    HoroscopeCatalogue m_catalogue;
    bool m_fillingTabs = false;
    bool m_centred = false;
};

} // namespace tarvenik
