#include "platform/rich.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace tarvenik {

namespace {

// Keeps tab, drops every other control character: run text never holds a line break.
std::string cleanLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            out += c;
        }
    }
    return out;
}

// Byte offset of character `chars` in `text` (the end when it has fewer).
std::size_t byteOffset(std::string_view text, std::size_t chars) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < chars && pos < text.size(); ++i) {
        nextCodePoint(text, pos);
    }
    return pos;
}

std::size_t paragraphLength(const Paragraph& p) {
    std::size_t n = 0;
    for (const Run& r : p.runs) {
        n += charCount(r.text);
    }
    return n;
}

using Restyle = std::function<void(CharStyle&)>;

// Applies `change` to characters [from, from + count) of the paragraph.
void restyleChars(Paragraph& p, std::size_t from, std::size_t count, const Restyle& change) {
    if (count == 0) {
        return;
    }
    const std::size_t to = from + count;
    std::vector<Run> out;
    out.reserve(p.runs.size() + 2);
    std::size_t at = 0;
    for (Run& run : p.runs) {
        const std::size_t n = charCount(run.text);
        const std::size_t a = std::clamp(from, at, at + n) - at;
        const std::size_t b = std::clamp(to, at, at + n) - at;
        if (a == b) {
            out.push_back(std::move(run));
        } else {
            const std::size_t ba = byteOffset(run.text, a);
            const std::size_t bb = ba + byteOffset(std::string_view(run.text).substr(ba), b - a);
            Run changed{run.text.substr(ba, bb - ba), run.style};
            change(changed.style);
            Run after{run.text.substr(bb), run.style};
            run.text.resize(ba);
            out.push_back(std::move(run));
            out.push_back(std::move(changed));
            out.push_back(std::move(after));
        }
        at += n;
    }
    p.runs = std::move(out);
    normalise(p);
}

// Walks the range over paragraphs; a covered paragraph break restyles the end mark.
void restyleRange(RichDoc& doc, TextRange range, const Restyle& change) {
    std::size_t index = range.paragraph;
    std::size_t pos = range.start;
    std::size_t left = range.length;
    while (index < doc.paragraphs.size() && left > 0) {
        Paragraph& p = doc.paragraphs[index];
        const std::size_t len = paragraphLength(p);
        if (pos > len) {
            pos -= len + 1;
            ++index;
            continue;
        }
        const std::size_t take = std::min(left, len - pos);
        restyleChars(p, pos, take, change);
        left -= take;
        if (left == 0) {
            break;
        }
        change(p.endStyle);
        --left;
        pos = 0;
        ++index;
    }
}

} // namespace

void normalise(Paragraph& paragraph) {
    std::vector<Run>& runs = paragraph.runs;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].text.empty()) {
            continue;
        }
        if (kept > 0 && runs[kept - 1].style == runs[i].style) {
            runs[kept - 1].text += runs[i].text;
        } else {
            if (kept != i) {
                runs[kept] = std::move(runs[i]);
            }
            ++kept;
        }
    }
    runs.resize(kept);
}

void normalise(RichDoc& doc) {
    for (Paragraph& p : doc.paragraphs) {
        normalise(p);
    }
}

void vycistirichedit(RichDoc& doc) {
    doc.paragraphs.clear();
}

void appendLine(RichDoc& doc, std::string_view text, const CharStyle& style, Alignment align) {
    while (true) {
        const std::size_t nl = text.find('\n');
        Paragraph p;
        p.align = align;
        p.endStyle = style;
        std::string line = cleanLine(text.substr(0, nl));
        if (!line.empty()) {
            p.runs.push_back(Run{std::move(line), style});
        }
        doc.paragraphs.push_back(std::move(p));
        if (nl == std::string_view::npos) {
            break;
        }
        text.remove_prefix(nl + 1);
    }
}

void appendText(RichDoc& doc, std::string_view text, const CharStyle& style) {
    if (doc.paragraphs.empty()) {
        doc.paragraphs.push_back(Paragraph{Alignment::Left, {}, style});
    }
    Paragraph& p = doc.paragraphs.back();
    p.runs.push_back(Run{cleanLine(text), style});
    p.endStyle = style;
    normalise(p);
}

std::size_t paragraphCount(const RichDoc& doc) {
    return doc.paragraphs.size();
}

std::string paragraphText(const RichDoc& doc, std::size_t index) {
    std::string out;
    if (index < doc.paragraphs.size()) {
        for (const Run& r : doc.paragraphs[index].runs) {
            out += r.text;
        }
    }
    return out;
}

bool deleteParagraph(RichDoc& doc, std::size_t index) {
    if (index >= doc.paragraphs.size()) {
        return false;
    }
    doc.paragraphs.erase(doc.paragraphs.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool replaceParagraph(RichDoc& doc, std::size_t index, std::string_view text) {
    if (index >= doc.paragraphs.size()) {
        return false;
    }
    Paragraph& p = doc.paragraphs[index];
    const CharStyle style = p.runs.empty() ? p.endStyle : p.runs.front().style;
    p.runs.clear();
    std::string line = cleanLine(text);
    if (!line.empty()) {
        p.runs.push_back(Run{std::move(line), style});
    }
    return true;
}

bool eraseText(RichDoc& doc, std::size_t paragraph, std::size_t start, std::size_t length) {
    if (paragraph >= doc.paragraphs.size()) {
        return false;
    }
    Paragraph& p = doc.paragraphs[paragraph];
    const std::size_t end = start + std::min(length, SIZE_MAX - start);
    std::size_t at = 0;
    for (Run& run : p.runs) {
        const std::size_t n = charCount(run.text);
        const std::size_t a = std::clamp(start, at, at + n) - at;
        const std::size_t b = std::clamp(end, at, at + n) - at;
        if (a != b) {
            const std::size_t ba = byteOffset(run.text, a);
            const std::size_t bb = ba + byteOffset(std::string_view(run.text).substr(ba), b - a);
            run.text.erase(ba, bb - ba);
        }
        at += n;
    }
    normalise(p);
    return true;
}

void setBold(RichDoc& doc, TextRange range, bool bold) {
    restyleRange(doc, range, [bold](CharStyle& s) { s.bold = bold; });
}

void setSize(RichDoc& doc, TextRange range, int halfPoints) {
    restyleRange(doc, range, [halfPoints](CharStyle& s) { s.halfPoints = halfPoints; });
}

void setColor(RichDoc& doc, TextRange range, std::optional<Color> color) {
    restyleRange(doc, range, [color](CharStyle& s) { s.color = color; });
}

bool setAlignment(RichDoc& doc, std::size_t paragraph, Alignment align) {
    if (paragraph >= doc.paragraphs.size()) {
        return false;
    }
    doc.paragraphs[paragraph].align = align;
    return true;
}

void boldLabels(RichDoc& doc) {
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const std::string text = paragraphText(doc, i);
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::size_t chars = charCount(std::string_view(text).substr(0, colon)) + 1;
        restyleChars(doc.paragraphs[i], 0, chars, [](CharStyle& s) { s.bold = true; });
    }
}

std::string plainText(const RichDoc& doc) {
    std::string out;
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        if (i > 0) {
            out += '\n';
        }
        for (const Run& r : doc.paragraphs[i].runs) {
            out += r.text;
        }
    }
    return out;
}

bool isEmpty(const RichDoc& doc) {
    return doc.paragraphs.empty() ||
           (doc.paragraphs.size() == 1 && doc.paragraphs.front().runs.empty());
}

} // namespace tarvenik
