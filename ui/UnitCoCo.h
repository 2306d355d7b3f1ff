#pragma once
// TFrmCoCo, the small chooser "which person?" that editing and deleting open first.
//
// Data flow: the caller hands it the entries, the question (its caption) and the caption
// of the confirming button; it answers with the chosen entry. Deleting asks once more.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace tarvenik {

inline constexpr const char* kAskEdit = "Co chcete upravit?";
inline constexpr const char* kAskDelete = "Co chcete smazat?";

class TFrmCoCo : public QDialog {
    Q_OBJECT
public:
    TFrmCoCo(QWidget* owner, const QStringList& entries, const QString& question,
             const QString& confirmCaption);

    QString chosen() const;

    QComboBox* ComBoxUdaje;
    QPushButton* Button1;
    QPushButton* Button2;

    void Button1Click();
};

} // namespace tarvenik
