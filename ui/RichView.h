#pragma once
// The rich-text view every text window shows its texts in.
//
// Data flow: a window builds or loads a RichDoc (platform/rich, platform/rtfreader), edits
// it with the paragraph functions there and hands it to setRichDoc, which lays it into the
// QTextEdit's document with block and character formats. richDoc() reads the shown content
// back (with the user's edits where the view is editable); save() writes that through the
// RTF writer and print() lays it out on a printer. Dialogs (save, print) stay with the
// window: the view takes the chosen path or printer.

#include "platform/result.h"
#include "platform/rich.h"

#include <QTextEdit>

#include <filesystem>

class QPrinter;

namespace tarvenik {

class RichView : public QTextEdit {
    Q_OBJECT
public:
    explicit RichView(QWidget* parent = nullptr);

    // Replaces the content with `doc`; the scroll position goes back to the top.
    void setRichDoc(const RichDoc& doc);
    // The content as shown, normalised.
    RichDoc richDoc() const;

    // Empties the view and turns word wrap on (plain 10 pt is the RichDoc default style).
    void vycistirichedit();

    // Off: each paragraph is one line and the view scrolls horizontally.
    void setWordWrap(bool on);
    bool wordWrap() const;

    void setScrollBars(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical);

    // Writes the content as an RTF file, all or nothing.
    Result<void> save(const std::filesystem::path& path) const;
    // Prints the content; the caller sets up the printer (job title, output file).
    void print(QPrinter& printer) const;
    // True when the view holds no text at all (not even an empty line break).
    bool isEmpty() const;
};

} // namespace tarvenik
