#include "data/dreams.h"

#include "platform/atomicfile.h"
#include "platform/text.h"
#include "platform/textmatch.h"

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

// A line's four fields as the file holds them: the title whole, the others not yet cut,
// the meaning with its ",," still in.
struct RawFields {
    std::string_view title;
    std::string_view refinement;
    std::string_view meaning;
    std::string_view source;
};

RawFields splitFields(std::string_view line) {
    const auto field = [&line]() -> std::string_view {
        const std::size_t end = line.find(';');
        if (end == std::string_view::npos) {
            return {};
        }
        const std::string_view f = line.substr(0, end);
        line.remove_prefix(end + 1);
        return f;
    };
    RawFields f;
    f.title = field();
    f.refinement = field();
    f.meaning = field();
    f.source = field();
    return f;
}

std::string meaningOf(std::string_view raw) {
    return replaceAll(raw, ",,", ";");
}

// The fields in their stored form: the title, refinement and source cut, the meaning with
// its ";" back.
bool storedFieldsMatch(const TextMatcher& matches, const std::vector<DreamField>& fields,
                       std::string_view title, std::string_view refinement,
                       std::string_view meaning, std::string_view source) {
    return std::any_of(fields.begin(), fields.end(), [&](DreamField field) {
        switch (field) {
        case DreamField::Title:
            return matches(title);
        case DreamField::Refinement:
            return matches(refinement);
        case DreamField::Meaning:
            return matches(meaning);
        case DreamField::Source:
            return matches(source);
        }
        return false;
    });
}

// A line in the file's own bytes, where a character is a byte.
bool fileLineMatches(const RawFields& f, const TextMatcher& matches,
                     const std::vector<DreamField>& fields) {
    const auto title = f.title.substr(0, kDreamTitleChars);
    const auto refinement = f.refinement.substr(0, kDreamRefinementChars);
    const auto source = f.source.substr(0, kDreamSourceChars);
    if (f.meaning.find(",,") == std::string_view::npos) {
        return storedFieldsMatch(matches, fields, title, refinement, f.meaning, source);
    }
    return storedFieldsMatch(matches, fields, title, refinement, meaningOf(f.meaning), source);
}

} // namespace

std::string DreamEntry::storedTitle() const {
    return cutChars(title, kDreamTitleChars);
}

DreamLine parseDreamLine(std::string_view line) {
    const RawFields f = splitFields(line);
    return {std::string(f.title), cutChars(f.refinement, kDreamRefinementChars),
            meaningOf(f.meaning), cutChars(f.source, kDreamSourceChars)};
}

std::vector<DreamLine> parseDreamFile(std::string_view bytes) {
    std::vector<DreamLine> lines;
    forEachTextLine(decode1250(bytes),
                    [&lines](std::string_view line) { lines.push_back(parseDreamLine(line)); });
    return lines;
}

DreamGrouper::Place DreamGrouper::place(std::string_view title) {
    if (title != m_lastTitle) {
        m_lastTitle = title;
        m_started = true;
        return Place::New;
    }
    return m_started ? Place::Current : Place::None;
}

std::optional<std::size_t> DreamGrouper::add(DreamLine line) {
    switch (place(line.title)) {
    case Place::None:
        return std::nullopt;
    case Place::New:
        m_entries.push_back(DreamEntry{std::move(line.title), {}});
        break;
    case Place::Current:
        break;
    }
    m_entries.back().subEntries.push_back(
        {std::move(line.refinement), std::move(line.meaning), std::move(line.source)});
    return m_entries.size() - 1;
}

std::vector<DreamEntry> groupDreamEntries(std::vector<DreamLine> lines) {
    DreamGrouper grouper;
    for (DreamLine& line : lines) {
        (void)grouper.add(std::move(line));
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
    auto bytes = readFileBytes(path, kMaxListFileBytes);
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
    return groupDreamEntries(std::move(lines).value());
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
    const TextMatcher matches(search.text, search.exact, search.caseSensitive);
    return storedFieldsMatch(matches, search.fields, firstChars(line.title, kDreamTitleChars),
                             line.refinement, line.meaning, line.source);
}

Result<std::vector<DreamEntry>> Hledej(const std::filesystem::path& appFolder,
                                       const DreamSearch& search) {
    // The lines are matched in the files' own bytes, where they lie, and only the entries
    // found are decoded. The files therefore stay in memory to the end, as an entry may go
    // on into the next letter.
    const bool possible = charactersOutside1250(search.text).empty();
    const TextMatcher matches(encode1250(search.text), search.exact, search.caseSensitive);
    std::vector<std::string> files;
    files.reserve(kDreamLetters.size()); // no reallocation: the lines must stay valid
    DreamGrouper grouper;
    std::vector<std::string_view> entry; // the lines of the entry being read
    bool entryFound = false;
    std::vector<DreamEntry> found;
    const auto endEntry = [&] {
        if (entryFound) {
            DreamEntry e;
            for (const std::string_view line : entry) {
                DreamLine l = parseDreamLine(decode1250(line));
                e.title = std::move(l.title); // the same on every line
                e.subEntries.push_back(
                    {std::move(l.refinement), std::move(l.meaning), std::move(l.source)});
            }
            found.push_back(std::move(e));
        }
        entry.clear();
        entryFound = false;
    };
    for (const char letter : kDreamLetters) {
        auto bytes = readFileBytes(dreamFilePath(appFolder, letter), kMaxListFileBytes);
        if (!bytes) {
            return bytes.error();
        }
        files.push_back(std::move(bytes).value());
        forEachTextLine(files.back(), [&](std::string_view line) {
            const RawFields f = splitFields(line);
            const DreamGrouper::Place place = grouper.place(f.title);
            if (place == DreamGrouper::Place::None) {
                return;
            }
            if (place == DreamGrouper::Place::New) {
                endEntry();
            }
            entry.push_back(line);
            entryFound = entryFound || (possible && fileLineMatches(f, matches, search.fields));
        });
    }
    endEntry();
    return found;
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
