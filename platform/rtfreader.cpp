#include "platform/rtfreader.h"

#include "platform/atomicfile.h"
#include "platform/codepages.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tarvenik {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kDefaultHalfPoints = 24; // RTF's size when a file names none
constexpr int kMinHalfPoints = 2;      // 1 pt
constexpr int kMaxHalfPoints = 3276;   // 1638 pt, the largest size Word offers
constexpr int kMaxUc = 16;             // longer fall-backs are damage, not text
constexpr std::size_t kMaxDepth = 100000;
// Every run carries its font's name, so a huge name in a damaged table would be copied
// into each run; real names are short (Windows allows 31 characters).
constexpr std::size_t kMaxFontName = 255;

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, Skip };

// Character formatting as the file states it; turned into a CharStyle once per run.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false; // \v text and tracked deletions are not shown
    int halfPoints = kDefaultHalfPoints;
    int color = 0; // index into the colour table
    int font = -1; // font number; -1: the document's default font
    bool operator==(const CharProps&) const = default;
};

struct GroupState {
    CharProps chars;
    Alignment align = Alignment::Left;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct Font {
    std::string name;
    int codePage = 0; // 0: the document's code page
};

enum class Word : std::uint8_t {
    Par,
    Line,
    Cell,
    Row,
    Sect,
    Tab,
    Pard,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Hidden,
    FontSize,
    ColorIndex,
    FontIndex,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Unicode,
    UnicodeSkip,
    Bin,
    Deff,
    AnsiCpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    FontTable,
    ColorTable,
    SkipDestination,
    Symbol,
};

struct WordInfo {
    Word word;
    char32_t symbol = 0;
};

const std::unordered_map<std::string_view, WordInfo>& words() {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"par", {Word::Par}},
            {"line", {Word::Line}},
            {"cell", {Word::Cell}},
            {"nestcell", {Word::Cell}},
            {"row", {Word::Row}},
            {"nestrow", {Word::Row}},
            {"sect", {Word::Sect}},
            {"tab", {Word::Tab}},
            {"pard", {Word::Pard}},
            {"plain", {Word::Plain}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}},
            {"v", {Word::Hidden}},
            {"deleted", {Word::Hidden}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::ColorIndex}},
            {"f", {Word::FontIndex}},
            {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCenter}},
            {"qr", {Word::AlignRight}},
            {"qj", {Word::AlignJustify}},
            {"qd", {Word::AlignJustify}},
            {"u", {Word::Unicode}},
            {"uc", {Word::UnicodeSkip}},
            {"bin", {Word::Bin}},
            {"deff", {Word::Deff}},
            {"ansicpg", {Word::AnsiCpg}},
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::FontCodePage}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColorTable}},
            {"emdash", {Word::Symbol, 0x2014}},
            {"endash", {Word::Symbol, 0x2013}},
            {"lquote", {Word::Symbol, 0x2018}},
            {"rquote", {Word::Symbol, 0x2019}},
            {"ldblquote", {Word::Symbol, 0x201C}},
            {"rdblquote", {Word::Symbol, 0x201D}},
            {"bullet", {Word::Symbol, 0x2022}},
            {"emspace", {Word::Symbol, 0x2003}},
            {"enspace", {Word::Symbol, 0x2002}},
            {"qmspace", {Word::Symbol, 0x2005}},
            {"zwj", {Word::Symbol, 0x200D}},
            {"zwnj", {Word::Symbol, 0x200C}},
            {"ltrmark", {Word::Symbol, 0x200E}},
            {"rtlmark", {Word::Symbol, 0x200F}},
        };
        // Every underline kind Word offers shows as a plain underline here.
        for (std::string_view u : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                   "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                   "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
            t.emplace(u, WordInfo{Word::Underline});
        }
        // Destinations whose content is not body text. Anything after \* is skipped too.
        for (std::string_view d : {"stylesheet",   "info",      "pict",       "object",
                                   "header",       "headerl",   "headerr",    "headerf",
                                   "footer",       "footerl",   "footerr",    "footerf",
                                   "footnote",     "fldinst",   "annotation", "atnid",
                                   "atnauthor",    "atrfstart", "atrfend",    "atndate",
                                   "bkmkstart",    "bkmkend",   "xe",         "tc",
                                   "txe",          "rxe",       "themedata",  "colorschememapping",
                                   "latentstyles", "datastore", "listtable",  "listoverridetable",
                                   "revtbl",       "rsidtbl",   "filetbl",    "nonshppict",
                                   "shpinst",      "shprslt",   "sp",         "sn",
                                   "sv",           "objdata",   "objclass",   "objname",
                                   "result",       "pn",        "pnseclvl",   "pntxta",
                                   "pntxtb",       "fldtype",   "datafield",  "generator",
                                   "xmlnstbl",     "mmathPr",   "pgdsctbl",   "listpicture",
                                   "panose",       "falt",      "blipuid",    "userprops",
                                   "docvar",       "template",  "printim",    "buptim",
                                   "creatim",      "revtim",    "author",     "operator",
                                   "title",        "subject",   "keywords",   "comment",
                                   "doccomm",      "company",   "manager",    "category",
                                   "do",           "ftnsep",    "ftnsepc",    "ftncn",
                                   "aftnsep",      "aftnsepc",  "aftncn",     "private"}) {
            t.emplace(d, WordInfo{Word::SkipDestination});
        }
        return t;
    }();
    return table;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Reader {
public:
    explicit Reader(std::string_view s) : m_s(s) {}

    RichDoc run(std::size_t start);
    bool closed() const { return m_closed; }

private:
    // Tokens
    void controlAt();
    void controlWord(std::string_view name, bool hasParam, int param);
    void controlSymbol(char c);
    void hexByte();
    void openGroup();
    void closeGroup();
    void skipText();
    void skipBinary(bool hasParam, int count);

    // Output
    void emit(char32_t cp);
    void emitByte(unsigned char byte);
    void emitToText(char32_t cp);
    void endParagraph();
    CharStyle styleOf(const CharProps& p);
    const HighHalf* currentTable();
    void commitFont();
    void endTableEntry();

    std::string_view m_s;
    std::size_t m_pos = 0;
    bool m_done = false;
    bool m_closed = false; // the document's closing brace was read

    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0; // groups beyond kMaxDepth, sharing their parent's state
    GroupState m_st;
    bool m_starNext = false; // a \* waits for its destination word
    int m_skip = 0;          // fall-back characters of a \u still to skip
    char32_t m_highSurrogate = 0;

    // Document-wide settings
    int m_codePage = 1252;
    int m_defaultFont = 0;
    std::unordered_map<int, Font> m_fonts;
    std::vector<std::optional<Color>> m_colors;

    // Font and colour table entries being read
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    Font m_font;
    std::string m_fontName;
    bool m_colorSet = false;
    Color m_color;

    // Code page cache for \'hh: valid while the font and its table entry stay the same
    int m_cacheFont = -2;
    int m_cacheCodePage = -2;
    const HighHalf* m_cacheTable = nullptr;

    RichDoc m_doc;
    Paragraph m_para;
    bool m_runOpen = false;
    CharProps m_runProps;
};

