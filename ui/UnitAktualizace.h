#pragma once
// TFrmAktualizace, the update check: a frameless window with a list of progress lines.
//
// Data flow: "Zkontrolovat" asks ui/VersionFetch whether the system is online and for the
// bytes of the version information file, hands them to data/versioninfo and lists the
// lines that returns. When a newer release exists, the same button opens its download
// address through ui/Dialogs.

#include "ui/VersionFetch.h"

#include <QDialog>

#include <functional>

class QFrame;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvenik {

// Where the window looks; tests point it at a server of their own.
struct UpdateSource {
    QString site;       // empty: the program's web site
    QString tempFolder; // empty: the system's temporary folder
    std::chrono::milliseconds timeout = kVersionFetchTimeout;
    std::function<bool()> connected = internetConnected;
};

class TFrmAktualizace : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAktualizace(QWidget* parent = nullptr, UpdateSource source = {});

    QListWidget* LBInfo;
    QPushButton* BtnAktual;
    QPushButton* BtnZavrit;
    QFrame* Bevel1;

    // Checks while no newer release is known, afterwards opens its download address.
    void BtnAktualClick();
    bool busy() const { return m_busy; }

    // Not while the download runs: the window waits for it.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();
    void check();
    Result<std::string> fetchWithInputBlocked();
    QListWidgetItem* addLine(const QString& line);

    UpdateSource m_source;
    QString m_downloadAddress;
    bool m_busy = false;
};

} // namespace tarvenik
