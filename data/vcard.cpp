#include "data/vcard.h"

#include "platform/atomicfile.h"
#include "platform/codepages.h"
#include "platform/text.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <system_error>
#include <variant>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFoldAt = 75; // octets per written line, the CR LF not counted

// ---- lines ------------------------------------------------------------------------------

struct LogicalLine {
    int number = 0; // of its first physical line, from 1
    std::string text;
    bool quotedPrintable = false;
};

bool isQuotedPrintable(std::string_view line) {
    return asciiUpper(line.substr(0, line.find(':'))).find("QUOTED-PRINTABLE") != std::string::npos;
}

// A line starting with a blank or a tab continues the one before it (the blank is dropped);
// a quoted-printable value ending in '=' continues on the next line whatever it starts with,
// as vCard 2.1 writers break them.
std::vector<LogicalLine> unfold(const std::vector<std::string>& lines) {
    std::vector<LogicalLine> out;
    bool softBreak = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!out.empty() && softBreak) {
            out.back().text.pop_back();
            out.back().text += line;
        } else if (!out.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t')) {
            out.back().text.append(line, 1);
        } else {
            out.push_back({static_cast<int>(i + 1), line, isQuotedPrintable(line)});
        }
        softBreak = out.back().quotedPrintable && out.back().text.ends_with('=');
    }
    return out;
}

struct Param {
    std::string name; // upper case; empty for a bare vCard 2.1 parameter ("QUOTED-PRINTABLE")
    std::string value;
};

struct ContentLine {
    std::string name; // upper case, without its group ("item1.BDAY" is BDAY)
    std::vector<Param> params;
    std::string value;

    std::string param(std::string_view wanted) const {
        for (const Param& p : params) {
            if (p.name == wanted) {
                return p.value;
            }
        }
        return {};
    }
    bool quotedPrintable() const {
        for (const Param& p : params) {
            if ((p.name == "ENCODING" || p.name.empty()) &&
                asciiUpper(p.value) == "QUOTED-PRINTABLE") {
                return true;
            }
        }
        return false;
    }
};

// Splits at `separator` outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<ContentLine> parseContentLine(std::string_view text) {
    bool quoted = false;
    std::size_t colon = std::string_view::npos;
    for (std::size_t i = 0; i < text.size() && colon == std::string_view::npos; ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == ':' && !quoted) {
            colon = i;
        }
    }
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto head = splitOutsideQuotes(text.substr(0, colon), ';');
    std::string_view name = trimBlanks(head[0]);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
        name.remove_prefix(dot + 1);
    }
    ContentLine line{asciiUpper(name), {}, std::string(text.substr(colon + 1))};
    for (std::size_t i = 1; i < head.size(); ++i) {
        const std::string_view p = trimBlanks(head[i]);
        const auto eq = p.find('=');
        if (eq == std::string_view::npos) {
            line.params.push_back({"", std::string(p)});
            continue;
        }
        std::string_view value = trimBlanks(p.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        line.params.push_back({asciiUpper(trimBlanks(p.substr(0, eq))), std::string(value)});
    }
    return line;
}

// ---- values -----------------------------------------------------------------------------

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string decodeQuotedPrintable(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool escape = s[i] == '=' && i + 2 < s.size();
        const int high = escape ? hexValue(s[i + 1]) : -1;
        const int low = escape ? hexValue(s[i + 2]) : -1;
        if (high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Malformed UTF-8 sequences become U+FFFD.
std::string wellFormedUtf8(std::string_view s) {
    std::string out;
    for (std::size_t pos = 0; pos < s.size();) {
        appendUtf8(out, nextCodePoint(s, pos));
    }
    return out;
}

// The value as UTF-8, or nothing when its CHARSET is unknown. Without a CHARSET the value is
// UTF-8, unless it cannot be: then it comes from a Czech Windows program, in Windows-1250.
std::optional<std::string> decodedText(const ContentLine& line) {
    const std::string raw = line.quotedPrintable() ? decodeQuotedPrintable(line.value) : line.value;
    const std::string charset = line.param("CHARSET");
    if (charset.empty()) {
        std::string utf8 = wellFormedUtf8(raw);
        return utf8 == raw ? utf8 : decode1250(raw);
    }
    const int page = codePageOfCharsetName(charset);
    if (page == kUtf8CodePage) {
        return wellFormedUtf8(raw);
    }
    if (const HighHalf* table = codePageTable(page)) {
        return decodeCodePage(*table, raw);
    }
    return std::nullopt;
}

// Text escapes: \n, \, \; \\. With `components`, an unescaped ';' separates the components
// and an unescaped ',' the values of one component, which are joined with a blank.
std::vector<std::string> unescapedText(std::string_view value, bool components) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out.back() += (next == 'n' || next == 'N') ? ' ' : next;
        } else if (components && c == ';') {
            out.emplace_back();
        } else if (components && c == ',') {
            out.back() += ' ';
        } else {
            out.back() += c;
        }
    }
    return out;
}

