#include "tools/mkdata/sources.h"

#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace tarvenik::mkdata {

namespace {

// The source keys, in the order of kNameFields.
constexpr std::array<const char*, 12> kNameKeys{"jméno",   "druh",     "podoba",      "domácí",
                                                "původ",   "význam",   "užívání",     "varianta",
                                                "jmeniny", "kalendář", "jiné podoby", "zdroj"};

std::string hexCodePoint(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

// Sets `value` to the text after "key: "; false when the line is not of that key.
bool takeValue(std::string_view line, std::string_view key, std::string& value) {
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ':') {
        return false;
    }
    line.remove_prefix(key.size() + 1);
    if (!line.empty() && line.front() == ' ') {
        line.remove_prefix(1);
    }
    value = line;
    return true;
}

void checkNameRecord(const NameRecord& record, std::size_t firstLine, char letter,
                     Problems& problems) {
    for (std::size_t i = 0; i < kNameFields.size(); ++i) {
        const std::string& value = record.*kNameFields[i].member;
        const std::size_t n = charCount(value);
        if (n > kNameFields[i].maxChars) {
            problems.push_back({firstLine + i, std::string(kNameKeys[i]) + ": " +
                                                   std::to_string(n) + " characters, at most " +
                                                   std::to_string(kNameFields[i].maxChars)});
        }
        if (value.empty()) {
            problems.push_back(
                {firstLine + i, std::string(kNameKeys[i]) + ": empty value; write --- for none"});
        }
    }
    if (record.name.empty()) {
        return;
    }
    std::size_t pos = 0;
    const std::string fileLetter = nameLetter(nextCodePoint(record.name, pos));
    if (fileLetter.size() != 1 || fileLetter[0] < 'A' || fileLetter[0] > 'Z') {
        problems.push_back({firstLine, "the name " + record.name +
                                           " cannot be filed: there is no file for " + fileLetter});
    } else if (fileLetter[0] != letter) {
        problems.push_back({firstLine, "the name " + record.name + " belongs in " + fileLetter +
                                           ".txt, not in " + std::string(1, letter) + ".txt"});
    }
}

} // namespace

void checkEncodable(std::string_view utf8, Problems& problems) {
    std::size_t line = 1;
    std::size_t column = 1;
    std::size_t reportedLine = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++column) {
        const std::size_t start = pos;
        const char32_t cp = nextCodePoint(utf8, pos);
        if (cp == U'\n') {
            ++line;
            column = 0;
            continue;
        }
        std::string one;
        appendUtf8(one, cp);
        const bool malformed = cp == 0xFFFD && pos - start == 1;
        const bool unmapped = cp != U'?' && encode1250(one) == "?";
        if ((malformed || unmapped) && reportedLine != line) {
            reportedLine = line;
            problems.push_back(
                {line, "column " + std::to_string(column) + ": " +
                           (malformed ? std::string("malformed UTF-8")
                                      : hexCodePoint(cp) + " is not a Windows-1250 character")});
        }
    }
}

std::string runtimeText(std::string_view utf8) {
    std::string text;
    for (const std::string& line : splitTextLines(utf8)) {
        text += line;
        text += "\r\n";
    }
    return encode1250(text);
}

std::vector<NameRecord> parseNamesSource(std::string_view utf8, char letter, Problems& problems) {
    const std::vector<std::string> lines = splitTextLines(utf8);
    std::vector<NameRecord> records;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i].empty()) {
            ++i;
            continue;
        }
        const std::size_t first = i;
        while (i < lines.size() && !lines[i].empty()) {
            ++i;
        }
        const std::size_t count = i - first;
        if (count != kNameKeys.size()) {
            problems.push_back({first + 1, "a record of " + std::to_string(count) +
                                               " lines; a record is 12 lines, jméno to zdroj"});
            continue;
        }
        NameRecord record;
        bool wellFormed = true;
        for (std::size_t k = 0; k < count; ++k) {
            if (!takeValue(lines[first + k], kNameKeys[k], record.*kNameFields[k].member)) {
                problems.push_back({first + k + 1, std::string("expected \"") + kNameKeys[k] +
                                                       ": …\" as line " + std::to_string(k + 1) +
                                                       " of the record"});
                wellFormed = false;
            }
        }
        if (wellFormed) {
            checkNameRecord(record, first + 1, letter, problems);
            records.push_back(std::move(record));
        }
    }
    return records;
}

std::vector<DreamLine> parseDreamsSource(std::string_view utf8, Problems& problems) {
    const std::vector<std::string> lines = splitTextLines(utf8);
    std::vector<DreamLine> out;
    std::map<std::string, std::size_t> firstLineOfTitle;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t lineNo = i + 1;
        if (std::count(line.begin(), line.end(), ';') != 4 || line.back() != ';') {
            problems.push_back({lineNo, "expected four fields, each closed by ';': "
                                        "title;refinement;meaning;source;"});
            continue;
        }
        DreamLine parsed = parseDreamLine(line);
        // The reader cuts; the source must fit, so read the raw fields for the limits.
        const std::size_t a = line.find(';');
        const std::size_t b = line.find(';', a + 1);
        const std::size_t c = line.find(';', b + 1);
        parsed.refinement = line.substr(a + 1, b - a - 1);
        parsed.source = line.substr(c + 1, line.size() - c - 2);
        const auto formatted = formatDreamLine(parsed);
        if (!formatted) {
            problems.push_back({lineNo, formatted.error().reason});
            continue;
        }
        if (*formatted != line) {
            problems.push_back({lineNo, "the meaning's commas would not read back as written"});
            continue;
        }
        const bool continues = !out.empty() && out.back().title == parsed.title;
        const auto [it, isNew] = firstLineOfTitle.emplace(parsed.title, lineNo);
        if (!isNew && !continues) {
            problems.push_back({lineNo, "the title " + parsed.title + " is also at line " +
                                            std::to_string(it->second) +
                                            "; lines of one title stand next to each other"});
            continue;
        }
        out.push_back(std::move(parsed));
    }
    return out;
}

} // namespace tarvenik::mkdata
