#pragma once
// Rich text as the windows use it: a document of paragraphs, each a list of styled runs.
// RTF files are read into a RichDoc (platform/rtfreader.h), the windows edit it with the
// functions below and hand it to ui/RichView to show, print or save (platform/rtfwriter.h).
//
// Paragraph indexes are the "lines" of the texts: the view shows one paragraph per line
// while word wrap is off, so the cuts that count lines count paragraphs here.
// Text positions inside a paragraph are counted in characters (code points).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

enum class Alignment { Left, Center, Right, Justify };

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

// The grey of the dream cards' source lines.
inline constexpr Color kSilver{192, 192, 192};

// The size every new line of a window text starts with, and the reset of vycistirichedit.
inline constexpr int kBodyHalfPoints = 20;

struct CharStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = kBodyHalfPoints; // in half points, as RTF counts sizes: 20 is 10 pt
    std::optional<Color> color;       // empty: the view's text colour ("auto")
    std::string font = "Arial";       // family name; empty: the view's own font

    bool operator==(const CharStyle&) const = default;
    double points() const { return halfPoints / 2.0; }
};

struct Run {
    std::string text; // UTF-8, no line breaks or other control characters except tab
    CharStyle style;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    Alignment align = Alignment::Left;
    std::vector<Run> runs; // normalised: no empty runs, neighbours differ in style
    // The style of the paragraph's end mark. An empty line has no runs, yet its height
    // comes from its font size (the 4 pt and 5 pt spacer lines of the cards).
    CharStyle endStyle;
    bool operator==(const Paragraph&) const = default;
};

struct RichDoc {
    std::vector<Paragraph> paragraphs;
    bool operator==(const RichDoc&) const = default;
};

// A stretch of text: `length` characters from character `start` of paragraph `paragraph`.
// A range may run on into the following paragraphs; each paragraph break counts as one
// character, as a selection in the view counts it.
struct TextRange {
    std::size_t paragraph = 0;
    std::size_t start = 0;
    std::size_t length = 0;
};

// Empties the document (the first half of vycistirichedit; the view resets word wrap).
void vycistirichedit(RichDoc& doc);

// Appends `text` as one new paragraph in `style`; a '\n' in it starts a further paragraph
// in the same style, CR and other control characters except tab are dropped.
void appendLine(RichDoc& doc, std::string_view text, const CharStyle& style = {},
                Alignment align = Alignment::Left);

// Appends `text` to the last paragraph (to a new one when there is none), as typing at the
// end of the view does: several styles on one line. Control characters are dropped.
void appendText(RichDoc& doc, std::string_view text, const CharStyle& style = {});

std::size_t paragraphCount(const RichDoc& doc);
// The paragraph's text without its break; empty for an index past the end.
std::string paragraphText(const RichDoc& doc, std::size_t index);

// Removes paragraph `index`; false (and nothing changed) when there is no such paragraph.
bool deleteParagraph(RichDoc& doc, std::size_t index);

// Replaces the text of paragraph `index`, keeping its alignment. The new text takes the
// style of the paragraph's first character (of its end mark when it is empty), as typing
// over a selected line does. Line breaks in `text` are dropped. False for a bad index.
bool replaceParagraph(RichDoc& doc, std::size_t index, std::string_view text);

// Removes `length` characters from character `start` of the paragraph (up to its end at
// most); the rest keeps its styles. False for a bad index.
bool eraseText(RichDoc& doc, std::size_t paragraph, std::size_t start, std::size_t length);

// Style changes over a range; the parts outside it keep their styles. A range past the
// end of the text is cut at the end.
void setBold(RichDoc& doc, TextRange range, bool bold);
void setSize(RichDoc& doc, TextRange range, int halfPoints);
void setColor(RichDoc& doc, TextRange range, std::optional<Color> color);
bool setAlignment(RichDoc& doc, std::size_t paragraph, Alignment align);

// In every non-empty paragraph, the text from its start up to and including its first ':'
// becomes bold; a paragraph without ':' stays as it is.
void boldLabels(RichDoc& doc);

// The text of all paragraphs, each but the last followed by '\n'.
std::string plainText(const RichDoc& doc);
// True when the document holds no text: no paragraphs, or a single empty one.
bool isEmpty(const RichDoc& doc);

// Drops empty runs and merges neighbours of equal style, in every paragraph. Every function
// here leaves the document normalised; call it after editing runs directly.
void normalise(Paragraph& paragraph);
void normalise(RichDoc& doc);

} // namespace tarvenik
