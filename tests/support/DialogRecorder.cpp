#include "tests/support/DialogRecorder.h"

#include <QPrinter>

namespace tarvenik::test {

DialogRecorder::DialogRecorder() : m_previous(Dialogs::install(this)) {}
DialogRecorder::~DialogRecorder() {
    Dialogs::install(m_previous);
}

std::vector<DialogRecorder::Call> DialogRecorder::callsOf(const QString& kind) const {
    std::vector<Call> out;
    for (const Call& c : calls) {
        if (c.kind == kind) {
            out.push_back(c);
        }
    }
    return out;
}

QString DialogRecorder::nextFile() {
    if (fileAnswers.empty()) {
        return {};
    }
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void DialogRecorder::message(QWidget*, MessageIcon icon, const QString& caption,
                             const QString& text) {
    calls.push_back({QStringLiteral("message"), icon, caption, text, {}});
}

bool DialogRecorder::askYesNo(QWidget*, MessageIcon icon, const QString& caption,
                              const QString& text) {
    calls.push_back({QStringLiteral("askYesNo"), icon, caption, text, {}});
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString DialogRecorder::openFile(QWidget*, const QString& caption, const QString& folder,
                                 const QStringList& filters) {
    calls.push_back({QStringLiteral("openFile"), MessageIcon::None, caption, folder, filters});
    return nextFile();
}

QString DialogRecorder::saveFile(QWidget*, const QString& caption, const QString& folder,
                                 const QStringList& filters) {
    calls.push_back({QStringLiteral("saveFile"), MessageIcon::None, caption, folder, filters});
    return nextFile();
}

QString DialogRecorder::openPicture(QWidget*, const QString& folder, const QStringList& filters) {
    calls.push_back({QStringLiteral("openPicture"), MessageIcon::None, {}, folder, filters});
    return nextFile();
}

bool DialogRecorder::print(QWidget*, QPrinter& printer) {
    calls.push_back({QStringLiteral("print"), MessageIcon::None, printer.docName(), {}, {}});
    return printAnswer;
}

bool DialogRecorder::openAddress(const QUrl& address) {
    calls.push_back({QStringLiteral("openAddress"), MessageIcon::None, {}, address.toString(), {}});
    return true;
}

} // namespace tarvenik::test
