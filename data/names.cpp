#include "data/names.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t recordSize() {
    std::size_t size = 0;
    for (const NameField& f : kNameFields) {
        size += 1 + f.maxChars;
    }
    return size;
}
static_assert(recordSize() == kNameRecordSize);

} // namespace

std::string encodeNameRecord(const NameRecord& record) {
    std::string out;
    out.reserve(kNameRecordSize);
    for (const NameField& f : kNameFields) {
        // Windows-1250 is one byte per character, so the byte cut is the character cut.
        std::string bytes = encode1250(record.*f.member);
        bytes.resize(std::min(bytes.size(), f.maxChars));
        out += static_cast<char>(bytes.size());
        out += bytes;
        out.append(f.maxChars - bytes.size(), '\0');
    }
    return out;
}

NameRecord decodeNameRecord(std::string_view bytes) {
    NameRecord record;
    std::size_t pos = 0;
    for (const NameField& f : kNameFields) {
        if (pos + 1 + f.maxChars > bytes.size()) {
            break;
        }
        const std::size_t length =
            std::min<std::size_t>(static_cast<unsigned char>(bytes[pos]), f.maxChars);
        record.*f.member = decode1250(bytes.substr(pos + 1, length));
        pos += 1 + f.maxChars;
    }
    return record;
}

std::vector<NameRecord> decodeNameRecords(std::string_view bytes) {
    std::vector<NameRecord> records;
    records.reserve(bytes.size() / kNameRecordSize);
    for (std::size_t pos = 0; pos + kNameRecordSize <= bytes.size(); pos += kNameRecordSize) {
        records.push_back(decodeNameRecord(bytes.substr(pos, kNameRecordSize)));
    }
    return records;
}

std::string encodeNameRecords(const std::vector<NameRecord>& records) {
    std::string out;
    out.reserve(records.size() * kNameRecordSize);
    for (const NameRecord& r : records) {
        out += encodeNameRecord(r);
    }
    return out;
}

std::string nameLetter(char32_t first) {
    char32_t letter = upperOf(first);
    switch (letter) {
    case U'Č':
        letter = U'C';
        break;
    case U'Ď':
        letter = U'D';
        break;
    case U'Ň':
        letter = U'N';
        break;
    case U'Ř':
        letter = U'R';
        break;
    case U'Š':
        letter = U'S';
        break;
    case U'Ť':
        letter = U'T';
        break;
    case U'Ž':
        letter = U'Z';
        break;
    default:
        break;
    }
    std::string out;
    appendUtf8(out, letter);
    return out;
}

fs::path nameFilePath(const fs::path& appFolder, std::string_view letter) {
    return appFolder / "Data" / "Jména" / ("Jména" + std::string(letter) + ".dat");
}

Result<std::vector<NameRecord>> readNameFile(const fs::path& path) {
    auto bytes = readFileBytes(path, kMaxListFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    return decodeNameRecords(*bytes);
}

Result<void> writeNameFile(const fs::path& path, const std::vector<NameRecord>& records) {
    return writeFileAtomic(path, encodeNameRecords(records));
}

NameRecord substituteNameRecord(std::string_view firstName) {
    NameRecord record;
    for (const NameField& f : kNameFields) {
        record.*f.member = "---";
    }
    record.name = cutChars(firstName, kNameFields[0].maxChars);
    return record;
}

Result<NameRecord> nameRecordOf(const fs::path& appFolder, std::string_view firstName) {
    std::size_t pos = 0;
    const std::string letter =
        firstName.empty() ? std::string() : nameLetter(nextCodePoint(firstName, pos));
    // Only A-Z have files; any other letter (Á, a digit, a slash) must not become a path.
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z') {
        return notFoundError(nameFilePath(appFolder, letter).string());
    }
    const auto records = readNameFile(nameFilePath(appFolder, letter));
    if (!records) {
        return records.error();
    }
    const std::string wanted = asciiUpper(firstName);
    auto found = std::find_if(records->begin(), records->end(),
                              [&](const NameRecord& r) { return asciiUpper(r.name) == wanted; });
    if (found == records->end()) {
        found = std::find_if(records->begin(), records->end(), [&](const NameRecord& r) {
            return asciiUpper(r.domesticForms).find(wanted) != std::string::npos;
        });
    }
    return found != records->end() ? *found : substituteNameRecord(firstName);
}

} // namespace tarvenik
