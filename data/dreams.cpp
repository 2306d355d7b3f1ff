#include "data/dreams.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvenik {

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find(from, start)) != std::string_view::npos;
         start = pos + from.size()) {
        out.append(text.substr(start, pos - start));
        out.append(to);
    }
    out.append(text.substr(start));
    return out;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

char asciiUpperChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
}

// Byte by byte, which in UTF-8 folds a to z and leaves every other letter as it is.
bool fieldMatches(std::string_view field, const DreamSearch& search) {
    const std::string_view text = search.text;
    if (search.caseSensitive) {
        return search.exact ? field == text : field.find(text) != std::string_view::npos;
    }
    const auto same = [](char a, char b) { return asciiUpperChar(a) == asciiUpperChar(b); };
    if (search.exact) {
        return std::equal(field.begin(), field.end(), text.begin(), text.end(), same);
    }
    return std::search(field.begin(), field.end(), text.begin(), text.end(), same) != field.end();
}

} // namespace

std::string DreamEntry::storedTitle() const {
    return cutChars(title, kDreamTitleChars);
}

DreamLine parseDreamLine(std::string_view line) {
    const auto field = [&line]() -> std::string_view {
        const std::size_t end = line.find(';');
        if (end == std::string_view::npos) {
            return {};
        }
        const std::string_view f = line.substr(0, end);
        line.remove_prefix(end + 1);
        return f;
    };
    DreamLine out;
    out.title = field();
    out.refinement = cutChars(field(), kDreamRefinementChars);
    out.meaning = replaceAll(field(), ",,", ";");
    out.source = cutChars(field(), kDreamSourceChars);
    return out;
}

std::vector<DreamLine> parseDreamFile(std::string_view bytes) {
    std::vector<DreamLine> lines;
    for (const std::string& line : splitTextLines(decode1250(bytes))) {
        lines.push_back(parseDreamLine(line));
    }
    return lines;
}

std::optional<std::size_t> DreamGrouper::add(const DreamLine& line) {
    if (line.title != m_lastTitle) {
        m_lastTitle = line.title;
        m_entries.push_back(DreamEntry{line.title, {}});
    } else if (m_entries.empty()) {
        return std::nullopt;
    }
    m_entries.back().subEntries.push_back({line.refinement, line.meaning, line.source});
    return m_entries.size() - 1;
}

std::vector<DreamEntry> groupDreamEntries(const std::vector<DreamLine>& lines) {
    DreamGrouper grouper;
    for (const DreamLine& line : lines) {
        (void)grouper.add(line);
    }
    return grouper.takeEntries();
}

std::string dreamLetterItem(char letter) {
    return std::string("  ") + letter + "  ";
}

std::filesystem::path dreamFilePath(const std::filesystem::path& appFolder, char letter) {
    return appFolder / "Data" / "Sny" / (std::string("Sny") + letter + ".txt");
}

Result<std::vector<DreamLine>> readDreamFile(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return bytes.error();
    }
    return parseDreamFile(*bytes);
}

Result<std::vector<DreamEntry>> loadDreamLetter(const std::filesystem::path& appFolder,
                                                char letter) {
    auto lines = readDreamFile(dreamFilePath(appFolder, letter));
    if (!lines) {
        return lines.error();
    }
    return groupDreamEntries(*lines);
}

std::string dreamCountText(std::size_t count) {
    return "Nalezeno " + std::to_string(count) + " záznamů.";
}

std::optional<std::string> dreamSearchRefusal(const DreamSearch& search) {
    if (search.text.empty() || search.fields.empty()) {
        return "Není co hledat!";
    }
    return std::nullopt;
}

bool dreamLineMatches(const DreamLine& line, const DreamSearch& search) {
    return std::any_of(search.fields.begin(), search.fields.end(), [&](DreamField field) {
        switch (field) {
        case DreamField::Title:
            return fieldMatches(cutChars(line.title, kDreamTitleChars), search);
        case DreamField::Refinement:
            return fieldMatches(line.refinement, search);
        case DreamField::Meaning:
            return fieldMatches(line.meaning, search);
        case DreamField::Source:
            return fieldMatches(line.source, search);
        }
        return false;
    });
}

Result<std::vector<DreamEntry>> Hledej(const std::filesystem::path& appFolder,
                                       const DreamSearch& search) {
    DreamGrouper grouper;
    std::vector<bool> found; // per entry of the grouper
    for (const char letter : kDreamLetters) {
        const auto lines = readDreamFile(dreamFilePath(appFolder, letter));
        if (!lines) {
            return lines.error();
        }
        for (const DreamLine& line : *lines) {
            const auto entry = grouper.add(line);
            if (!entry) {
                continue;
            }
            found.resize(grouper.entries().size());
            if (!found[*entry] && dreamLineMatches(line, search)) {
                found[*entry] = true;
            }
        }
    }
    std::vector<DreamEntry> entries = grouper.takeEntries();
    std::vector<DreamEntry> result;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (found[i]) {
            result.push_back(std::move(entries[i]));
        }
    }
    return result;
}

Result<std::string> formatDreamLine(const DreamLine& line) {
    const auto fail = [](std::string reason) { return Error{{}, std::move(reason)}; };
    if (line.title.empty()) {
        return fail("empty title");
    }
    const struct {
        const std::string& text;
        std::size_t limit;
        const char* what;
    } cut[] = {{line.title, kDreamTitleChars, "title"},
               {line.refinement, kDreamRefinementChars, "refinement"},
               {line.source, kDreamSourceChars, "source"}};
    for (const auto& f : cut) {
        if (charCount(f.text) > f.limit) {
            return fail(std::string(f.what) + " longer than " + std::to_string(f.limit) +
                        " characters");
        }
        if (f.text.find(';') != std::string::npos) {
            return fail(std::string("';' in the ") + f.what);
        }
    }
    for (const std::string* f : {&line.title, &line.refinement, &line.meaning, &line.source}) {
        if (hasLineBreak(*f)) {
            return fail("line break inside a field");
        }
    }
    // ";" is written ",,"; a comma next to one, or two commas, would read back differently.
    for (const char* bad : {",,", ",;", ";,"}) {
        if (line.meaning.find(bad) != std::string::npos) {
            return fail(std::string("the meaning holds \"") + bad + "\", which cannot be written");
        }
    }
    return line.title + ';' + line.refinement + ';' + replaceAll(line.meaning, ";", ",,") + ';' +
           line.source + ';';
}

Result<std::string> encodeDreamFile(const std::vector<DreamLine>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto formatted = formatDreamLine(lines[i]);
        if (!formatted) {
            return Error{"line " + std::to_string(i + 1), formatted.error().reason};
        }
        text += *formatted;
        text += "\r\n";
    }
    return encode1250(text);
}

} // namespace tarvenik
