#pragma once
// The dialog gateway of the tests (and of the screenshots tool): installs itself for its
// lifetime, records every call and answers from queues, so no real dialog ever blocks.

#include "ui/Dialogs.h"

#include <deque>
#include <vector>

namespace tarvenik::test {

// An empty file queue answers "cancelled", an empty Yes/No queue answers No.
class DialogRecorder : public Dialogs {
public:
    struct Call {
        QString kind; // "message", "askYesNo", "openFile", "saveFile", "openPicture",
                      // "print", "openAddress"
        MessageIcon icon = MessageIcon::None;
        QString caption; // the dialog's caption, or the print job's title
        QString text;    // message text, start folder, or the address
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

} // namespace tarvenik::test