RichDoc Reader::run(std::size_t start) {
    m_pos = start;
    const std::size_t n = m_s.size();
    while (m_pos < n && !m_done) {
        const char c = m_s[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            controlAt();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            if (m_st.dest == Dest::Skip) {
                skipText();
            } else {
                ++m_pos;
                if (m_skip > 0) {
                    --m_skip;
                } else if (c == ';' && m_st.dest != Dest::Text) {
                    endTableEntry(); // only a literal ';' ends an entry; \'3b is text
                } else {
                    emitByte(static_cast<unsigned char>(c));
                }
            }
            break;
        }
    }
    if (m_fontOpen) {
        commitFont();
    }
    if (!m_para.runs.empty()) {
        endParagraph();
    }
    return std::move(m_doc);
}

// Inside a skipped destination only braces and \bin matter; jump to the next of them.
void Reader::skipText() {
    const std::size_t next = m_s.find_first_of("{}\\", m_pos);
    m_pos = next == std::string_view::npos ? m_s.size() : next;
}

// \binN: N bytes of binary data, skipped unread wherever they stand.
void Reader::skipBinary(bool hasParam, int count) {
    if (!hasParam || count <= 0) {
        return;
    }
    if (static_cast<std::size_t>(count) > m_s.size() - m_pos) {
        m_done = true; // the data runs past the end: the file was cut off
    } else {
        m_pos += static_cast<std::size_t>(count);
    }
}

void Reader::openGroup() {
    m_skip = 0;
    if (m_stack.size() >= kMaxDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_st);
}

