#include "data/namedays.h"

#include "data/textlines.h"
#include "platform/atomicfile.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <algorithm>
#include <charconv>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

std::optional<int> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

bool contains(std::string_view haystack, std::string_view needle) {
    return !needle.empty() && haystack.find(needle) != std::string_view::npos;
}

bool matches(const std::string& value, const NameDayQuery& q) {
    if (q.exact) {
        return q.caseSensitive ? value == q.text : asciiUpper(value) == asciiUpper(q.text);
    }
    return q.caseSensitive ? contains(value, q.text)
                           : contains(asciiUpper(value), asciiUpper(q.text));
}

} // namespace

const char* nameDayFileName(NameDayFile file) {
    return file == NameDayFile::Standard ? "Svatky.ini" : "SvatkyEx.ini";
}

fs::path nameDayPath(const fs::path& appFolder, NameDayFile file) {
    return appFolder / nameDayFileName(file);
}

std::string nameDayKey(DateTime date) {
    return date.format("d.M.");
}

std::optional<DayMonth> parseNameDayKey(std::string_view key) {
    key = trimBlanks(key);
    const auto dot1 = key.find('.');
    if (dot1 == std::string_view::npos) {
        return std::nullopt;
    }
    const auto dot2 = key.find('.', dot1 + 1);
    if (dot2 == std::string_view::npos || dot2 + 1 != key.size()) {
        return std::nullopt;
    }
    const auto day = smallNumber(key.substr(0, dot1));
    const auto month = smallNumber(key.substr(dot1 + 1, dot2 - dot1 - 1));
    if (!day || !month || !isValidDate(2000, *month, *day)) {
        return std::nullopt;
    }
    return DayMonth{*day, *month};
}

Result<std::optional<std::string>> namesForDate(const fs::path& appFolder, DateTime date) {
    const auto bytes =
        readFileBytes(nameDayPath(appFolder, NameDayFile::Standard), kMaxListFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    return IniDocument::fromBytes(*bytes).value(kNameDaySection, nameDayKey(date));
}

namespace {

// How well a calendar line names a first name. Any occurrence in the line counts, as the
// calendar has always been searched; but a line that names the person's own name beats one
// where it is only part of a longer name ("Petr" in "Petra", "Jan" in "Mistr Jan Hus").
enum class Fit { None, Part, Word, Whole };

bool isLetter(char32_t c) {
    return upperOf(c) != c || lowerOf(c) != c;
}

// The occurrence at byte `at` stands alone: no letter right before or after it.
bool wordAt(std::string_view text, std::size_t at, std::size_t length) {
    char32_t previous = U' ';
    for (std::size_t pos = 0; pos < at;) {
        previous = nextCodePoint(text, pos);
    }
    std::size_t after = at + length;
    const char32_t next = after < text.size() ? nextCodePoint(text, after) : U' ';
    return !isLetter(previous) && !isLetter(next);
}

Fit fitOf(std::string_view upperLine, std::string_view name) {
    if (name.empty() || upperLine.find(name) == std::string_view::npos) {
        return Fit::None;
    }
    const auto eq = upperLine.find('=');
    const std::string_view names =
        eq == std::string_view::npos ? std::string_view{} : upperLine.substr(eq + 1);
    if (trimBlanks(names) == name) {
        return Fit::Whole;
    }
    for (auto at = names.find(name); at != std::string_view::npos; at = names.find(name, at + 1)) {
        if (wordAt(names, at, name.size())) {
            return Fit::Word;
        }
    }
    return Fit::Part;
}

} // namespace

Result<NameDayMatches> nameDayOfName(const fs::path& appFolder, std::string_view firstName,
                                     std::string_view secondName) {
    auto lines = readTextLines(nameDayPath(appFolder, NameDayFile::Standard));
    if (!lines) {
        return lines.error();
    }
    NameDayMatches result;
    const std::string first = fullUpper(firstName);
    const std::string second = fullUpper(secondName);
    Fit bestFirst = Fit::None;
    Fit bestSecond = Fit::None;
    for (const std::string& line : *lines) {
        const std::string upper = fullUpper(line);
        const Fit fitFirst = fitOf(upper, first);
        const Fit fitSecond = fitOf(upper, second);
        if (fitFirst == Fit::None && fitSecond == Fit::None) {
            continue;
        }
        // A line without a real "d.m." key (the header, a stray note) names no day, so it
        // must not replace an earlier valid match.
        const auto eq = line.find('=');
        const auto day = parseNameDayKey(std::string_view(line).substr(0, eq));
        if (!day) {
            continue;
        }
        // Among lines that fit equally well, the last one wins.
        if (fitFirst != Fit::None && fitFirst >= bestFirst) {
            result.first = day;
            bestFirst = fitFirst;
        }
        if (fitSecond != Fit::None && fitSecond >= bestSecond) {
            result.second = day;
            bestSecond = fitSecond;
        }
    }
    return result;
}

Result<std::vector<NameDayEntry>> loadNameDayEntries(const fs::path& appFolder, NameDayFile file) {
    auto lines = readTextLines(nameDayPath(appFolder, file));
    if (!lines) {
        return lines.error();
    }
    std::vector<NameDayEntry> entries;
    for (std::size_t i = 1; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            entries.push_back({"", ""});
        } else {
            entries.push_back({line.substr(0, eq), line.substr(eq + 1)});
        }
    }
    return entries;
}

std::vector<NameDayEntry> filterNameDayEntries(std::vector<NameDayEntry> entries,
                                               const NameDayQuery& query) {
    std::erase_if(entries, [&](const NameDayEntry& e) {
        return !matches(query.field == NameDayField::Names ? e.names : e.key, query);
    });
    return entries;
}

Result<std::vector<NameDayEntry>> filterNameDayEntries(const fs::path& appFolder, NameDayFile file,
                                                       const NameDayQuery& query) {
    auto entries = loadNameDayEntries(appFolder, file);
    if (!entries) {
        return entries.error();
    }
    return filterNameDayEntries(std::move(entries).value(), query);
}

} // namespace tarvenik
