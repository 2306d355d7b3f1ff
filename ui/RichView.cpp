#include "ui/RichView.h"

#include "data/savedtext.h"
#include "platform/atomicfile.h"
#include "platform/rtfwriter.h"
#include "ui/Dialogs.h"
#include "ui/qtext.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace tarvenik {

namespace {

// The family name exactly as the RichDoc gave it; the format's own family list carries
// the fall-backs as well.
constexpr int kFontNameProperty = QTextFormat::UserProperty + 1;

// Texts name Windows fonts; where one is missing a sans face of the system stands in.
QStringList familiesFor(const std::string& font) {
    QStringList families;
    if (!font.empty()) {
        families << toQ(font);
    }
    families << QStringLiteral("Arial") << QStringLiteral("Liberation Sans")
             << QStringLiteral("DejaVu Sans");
    return families;
}

QTextCharFormat charFormat(const CharStyle& s) {
    QTextCharFormat f;
    f.setFontFamilies(familiesFor(s.font));
    f.setFontStyleHint(QFont::SansSerif);
    f.setProperty(kFontNameProperty, toQ(s.font));
    f.setFontPointSize(s.points());
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    if (s.color) {
        f.setForeground(QColor(s.color->r, s.color->g, s.color->b));
    }
    return f;
}

CharStyle styleOf(const QTextCharFormat& f, double defaultPoints) {
    CharStyle s;
    s.bold = f.fontWeight() >= QFont::DemiBold;
    s.italic = f.fontItalic();
    s.underline = f.fontUnderline();
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : defaultPoints;
    s.halfPoints = static_cast<int>(std::lround(points * 2));
    if (f.foreground().style() != Qt::NoBrush) {
        const QColor c = f.foreground().color();
        s.color = Color{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                        static_cast<std::uint8_t>(c.blue())};
    }
    if (f.hasProperty(kFontNameProperty)) {
        s.font = fromQ(f.stringProperty(kFontNameProperty));
    } else {
        const QStringList families = f.fontFamilies().toStringList();
        s.font = families.isEmpty() ? std::string() : fromQ(families.front());
    }
    return s;
}

QTextBlockFormat blockFormat(Alignment a) {
    QTextBlockFormat f;
    switch (a) {
    case Alignment::Left:
        f.setAlignment(Qt::AlignLeft);
        break;
    case Alignment::Center:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    return f;
}

Alignment alignmentOf(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) {
        return Alignment::Center;
    }
    if (a & Qt::AlignJustify) {
        return Alignment::Justify;
    }
    if (a & Qt::AlignRight) {
        return Alignment::Right;
    }
    return Alignment::Left;
}

} // namespace

RichView::RichView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false); // pasting into an editable view brings text, not layout
    setUndoRedoEnabled(false);
    QFont font;
    font.setFamilies(familiesFor("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kBodyHalfPoints / 2.0);
    document()->setDefaultFont(font);
    setWordWrap(true);
}

void RichView::setRichDoc(const RichDoc& doc) {
    QTextDocument* d = document();
    d->clear();
    QTextCursor cursor(d);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const Paragraph& p = doc.paragraphs[i];
        if (i == 0) {
            cursor.setBlockFormat(blockFormat(p.align));
            cursor.setBlockCharFormat(charFormat(p.endStyle));
        } else {
            cursor.insertBlock(blockFormat(p.align), charFormat(p.endStyle));
        }
        for (const Run& r : p.runs) {
            cursor.insertText(toQ(r.text), charFormat(r.style));
        }
    }
    cursor.endEditBlock();
    if (!wordWrap()) {
        // Unwrapped, Qt centres lines within the page width it chose at the last resize,
        // which is none when the content then had no centred line; centre on the view.
        d->setPageSize(QSizeF(viewport()->width(), -1));
    }
    moveCursor(QTextCursor::Start);
}

