#pragma once
// The rich-text view every text window shows its texts in.
//
// Data flow: a window builds or loads a RichDoc (platform/rich, platform/rtfreader), edits
// it with the paragraph functions there and hands it to setRichDoc, which lays it into the
// QTextEdit's document with block and character formats. richDoc() reads the shown content
// back (with the user's edits where the view is editable); save() writes that through the
// RTF writer, savePdf() through a PDF printer, and print() lays it out on a printer. The
// print dialog stays with the window; saveShownText is the one "Uložit jako" every window
// offers for its view.

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
    // Writes the content as an A4 PDF file with its fonts embedded, all or nothing;
    // `title` goes into the document's properties.
    Result<void> savePdf(const std::filesystem::path& path, const QString& title) const;
    // Prints the content; the caller sets up the printer (job title, output file).
    void print(QPrinter& printer) const;
    // True when the view holds no text at all (not even an empty line break).
    bool isEmpty() const;
};

// The filters of every save dialog of a shown text: RTF, the default, then PDF.
QStringList shownTextFilters();

// "Uložit jako" for a window's text view: asks for a file, writes the content as RTF or,
// for a ".pdf" name, as PDF, and reports a failure. The dialog starts in saveFolderOf
// (ui/Dialogs), offering `fileName` (without a suffix: the chosen file type adds it).
// Nothing happens while the view is empty.
void saveShownText(QWidget* parent, const RichView& view, const QString& appFolder,
                   const QString& fileName = {});

} // namespace tarvenik
