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

DreamSubEntry subEntryOf(const RawFields& f) {
    return {std::string(firstChars(f.refinement, kDreamRefinementChars)), meaningOf(f.meaning),
            std::string(firstChars(f.source, kDreamSourceChars))};
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

// The fields in their stored form, but for the title, which is cut here.
bool fieldsMatch(std::string_view title, std::string_view refinement, std::string_view meaning,
                 std::string_view source, const DreamSearch& search) {
    return std::any_of(search.fields.begin(), search.fields.end(), [&](DreamField field) {
        switch (field) {
        case DreamField::Title:
            return fieldMatches(firstChars(title, kDreamTitleChars), search);
        case DreamField::Refinement:
            return fieldMatches(refinement, search);
        case DreamField::Meaning:
            return fieldMatches(meaning, search);
        case DreamField::Source:
            return fieldMatches(source, search);
        }
        return false;
    });
}

bool rawMatches(const RawFields& f, const DreamSearch& search) {
    const auto refinement = firstChars(f.refinement, kDreamRefinementChars);
    const auto source = firstChars(f.source, kDreamSourceChars);
    if (f.meaning.find(",,") == std::string_view::npos) {
        return fieldsMatch(f.title, refinement, f.meaning, source, search);
    }
    return fieldsMatch(f.title, refinement, meaningOf(f.meaning), source, search);
}

} // namespace

std::string DreamEntry::storedTitle() const {
    return cutChars(title, kDreamTitleChars);
}

DreamLine parseDreamLine(std::string_view line) {
    const RawFields f = splitFields(line);
    DreamSubEntry sub = subEntryOf(f);
    return {std::string(f.title), std::move(sub.refinement), std::move(sub.meaning),
            std::move(sub.source)};
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
    return fieldsMatch(line.title, line.refinement, line.meaning, line.source, search);
}

Result<std::vector<DreamEntry>> Hledej(const std::filesystem::path& appFolder,
                                       const DreamSearch& search) {
    // The lines are looked at where they lie in the decoded files, which therefore stay in
    // memory to the end (an entry may go on into the next letter); only the entries found
    // are copied out.
    std::vector<std::string> texts;
    texts.reserve(kDreamLetters.size()); // no reallocation: the views must stay valid
    DreamGrouper grouper;
    std::vector<RawFields> entry;
    bool entryFound = false;
    std::vector<DreamEntry> found;
    const auto endEntry = [&] {
        if (entryFound) {
            DreamEntry e{std::string(entry.front().title), {}};
            for (const RawFields& f : entry) {
                e.subEntries.push_back(subEntryOf(f));
            }
            found.push_back(std::move(e));
        }
        entry.clear();
        entryFound = false;
    };
    for (const char letter : kDreamLetters) {
        const auto bytes = readFileBytes(dreamFilePath(appFolder, letter));
        if (!bytes) {
            return bytes.error();
        }
        texts.push_back(decode1250(*bytes));
        forEachTextLine(texts.back(), [&](std::string_view line) {
            const RawFields f = splitFields(line);
            const DreamGrouper::Place place = grouper.place(f.title);
            if (place == DreamGrouper::Place::None) {
                return;
            }
            if (place == DreamGrouper::Place::New) {
                endEntry();
            }
            entry.push_back(f);
            entryFound = entryFound || rawMatches(f, search);
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