RichDoc RichView::richDoc() const {
    const QTextDocument* d = document();
    const double defaultPoints = d->defaultFont().pointSizeF();
    RichDoc doc;
    if (d->blockCount() == 1 && d->firstBlock().length() <= 1) {
        return doc; // an empty view, however its one empty block is formatted
    }
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        Paragraph p;
        p.align = alignmentOf(b.blockFormat().alignment());
        p.endStyle = styleOf(b.charFormat(), defaultPoints);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            const CharStyle style = styleOf(fragment.charFormat(), defaultPoints);
            // A line break typed with Shift+Enter in an editable view splits the paragraph;
            // objects (U+FFFC) have no place in a RichDoc.
            QString text;
            for (const QChar c : fragment.text()) {
                if (c == QChar::LineSeparator) {
                    p.runs.push_back(Run{fromQ(text), style});
                    text.clear();
                    normalise(p);
                    Paragraph next;
                    next.align = p.align;
                    next.endStyle = p.endStyle;
                    p.endStyle = style;
                    doc.paragraphs.push_back(std::move(p));
                    p = std::move(next);
                } else if (c != QChar::ObjectReplacementCharacter &&
                           (c.unicode() >= 0x20 || c == u'\t')) {
                    text += c;
                }
            }
            p.runs.push_back(Run{fromQ(text), style});
        }
        normalise(p);
        doc.paragraphs.push_back(std::move(p));
    }
    return doc;
}

void RichView::vycistirichedit() {
    setRichDoc(RichDoc{});
    setWordWrap(true);
}

void RichView::setWordWrap(bool on) {
    setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

bool RichView::wordWrap() const {
    return lineWrapMode() != QTextEdit::NoWrap;
}

void RichView::setScrollBars(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical) {
    setHorizontalScrollBarPolicy(horizontal);
    setVerticalScrollBarPolicy(vertical);
}

Result<void> RichView::save(const std::filesystem::path& path) const {
    return writeRtfFile(path, richDoc());
}

Result<void> RichView::savePdf(const std::filesystem::path& path, const QString& title) const {
    // The printer writes its file as it goes; it writes into a scratch folder, and the
    // finished file is then put in place like every other file the program writes.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return Error{path.string(), fromQ(scratch.errorString())};
    }
    const QString printed = scratch.filePath(QStringLiteral("text.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFontEmbeddingEnabled(true);
    printer.setCreator(QStringLiteral("Tarvenik"));
    printer.setDocName(title);
    print(printer);
    // The printer does not report a file it could not write in full (a full disk, a file
    // size limit); such a file lacks its end, and nothing is put in place.
    const auto bytes = readFileBytes(toPath(printed));
    if (!bytes || !isCompletePdf(*bytes)) {
        return Error{path.string(), "PDF se nepodařilo celé zapsat"};
    }
    return writeFileAtomic(path, *bytes);
}

void RichView::print(QPrinter& printer) const {
    QTextEdit::print(&printer);
}

bool RichView::isEmpty() const {
    return document()->isEmpty();
}

QStringList shownTextFilters() {
    return {QStringLiteral("*.rtf (*.rtf)"), QStringLiteral("*.pdf (*.pdf)")};
}

void saveShownText(QWidget* parent, const RichView& view, const QString& appFolder,
                   const QString& fileName) {
    if (view.isEmpty()) {
        return;
    }
    const QString folder = saveFolderOf(appFolder);
    const QString start = fileName.isEmpty() ? folder : QDir(folder).filePath(fileName);
    const QString chosen = Dialogs::current().saveFile(parent, QStringLiteral("Uložit jako"), start,
                                                       shownTextFilters());
    if (chosen.isEmpty()) {
        return;
    }
    const SavedText target = savedTextOf(toPath(chosen));
    const auto saved = target.format == SavedTextFormat::Pdf
                           ? view.savePdf(target.path, parent->window()->windowTitle())
                           : view.save(target.path);
    if (!saved) {
        Dialogs::current().fileError(parent, saved.error(), FileAccess::Write);
    }
}

} // namespace tarvenik
