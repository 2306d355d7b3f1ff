#include "data/namesearch.h"

#include "platform/atomicfile.h"
#include "platform/text.h"
#include "platform/textmatch.h"

#include <algorithm>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

// Where each field's length byte lies in a record.
constexpr std::array<std::size_t, kNameFields.size()> fieldOffsets() {
    std::array<std::size_t, kNameFields.size()> offsets{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kNameFields.size(); ++i) {
        offsets[i] = pos;
        pos += 1 + kNameFields[i].maxChars;
    }
    return offsets;
}
constexpr auto kFieldOffsets = fieldOffsets();

// A length byte above its field's capacity, which the writer never writes: the record is
// damaged (overwritten, or not a names file at all).
bool damagedRecord(std::string_view record) {
    for (std::size_t f = 0; f < kNameFields.size(); ++f) {
        if (static_cast<unsigned char>(record[kFieldOffsets[f]]) > kNameFields[f].maxChars) {
            return true;
        }
    }
    return false;
}

// A letter file's sound records; a damaged record, or one cut short at the end, ends them
// with an error.
struct LetterBytes {
    std::string bytes;
    std::optional<Error> error;
};

LetterBytes readLetter(const fs::path& appFolder, char letter) {
    const fs::path path = nameFilePath(appFolder, std::string(1, letter));
    auto read = readFileBytes(path, kMaxListFileBytes);
    if (!read) {
        return {{}, read.error()};
    }
    LetterBytes out{std::move(*read), std::nullopt};
    const auto stopAt = [&](std::size_t at, const char* what) {
        out.error = Error{path.string(), std::string(what) + " (bajt " + std::to_string(at) + ")"};
        out.bytes.resize(at);
    };
    const std::size_t whole = out.bytes.size() - out.bytes.size() % kNameRecordSize;
    for (std::size_t at = 0; at < whole; at += kNameRecordSize) {
        if (damagedRecord(std::string_view(out.bytes).substr(at, kNameRecordSize))) {
            stopAt(at, "poškozený záznam");
            return out;
        }
    }
    if (whole != out.bytes.size()) {
        stopAt(whole, "neúplný záznam na konci souboru");
    }
    return out;
}

template <std::size_t N>
bool stepVerdict(const std::string& field, const std::array<const char*, N>& items,
                 const std::array<bool, N>& ticked, bool verdict) {
    for (std::size_t i = 0; i < N; ++i) {
        if (field == items[i]) {
            verdict = ticked[i];
            break;
        }
    }
    return verdict;
}

// The field's Windows-1250 bytes inside a record, as decodeNameRecord bounds them.
std::string_view rawField(std::string_view record, std::size_t field) {
    const std::size_t at = kFieldOffsets[field];
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(record[at]), kNameFields[field].maxChars);
    return record.substr(at + 1, length);
}

// The search text in the files' code page.
class FieldMatcher {
public:
    explicit FieldMatcher(const NameSearch& s)
        : m_matches(encode1250(s.text), s.exact, s.caseSensitive),
          m_possible(charactersOutside1250(s.text).empty()) {}

    bool possible() const { return m_possible; }
    bool operator()(std::string_view field) const { return m_matches(field); }

private:
    TextMatcher m_matches;
    bool m_possible;
};

} // namespace

bool passesNameFilter(const NameRecord& r, const NameFilter& f) {
    bool verdict = f.kind == NameKindChoice::Both ||
                   (f.kind == NameKindChoice::Male && r.kind == "mužské") ||
                   (f.kind == NameKindChoice::Female && r.kind == "ženské");
    int count = verdict ? 1 : 0;
    verdict = stepVerdict(r.origin, kNameOrigins, f.origins, verdict);
    count += verdict ? 1 : 0;
    verdict = stepVerdict(r.usage, kNameUsages, f.usages, verdict);
    count += verdict ? 1 : 0;
    verdict = stepVerdict(r.calendar, kNameCalendars, f.calendars, verdict);
    count += verdict ? 1 : 0;
    return count == 4;
}

bool hasSomethingToSearch(const NameSearch& s) {
    return !s.text.empty() && std::find(s.fields.begin(), s.fields.end(), true) != s.fields.end();
}

NameListing browseNameLetter(const fs::path& appFolder, std::string_view letter,
                             const NameFilter* filter) {
    NameListing listing;
    if (letter.size() != 1 || kNameLetters.find(letter[0]) == std::string_view::npos) {
        listing.error = notFoundError(nameFilePath(appFolder, letter).string());
        return listing;
    }
    LetterBytes read = readLetter(appFolder, letter[0]);
    for (NameRecord& r : decodeNameRecords(read.bytes)) {
        if (!filter || passesNameFilter(r, *filter)) {
            listing.records.push_back(std::move(r));
        }
    }
    listing.error = std::move(read.error);
    return listing;
}

NameListing hledej(const fs::path& appFolder, const NameSearch& search, const NameFilter& filter) {
    NameListing listing;
    const FieldMatcher matches(search);
    if (!hasSomethingToSearch(search)) {
        return listing;
    }
    // The records are matched in the files' own bytes; only the found ones are decoded.
    for (const char letter : kNameLetters) {
        const LetterBytes read = readLetter(appFolder, letter);
        const std::string_view bytes = read.bytes;
        for (std::size_t at = 0; matches.possible() && at < bytes.size(); at += kNameRecordSize) {
            const std::string_view record = bytes.substr(at, kNameRecordSize);
            bool found = false;
            for (std::size_t f = 0; f < kNameFields.size() && !found; ++f) {
                found = search.fields[f] && matches(rawField(record, f));
            }
            if (!found) {
                continue;
            }
            NameRecord decoded = decodeNameRecord(record);
            if (!search.useFilter || passesNameFilter(decoded, filter)) {
                listing.records.push_back(std::move(decoded));
            }
        }
        if (read.error) {
            listing.error = read.error;
            break;
        }
    }
    return listing;
}

std::string nameCountText(std::size_t count) {
    return "Nalezeno " + std::to_string(count) + " záznamů.";
}

} // namespace tarvenik