void Reader::closeGroup() {
    m_skip = 0;
    m_starNext = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_st.dest == Dest::FontTable && m_fontOpen) {
        commitFont();
    }
    if (m_stack.size() <= 1) {
        // The document's closing brace: whatever follows is not RTF. The state stays, so
        // a last paragraph without \par keeps its alignment and mark.
        m_done = true;
        m_closed = true;
        return;
    }
    m_st = m_stack.back();
    m_stack.pop_back();
}

void Reader::controlAt() {
    const std::size_t n = m_s.size();
    ++m_pos; // the backslash
    if (m_pos >= n) {
        return;
    }
    const char c = m_s[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            hexByte();
        } else if (m_skip > 0 && c != '\r' && c != '\n') {
            --m_skip;
        } else {
            controlSymbol(c);
        }
        return;
    }
    const std::size_t begin = m_pos;
    while (m_pos < n && isLetter(m_s[m_pos])) {
        ++m_pos;
    }
    const std::string_view name = m_s.substr(begin, m_pos - begin);
    bool hasParam = false;
    bool negative = false;
    std::int64_t value = 0;
    if (m_pos + 1 < n && m_s[m_pos] == '-' && isDigit(m_s[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    while (m_pos < n && isDigit(m_s[m_pos])) {
        hasParam = true;
        if (value < 100000000000LL) {
            value = value * 10 + (m_s[m_pos] - '0');
        }
        ++m_pos;
    }
    if (m_pos < n && m_s[m_pos] == ' ') {
        ++m_pos;
    }
    value = std::min<std::int64_t>(value, INT32_MAX);
    const int param = static_cast<int>(negative ? -value : value);

    if (m_skip > 0) {
        --m_skip;
        if (name == "bin") {
            skipBinary(hasParam, param);
        }
        return;
    }
    controlWord(name, hasParam, param);
}

void Reader::hexByte() {
    const std::size_t n = m_s.size();
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < n) {
        const int h = hexValue(m_s[m_pos]);
        if (h < 0) {
            break;
        }
        value = value * 16 + h;
        ++digits;
        ++m_pos;
    }
    if (m_st.dest == Dest::Skip) {
        return;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (digits > 0) {
        emitByte(static_cast<unsigned char>(value));
    }
}

void Reader::controlSymbol(char c) {
    if (m_st.dest == Dest::Skip) {
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        emit(static_cast<unsigned char>(c));
        break;
    case '~':
        emit(0x00A0);
        break;
    case '_':
        emit(0x2011);
        break;
    case '*':
        m_starNext = true;
        break;
    case '\r':
    case '\n':
        controlWord("par", false, 0);
        break;
    case '\t':
        emit('\t');
        break;
    default: // \- optional hyphen, \| \: index marks: nothing to show
        break;
    }
}

void Reader::controlWord(std::string_view name, bool hasParam, int param) {
    if (m_st.dest == Dest::Skip) {
        if (name == "bin") {
            skipBinary(hasParam, param);
        }
        return;
    }
    const auto& table = words();
    const auto it = table.find(name);
    if (m_starNext) {
        m_starNext = false;
        m_st.dest = Dest::Skip;
        return;
    }
    if (it == table.end()) {
        return;
    }
    const Word word = it->second.word;
    const bool on = !hasParam || param != 0;
    CharProps& ch = m_st.chars;
    switch (word) {
    case Word::Par:
    case Word::Line:
    case Word::Cell:
        if (m_st.dest == Dest::Text) {
            endParagraph();
        }
        break;
    case Word::Row:
    case Word::Sect:
        if (m_st.dest == Dest::Text && !m_para.runs.empty()) {
            endParagraph();
        }
        break;
    case Word::Tab:
        emit('\t');
        break;
    case Word::Pard:
        m_st.align = Alignment::Left;
        break;
    case Word::Plain:
        ch = CharProps{};
        break;
    case Word::Bold:
        ch.bold = on;
        break;
    case Word::Italic:
        ch.italic = on;
        break;
    case Word::Underline:
        ch.underline = on;
        break;
    case Word::Hidden:
        ch.hidden = on;
        break;
    case Word::UnderlineNone:
        ch.underline = false;
        break;
    case Word::FontSize:
        ch.halfPoints =
            hasParam ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Word::ColorIndex:
        ch.color = std::max(param, 0);
        break;
    case Word::FontIndex:
        if (m_st.dest == Dest::FontTable) {
            if (m_fontOpen) {
                commitFont();
            }
            m_fontOpen = true;
            m_fontNumber = param;
            m_font = Font{};
            m_fontName.clear();
        } else {
            ch.font = param;
        }
        break;
    case Word::AlignLeft:
        m_st.align = Alignment::Left;
        break;
    case Word::AlignCenter:
        m_st.align = Alignment::Center;
        break;
    case Word::AlignRight:
        m_st.align = Alignment::Right;
        break;
    case Word::AlignJustify:
        m_st.align = Alignment::Justify;
        break;
    case Word::Unicode: {
        int v = param;
        if (v < 0) {
            v += 65536;
        }
        const char32_t cp = static_cast<char32_t>(std::clamp(v, 0, 0xFFFF));
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (m_highSurrogate != 0) {
                m_highSurrogate = 0;
                emit(kReplacement); // a high half without its low half
            }
            m_highSurrogate = cp;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (m_highSurrogate != 0) {
                const char32_t full = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (cp - 0xDC00);
                m_highSurrogate = 0;
                emit(full);
            } else {
                emit(kReplacement);
            }
        } else {
            emit(cp);
        }
        m_skip = m_st.uc;
        break;
    }
    case Word::UnicodeSkip:
        m_st.uc = std::clamp(param, 0, kMaxUc);
        break;
    case Word::Bin:
        skipBinary(hasParam, param);
        break;
    case Word::Deff:
        m_defaultFont = param;
        break;
    case Word::AnsiCpg:
        if (codePageTable(param) != nullptr) {
            m_codePage = param;
        }
        break;
    case Word::Ansi:
        m_codePage = 1252;
        break;
    case Word::Mac:
        m_codePage = 10000;
        break;
    case Word::Pc:
        m_codePage = 437;
        break;
    case Word::Pca:
        m_codePage = 850;
        break;
    case Word::FontCharset:
        if (m_st.dest == Dest::FontTable && m_fontOpen) {
            m_font.codePage = codePageOfCharset(param);
        }
        break;
    case Word::FontCodePage:
        if (m_st.dest == Dest::FontTable && m_fontOpen) {
            m_font.codePage = codePageTable(param) != nullptr ? param : -1;
        }
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue:
        if (m_st.dest == Dest::ColorTable) {
            const auto v = static_cast<std::uint8_t>(std::clamp(param, 0, 255));
            (word == Word::Red ? m_color.r : word == Word::Green ? m_color.g : m_color.b) = v;
            m_colorSet = true;
        }
        break;
    case Word::FontTable:
        if (m_st.dest == Dest::Text) {
            m_st.dest = Dest::FontTable;
        }
        break;
    case Word::ColorTable:
        if (m_st.dest == Dest::Text) {
            m_st.dest = Dest::ColorTable;
            m_colors.clear();
        }
        break;
    case Word::SkipDestination:
        m_st.dest = Dest::Skip;
        break;
    case Word::Symbol:
        emit(it->second.symbol);
        break;
    }
}

void Reader::endTableEntry() {
    if (m_st.dest == Dest::FontTable) {
        if (m_fontOpen) {
            commitFont();
        }
    } else if (m_st.dest == Dest::ColorTable) {
        m_colors.push_back(m_colorSet ? std::optional<Color>(m_color) : std::nullopt);
        m_colorSet = false;
        m_color = Color{};
    }
}

void Reader::commitFont() {
    std::string_view name = trimBlanks(m_fontName);
    if (name.size() > kMaxFontName) {
        std::size_t end = kMaxFontName; // back to the start of a character
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
            --end;
        }
        name = trimBlanks(name.substr(0, end));
    }
    m_font.name = std::string(name);
    m_fonts[m_fontNumber] = m_font;
    m_fontOpen = false;
    m_fontName.clear();
    m_cacheFont = -2;
}