// ---- the fields of a card ---------------------------------------------------------------

std::optional<int> digits(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

struct Ymd {
    int year = 0, month = 0, day = 0;
};

// "1975-03-05", "19750305" or the Czech "5.3.1975".
std::optional<Ymd> parseDate(std::string_view s) {
    const bool dashed = s.size() == 10 && s[4] == '-' && s[7] == '-';
    if (dashed || s.size() == 8) {
        const std::size_t step = dashed ? 1 : 0;
        const auto y = digits(s, 0, 4), m = digits(s, 4 + step, 2), d = digits(s, 6 + 2 * step, 2);
        if (y && m && d) {
            return Ymd{*y, *m, *d};
        }
    }
    if (const auto date = DateTime::parseShortDate(s)) {
        return Ymd{date->year(), date->month(), date->day()};
    }
    return std::nullopt;
}

struct HourMinute {
    int hour = 0, minute = 0;
};

// "07:05:00", "070500", "07:05", "0705" or "07", with or without a zone ("Z", "+01:00"),
// which is dropped: the program keeps the time of birth as the clock showed it.
std::optional<HourMinute> parseTime(std::string_view s) {
    if (const auto zone = s.find_first_of("Zz+-"); zone != std::string_view::npos) {
        s = s.substr(0, zone);
    }
    if (const auto fraction = s.find_first_of(".,"); fraction != std::string_view::npos) {
        s = s.substr(0, fraction);
    }
    std::string packed;
    for (const char c : s) {
        if (c != ':') {
            packed += c;
        }
    }
    if (packed.size() != 2 && packed.size() != 4 && packed.size() != 6) {
        return std::nullopt;
    }
    const auto h = digits(packed, 0, 2);
    const auto m = packed.size() >= 4 ? digits(packed, 2, 2) : std::optional<int>(0);
    const auto sec = packed.size() == 6 ? digits(packed, 4, 2) : std::optional<int>(0);
    if (!h || !m || !sec || *h > 23 || *m > 59 || *sec > 59) {
        return std::nullopt;
    }
    return HourMinute{*h, *m};
}

// Fills the date and time of birth, or says why the card has none to use.
std::optional<CardSkip> readBirthday(const ContentLine& line, Person& p) {
    if (asciiUpper(line.param("VALUE")) == "TEXT") {
        return CardSkip::BadBirthDate; // free text such as "circa 1800"
    }
    const std::string_view value = trimBlanks(line.value);
    const auto t = value.find_first_of("Tt");
    const std::string_view datePart = value.substr(0, t);
    if (datePart.starts_with("--")) {
        return CardSkip::NoBirthYear;
    }
    const auto ymd = parseDate(datePart);
    if (!ymd) {
        return CardSkip::BadBirthDate;
    }
    // Apple's address book writes a birthday without a year in a placeholder year.
    if (const std::string omitted = line.param("X-APPLE-OMIT-YEAR");
        !omitted.empty() && omitted == std::to_string(ymd->year)) {
        return CardSkip::NoBirthYear;
    }
    const auto date = DateTime::fromDate(ymd->year, ymd->month, ymd->day);
    if (!date) {
        return CardSkip::BadBirthDate;
    }
    p.birthDate = *date;
    if (t != std::string_view::npos) {
        const auto time = parseTime(value.substr(t + 1));
        if (!time) {
            return CardSkip::BadBirthDate;
        }
        p.exactTime = true;
        p.birthHour = time->hour;
        p.birthMinute = time->minute;
    }
    return std::nullopt;
}

bool storableIn1250(std::string_view text) {
    return decode1250(encode1250(text)) == text;
}

// Control characters (a line break decoded from "=0D=0A") become blanks; blanks at the
// ends go, and the rest is cut to the entry fields' length.
std::string personName(std::string_view text) {
    std::string name(trimBlanks(text));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return std::string(trimBlanks(cutChars(trimBlanks(name), kPersonNameLimit)));
}

struct Card {
    std::optional<ContentLine> n, fn, bday, gender;

    // The first of each property counts.
    void take(ContentLine&& line) {
        std::optional<ContentLine>* slot = nullptr;
        if (line.name == "N") {
            slot = &n;
        } else if (line.name == "FN") {
            slot = &fn;
        } else if (line.name == "BDAY") {
            slot = &bday;
        } else if (line.name == "GENDER" || line.name == "X-GENDER") {
            slot = &gender;
        }
        if (slot && !*slot) {
            *slot = std::move(line);
        }
    }
};

std::variant<Person, CardSkip> personOfCard(const Card& card) {
    if (!card.bday || trimBlanks(card.bday->value).empty()) {
        return CardSkip::NoBirthDate;
    }
    Person p;
    if (const auto skip = readBirthday(*card.bday, p)) {
        return *skip;
    }
    if (card.n) {
        const auto text = decodedText(*card.n);
        if (!text) {
            return CardSkip::UnknownCharset;
        }
        const auto parts = unescapedText(*text, true);
        p.surname = personName(parts[0]);
        p.firstName = parts.size() > 1 ? personName(parts[1]) : std::string();
    }
    // Without both parts in N, the formatted name splits before its last word.
    if ((p.firstName.empty() || p.surname.empty()) && card.fn) {
        const auto text = decodedText(*card.fn);
        if (!text) {
            return CardSkip::UnknownCharset;
        }
        const std::string full(trimBlanks(unescapedText(*text, false)[0]));
        if (const auto blank = full.rfind(' '); blank != std::string::npos) {
            p.firstName = personName(full.substr(0, blank));
            p.surname = personName(full.substr(blank + 1));
        }
    }
    if (p.firstName.empty() || p.surname.empty()) {
        return CardSkip::NoName;
    }
    if (!storableIn1250(p.firstName) || !storableIn1250(p.surname)) {
        return CardSkip::NameNotStorable;
    }
    if (card.gender) {
        const std::string_view g = trimBlanks(card.gender->value);
        const char first = g.empty() ? ' ' : g[0];
        p.sex = (first == 'M' || first == 'm') ? 0 : (first == 'F' || first == 'f') ? 1 : -1;
    }
    return p;
}

bool hasBinaryBytes(std::string_view bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F) {
            return true;
        }
    }
    return false;
}

