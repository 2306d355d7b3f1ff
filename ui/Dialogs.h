#pragma once
// The one gateway from the windows to the system's dialogs: message boxes, open, save,
// picture and print dialogs, and asking the system to open an address. Windows call
// Dialogs::current(); tests install a recorder (tests/support) that records every call and
// answers from a queue, so no real dialog ever blocks a test.

#include "platform/result.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>

class QPrinter;
class QWidget;

namespace tarvenik {

struct Picture;

// A decoded picture as Qt's image, for showing it.
QImage imageOf(const Picture& picture);

// The folder a save dialog starts in: the application folder of a portable copy, the home
// folder where a system install cannot be written.
QString saveFolderOf(const QString& appFolder);

// The suffix a save dialog gives a name typed without one: "rtf" for "*.rtf (*.rtf)" and
// for "*.rtf", the filter as the dialog shows it; none for a filter of several patterns.
QString defaultSuffixOf(const QString& filter);

enum class MessageIcon { None, Information, Warning, Error, Question };

// What the program was doing with the file when it failed.
enum class FileAccess {
    Read,
    Write,
    Update, // more than one step or file: read, change and write (an import, an export)
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The gateway in use: the system's dialogs unless a test installed another one.
    static Dialogs& current();
    // Installs `dialogs` (not owned; nullptr restores the system's) and returns the former.
    static Dialogs* install(Dialogs* dialogs);

    virtual void message(QWidget* parent, MessageIcon icon, const QString& caption,
                         const QString& text) = 0;
    // True for Yes.
    virtual bool askYesNo(QWidget* parent, MessageIcon icon, const QString& caption,
                          const QString& text) = 0;
    // The chosen file's full path, empty when cancelled. Filters in Qt's form, e.g.
    // "Texty (*.txt)"; details in the last parentheses are not shown.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QStringList& filters) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QStringList& filters) = 0;
    // An existing picture file, with a preview; empty when cancelled.
    virtual QString openPicture(QWidget* parent, const QString& folder,
                                const QStringList& filters) = 0;
    // True when the user confirmed printing on `printer`.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    virtual bool openAddress(const QUrl& address) = 0;

    // The message forms the windows use. A plain message has the application's title as
    // caption, one OK button and no icon.
    void plain(QWidget* parent, const QString& text);
    void information(QWidget* parent, const QString& caption, const QString& text);
    void warning(QWidget* parent, const QString& caption, const QString& text);
    void error(QWidget* parent, const QString& caption, const QString& text);

    // The general report of a failed file operation: an error box captioned "Chyba" that
    // names the file and the reason ("Soubor X nelze přečíst: reason", "... nelze uložit:
    // reason", "... nelze zpracovat: reason", "Soubor X nebyl nalezen."). `lead`, a message
    // the window was given for this failure, stands on the line before it.
    void fileError(QWidget* parent, const Error& error, FileAccess access = FileAccess::Read,
                   const QString& lead = {});
};

} // namespace tarvenik
