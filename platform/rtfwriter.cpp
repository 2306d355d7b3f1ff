#include "platform/rtfwriter.h"

#include "platform/atomicfile.h"
#include "platform/codepages.h"
#include "platform/text.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tarvenik {

namespace {

// Windows-1250 byte of each code point below U+2200 (the page's highest is U+2122); 0 where
// the page has none.
const std::array<std::uint8_t, 0x2200>& reverse1250() {
    static const std::array<std::uint8_t, 0x2200> table = [] {
        std::array<std::uint8_t, 0x2200> t{};
        const HighHalf& high = *codePageTable(1250);
        for (std::size_t i = 0; i < high.size(); ++i) {
            if (high[i] < t.size()) {
                t[high[i]] = static_cast<std::uint8_t>(0x80 + i);
            }
        }
        return t;
    }();
    return table;
}

constexpr char kHex[] = "0123456789abcdef";

void appendUnicode(std::string& out, char32_t unit) {
    // RTF's \u takes a signed 16-bit number.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u";
    out += std::to_string(value);
    out += '?';
}

// Text of a run or a font name. A font name's ';' would end its table entry, so there
// (`inFontName`) it goes as \'3b, which the reader takes as a character.
void appendText(std::string& out, std::string_view utf8, bool inFontName) {
    const auto& reverse = reverse1250();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            ++pos;
            if (byte == '\\' || byte == '{' || byte == '}') {
                out += '\\';
                out += static_cast<char>(byte);
            } else if (byte == '\t') {
                out += "\\tab ";
            } else if (byte == ';' && inFontName) {
                out += "\\'3b";
            } else if (byte >= 0x20) {
                out += static_cast<char>(byte);
            }
            continue;
        }
        const char32_t cp = nextCodePoint(utf8, pos);
        if (cp < reverse.size() && reverse[cp] != 0) {
            out += "\\'";
            out += kHex[reverse[cp] >> 4];
            out += kHex[reverse[cp] & 0xF];
        } else if (cp > 0xFFFF) {
            const char32_t v = cp - 0x10000;
            appendUnicode(out, 0xD800 + (v >> 10));
            appendUnicode(out, 0xDC00 + (v & 0x3FF));
        } else {
            appendUnicode(out, cp);
        }
    }
}

struct Tables {
    std::vector<std::string> fonts;
    std::unordered_map<std::string, int> fontIndex;
    std::vector<Color> colors;
    std::unordered_map<std::uint32_t, int> colorIndex; // 0xRRGGBB -> \cf number

    void add(const CharStyle& s) {
        if (fontIndex.emplace(s.font, static_cast<int>(fonts.size())).second) {
            fonts.push_back(s.font);
        }
        if (s.color) {
            const std::uint32_t key = (s.color->r << 16) | (s.color->g << 8) | s.color->b;
            if (colorIndex.emplace(key, static_cast<int>(colors.size()) + 1).second) {
                colors.push_back(*s.color);
            }
        }
    }
    int font(const CharStyle& s) const { return fontIndex.at(s.font); }
    int color(const CharStyle& s) const {
        return s.color ? colorIndex.at((s.color->r << 16) | (s.color->g << 8) | s.color->b) : 0;
    }
};

// The formatting the output has switched on so far; each run writes only what changes.
struct WriterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int color = 0;
    int font = 0;
};

void switchTo(std::string& out, WriterState& cur, const CharStyle& s, const Tables& tables) {
    const std::size_t before = out.size();
    if (s.bold != cur.bold) {
        out += s.bold ? "\\b" : "\\b0";
    }
    if (s.italic != cur.italic) {
        out += s.italic ? "\\i" : "\\i0";
    }
    if (s.underline != cur.underline) {
        out += s.underline ? "\\ul" : "\\ulnone";
    }
    if (s.halfPoints != cur.halfPoints) {
        out += "\\fs" + std::to_string(s.halfPoints);
    }
    const int color = tables.color(s);
    if (color != cur.color) {
        out += "\\cf" + std::to_string(color);
    }
    const int font = tables.font(s);
    if (font != cur.font) {
        out += "\\f" + std::to_string(font);
    }
    if (out.size() != before) {
        out += ' ';
    }
    cur = WriterState{s.bold, s.italic, s.underline, s.halfPoints, color, font};
}

const char* alignmentWord(Alignment a) {
    switch (a) {
    case Alignment::Center:
        return "\\qc";
    case Alignment::Right:
        return "\\qr";
    case Alignment::Justify:
        return "\\qj";
    case Alignment::Left:
        break;
    }
    return "";
}

} // namespace

std::string writeRtf(const RichDoc& doc) {
    Tables tables;
    std::size_t textSize = 0;
    for (const Paragraph& p : doc.paragraphs) {
        for (const Run& r : p.runs) {
            tables.add(r.style);
            textSize += r.text.size();
        }
        tables.add(p.endStyle);
    }
    if (tables.fonts.empty()) {
        tables.add(CharStyle{});
    }

    std::string out;
    out.reserve(textSize + textSize / 4 + 64 * doc.paragraphs.size() + 512);
    out += "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset238 ";
        appendText(out, tables.fonts[i], true);
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (const Color& c : tables.colors) {
        out += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" +
               std::to_string(c.b) + ';';
    }
    out += "}\n\\viewkind4\\plain\n";

    WriterState cur;
    for (const Paragraph& p : doc.paragraphs) {
        out += "\\pard";
        out += alignmentWord(p.align);
        out += ' ';
        for (const Run& r : p.runs) {
            switchTo(out, cur, r.style, tables);
            appendText(out, r.text, false);
        }
        switchTo(out, cur, p.endStyle, tables);
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

Result<void> writeRtfFile(const std::filesystem::path& path, const RichDoc& doc) {
    return writeFileAtomic(path, writeRtf(doc));
}

} // namespace tarvenik