bool isVCardMarker(const ContentLine& line, std::string_view name) {
    return line.name == name && asciiUpper(trimBlanks(line.value)) == "VCARD";
}

Error damaged(std::string reason) {
    return Error{"", std::move(reason)};
}

// ---- writing ----------------------------------------------------------------------------

std::string escapedText(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    return lead >= 0xC0 ? 2 : 1;
}

// Folds before the octet that would pass kFoldAt, never inside a character.
void appendFolded(std::string& out, std::string_view line) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length =
            std::min(utf8Length(static_cast<unsigned char>(line[i])), line.size() - i);
        if (width + length > kFoldAt) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line.substr(i, length));
        width += length;
        i += length;
    }
    out += "\r\n";
}

std::string birthdayValue(const Person& p) {
    std::string value = p.birthDate.format("yyyyMMdd");
    if (p.exactTime) {
        char time[16];
        std::snprintf(time, sizeof time, "T%02d%02d00", p.birthHour, p.birthMinute);
        value += time;
    }
    return value;
}

} // namespace

const char* cardSkipText(CardSkip skip) {
    switch (skip) {
    case CardSkip::NoBirthDate:
        return "bez data narození";
    case CardSkip::NoBirthYear:
        return "datum narození bez roku";
    case CardSkip::BadBirthDate:
        return "neplatné datum narození";
    case CardSkip::FutureBirthDate:
        return "datum narození v budoucnosti";
    case CardSkip::NoName:
        return "chybí jméno nebo příjmení";
    case CardSkip::NameNotStorable:
        return "jméno obsahuje písmena, která program neumí uložit";
    case CardSkip::UnknownCharset:
        return "neznámá znaková sada";
    }
    return "";
}