const HighHalf* Reader::currentTable() {
    int cp = m_codePage;
    if (m_st.dest == Dest::FontTable) {
        if (m_fontOpen && m_font.codePage != 0) {
            cp = m_font.codePage;
        }
        return codePageTable(cp);
    }
    const int font = m_st.chars.font < 0 ? m_defaultFont : m_st.chars.font;
    if (font == m_cacheFont && m_cacheCodePage == m_codePage) {
        return m_cacheTable;
    }
    const auto it = m_fonts.find(font);
    if (it != m_fonts.end() && it->second.codePage != 0) {
        cp = it->second.codePage;
    }
    m_cacheFont = font;
    m_cacheCodePage = m_codePage;
    m_cacheTable = codePageTable(cp);
    return m_cacheTable;
}

void Reader::emitByte(unsigned char byte) {
    if (byte < 0x80) {
        emit(byte);
        return;
    }
    const HighHalf* table = currentTable();
    emit(table != nullptr ? (*table)[byte - 0x80] : kReplacement);
}

void Reader::emit(char32_t cp) {
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        emit(kReplacement);
    }
    switch (m_st.dest) {
    case Dest::Text:
        emitToText(cp);
        break;
    case Dest::FontTable:
        if (m_fontOpen && (cp >= 0x20 || cp == '\t')) {
            appendUtf8(m_fontName, cp);
        }
        break;
    case Dest::ColorTable:
    case Dest::Skip:
        break;
    }
}

