#pragma once
// The one gateway from the windows to the system's dialogs: message boxes, open, save,
// picture and print dialogs, and asking the system to open an address. Windows call
// Dialogs::current(); tests install a DialogRecorder that records every call and answers
// from a queue, so no real dialog ever blocks a test.

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <vector>

class QPrinter;
class QWidget;

namespace tarvenik {

struct Picture;

// A decoded picture as Qt's image, for showing it.
QImage imageOf(const Picture& picture);

enum class MessageIcon { None, Information, Warning, Error, Question };

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
};

// Installs itself for its lifetime; records each call and answers from the queues
// (an empty file queue answers "cancelled", an empty Yes/No queue answers No).
class DialogRecorder : public Dialogs {
public:
    struct Call {
        QString kind; // "message", "askYesNo", "openFile", "saveFile", "openPicture",
                      // "print", "openAddress"
        MessageIcon icon = MessageIcon::None;
        QString caption;
        QString text; // message text, start folder, or the address
        QStringList filters;
    };

    DialogRecorder();
    ~DialogRecorder() override;
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    std::vector<Call> calls;
    std::deque<QString> fileAnswers;
    std::deque<bool> yesNoAnswers;
    bool printAnswer = false;

    std::vector<Call> callsOf(const QString& kind) const;

    void message(QWidget*, MessageIcon icon, const QString& caption, const QString& text) override;
    bool askYesNo(QWidget*, MessageIcon icon, const QString& caption, const QString& text) override;
    QString openFile(QWidget*, const QString& caption, const QString& folder,
                     const QStringList& filters) override;
    QString saveFile(QWidget*, const QString& caption, const QString& folder,
                     const QStringList& filters) override;
    QString openPicture(QWidget*, const QString& folder, const QStringList& filters) override;
    bool print(QWidget*, QPrinter& printer) override;
    bool openAddress(const QUrl& address) override;

private:
    QString nextFile();
    Dialogs* m_previous = nullptr;
};

} // namespace tarvenik