Result<VCardCards> parseVCards(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (hasBinaryBytes(bytes)) {
        return damaged("soubor obsahuje binární data, nejde o vizitky vCard");
    }
    VCardCards out;
    int depth = 0; // cards may nest (vCard 2.1 AGENT); only the outer one counts
    int cardStart = 0;
    int cards = 0;
    Card card;
    for (const LogicalLine& l : unfold(splitTextLines(bytes))) {
        if (trimBlanks(l.text).empty()) {
            continue;
        }
        auto line = parseContentLine(l.text);
        if (line && isVCardMarker(*line, "BEGIN")) {
            if (depth++ == 0) {
                cardStart = l.number;
                card = Card{};
            }
        } else if (line && isVCardMarker(*line, "END")) {
            if (depth == 0) {
                return damaged("řádek " + std::to_string(l.number) +
                               " ukončuje vizitku, která nezačala; soubor je poškozený");
            }
            if (--depth == 0) {
                ++cards;
                auto person = personOfCard(card);
                if (auto* skip = std::get_if<CardSkip>(&person)) {
                    out.skipped.push_back(*skip);
                } else {
                    out.persons.push_back(std::move(std::get<Person>(person)));
                }
            }
        } else if (depth == 0) {
            return damaged("řádek " + std::to_string(l.number) +
                           " nepatří k žádné vizitce; nejde o soubor vCard");
        } else if (line && depth == 1) {
            card.take(std::move(*line));
        }
    }
    if (depth > 0) {
        return damaged("vizitka od řádku " + std::to_string(cardStart) +
                       " nemá konec (END:VCARD); soubor je zřejmě neúplný");
    }
    if (cards == 0) {
        return damaged("soubor neobsahuje žádnou vizitku vCard");
    }
    return out;
}

Result<VCardCards> readVCardFile(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        return systemError(file.string(), ec.value());
    }
    if (size > kVCardMaxBytes) {
        const double megabytes = std::round(static_cast<double>(size) / (1 << 20) * 10) / 10;
        return Error{file.string(), "soubor je příliš velký (" + czechNumber(megabytes) +
                                        " MB); načíst lze soubor nejvýše do " +
                                        std::to_string(kVCardMaxBytes >> 20) + " MB"};
    }
    auto bytes = readFileBytes(file);
    if (!bytes) {
        return bytes.error();
    }
    auto cards = parseVCards(*bytes);
    if (!cards) {
        return Error{file.string(), cards.error().reason};
    }
    return cards;
}

std::string formatVCards(const std::vector<Person>& persons) {
    std::string out;
    for (const Person& p : persons) {
        appendFolded(out, "BEGIN:VCARD");
        appendFolded(out, "VERSION:4.0");
        appendFolded(out, "N:" + escapedText(p.surname) + ";" + escapedText(p.firstName) + ";;;");
        appendFolded(out, "FN:" + escapedText(p.firstName + " " + p.surname));
        appendFolded(out, "BDAY:" + birthdayValue(p));
        if (p.sex == 0 || p.sex == 1) {
            appendFolded(out, p.sex == 0 ? "GENDER:M" : "GENDER:F");
        }
        appendFolded(out, "END:VCARD");
    }
    return out;
}

} // namespace tarvenik