void Reader::emitToText(char32_t cp) {
    if ((cp < 0x20 && cp != '\t') || m_st.chars.hidden) {
        return; // run text holds no line breaks or other controls
    }
    if (!m_runOpen || !(m_runProps == m_st.chars)) {
        m_para.runs.push_back(Run{std::string(), styleOf(m_st.chars)});
        m_runOpen = true;
        m_runProps = m_st.chars;
    }
    std::string& text = m_para.runs.back().text;
    if (cp < 0x80) {
        text += static_cast<char>(cp);
    } else {
        appendUtf8(text, cp);
    }
}

void Reader::endParagraph() {
    m_para.align = m_st.align;
    m_para.endStyle = styleOf(m_st.chars);
    // Two runs of different file formatting can still map to equal styles (an unknown
    // colour index and \cf0 both mean "auto").
    normalise(m_para);
    m_doc.paragraphs.push_back(std::move(m_para));
    m_para = Paragraph{};
    m_runOpen = false;
}

CharStyle Reader::styleOf(const CharProps& p) {
    CharStyle s;
    s.bold = p.bold;
    s.italic = p.italic;
    s.underline = p.underline;
    s.halfPoints = p.halfPoints;
    if (p.color >= 0 && static_cast<std::size_t>(p.color) < m_colors.size()) {
        s.color = m_colors[static_cast<std::size_t>(p.color)];
    }
    const auto it = m_fonts.find(p.font < 0 ? m_defaultFont : p.font);
    s.font = it != m_fonts.end() ? it->second.name : std::string();
    return s;
}

// Where "{\rtf" starts, after blanks and a UTF-8 byte-order mark; npos when it does not.
std::size_t rtfStart(std::string_view bytes) {
    std::size_t pos = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        pos = 3;
    }
    while (pos < bytes.size() &&
           (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n')) {
        ++pos;
    }
    return bytes.substr(pos, 5) == "{\\rtf" ? pos : std::string_view::npos;
}

} // namespace

namespace {

struct ReadDoc {
    RichDoc doc;
    bool whole = false; // it ran to the document's closing brace
};

Result<ReadDoc> readDoc(std::string_view bytes) {
    const std::size_t start = rtfStart(bytes);
    if (start == std::string_view::npos) {
        return Error{"bajt 0", bytes.find_first_not_of(" \t\r\n") == std::string_view::npos
                                   ? "soubor je prázdný"
                                   : "není to soubor RTF: nezačíná {\\rtf"};
    }
    Reader reader(bytes);
    RichDoc doc = reader.run(start);
    return ReadDoc{std::move(doc), reader.closed()};
}

} // namespace

Result<RichDoc> readRtf(std::string_view bytes) {
    auto read = readDoc(bytes);
    if (!read) {
        return read.error();
    }
    return std::move(read->doc);
}

Result<RichDoc> readRtfFile(const std::filesystem::path& path) {
    Result<std::string> bytes = readFileBytes(path, kMaxShownTextBytes);
    if (!bytes) {
        return bytes.error();
    }
    auto read = readDoc(*bytes);
    if (!read) {
        // Only the file's start is wrong here, so its name alone says where.
        return Error{path.string(), read.error().reason};
    }
    if (!read->whole) {
        return Error{path.string(), "soubor RTF je neúplný: chybí jeho konec"};
    }
    return std::move(read->doc);
}

} // namespace tarvenik
