#pragma once
// TFrmText, the plain viewer of the help texts (literature, history, licence).
//
// Data flow: the main window sets the caption and hands it a file; the viewer reads the
// Windows-1250 lines (platform/text) and shows them read-only, wrapped.

#include "platform/result.h"

#include <QDialog>

class QPlainTextEdit;

namespace tarvenik {

class TFrmText : public QDialog {
    Q_OBJECT
public:
    explicit TFrmText(QWidget* parent = nullptr);

    // Replaces the text with the file's lines; a file above kMaxShownTextBytes is refused.
    Result<void> loadFile(const QString& path);

    QPlainTextEdit* Memo1;
};

} // namespace tarvenik
