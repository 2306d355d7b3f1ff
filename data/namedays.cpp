#include "data/namedays.h"

#include "platform/atomicfile.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

// The file's lines, decoded from Windows-1250; any line end counts.
Result<std::vector<std::string>> readLines(const fs::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return bytes.error();
    }
    return IniDocument::fromBytes(*bytes).lines();
}

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

bool nameDayFileExists(const fs::path& appFolder, NameDayFile file) {
    std::error_code ec;
    return fs::is_regular_file(nameDayPath(appFolder, file), ec);
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

Result<std::string> namesForDate(const fs::path& appFolder, DateTime date) {
    if (!nameDayFileExists(appFolder, NameDayFile::Standard)) {
        return std::string(kNameDayFileMissing);
    }
    auto doc = loadIni(nameDayPath(appFolder, NameDayFile::Standard));
    if (!doc) {
        return doc.error();
    }
    return doc->readString(kNameDaySection, nameDayKey(date), kNameDayKeyMissing);
}

Result<NameDayMatches> nameDayOfName(const fs::path& appFolder, std::string_view firstName,
                                     std::string_view secondName) {
    NameDayMatches result;
    if (!nameDayFileExists(appFolder, NameDayFile::Standard)) {
        return result;
    }
    auto lines = readLines(nameDayPath(appFolder, NameDayFile::Standard));
    if (!lines) {
        return lines.error();
    }
    result.fileFound = true;
    const std::string first = fullUpper(firstName);
    const std::string second = fullUpper(secondName);
    for (const std::string& line : *lines) {
        const std::string upper = fullUpper(line);
        const bool hitFirst = contains(upper, first);
        const bool hitSecond = contains(upper, second);
        if (!hitFirst && !hitSecond) {
            continue;
        }
        // A line without a real "d.m." key (the header, a stray note) names no day, so it
        // must not replace an earlier valid match.
        const auto eq = line.find('=');
        const auto day = parseNameDayKey(std::string_view(line).substr(0, eq));
        if (!day) {
            continue;
        }
        if (hitFirst) {
            result.first = day;
        }
        if (hitSecond) {
            result.second = day;
        }
    }
    return result;
}

Result<std::vector<NameDayEntry>> loadNameDayEntries(const fs::path& appFolder, NameDayFile file) {
    auto lines = readLines(nameDayPath(appFolder, file));
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
