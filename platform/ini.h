#pragma once
// The profile-file engine behind Udaje.ini and Tarvenik.ini. A file is kept as its lines,
// so a write changes exactly one line (or appends one) and leaves comments, unknown keys
// and odd lines as they were.
//
// Rules: sections and keys match without regard to letter case (whole alphabet); the first
// matching section and key win; blanks around keys and values are ignored on reading, and
// one matching pair of quotes ('…' or "…") around a value is removed. A section header is
// a line starting with '[' that also holds a ']'; its name lies between the first '[' and
// the last ']'. The file is Windows-1250 with CR LF line ends.

#include "platform/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

class IniDocument {
public:
    // Any bytes: CR LF, LF or CR end a line; nothing in the content can make this fail.
    static IniDocument fromBytes(std::string_view bytes);
    std::string toBytes() const;

    // Section names in file order, repeated sections included.
    std::vector<std::string> sectionNames() const;
    bool hasSection(std::string_view section) const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The fallback also when the value is not a whole decimal integer.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // An integer; any non-zero value is true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the key's line in place, or adds it after the last line of its section, or
    // adds the section at the end of the file. Line breaks inside the texts become blanks.
    void write(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines.
    void eraseSection(std::string_view section);

    // Each section as a document of its own (its header and its lines), in file order, so
    // that reading many sections does not search the whole file for each one.
    std::vector<IniDocument> sectionDocuments() const;
    // Adds the lines of `other` at the end, as they are.
    void append(const IniDocument& other);

    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines; // UTF-8, without line ends
};

// Letter-case-blind comparison over the whole alphabet (č equals Č).
bool equalsCaseBlind(std::string_view a, std::string_view b);

// The person and settings files hold a few kilobytes; a file above this limit is damage
// (or not a profile file at all) and is refused unread rather than listed line by line.
inline constexpr std::size_t kMaxIniBytes = std::size_t{4} << 20;

// A missing file reads as an empty document; any other failure to read is an error, and so
// is a file above kMaxIniBytes.
Result<IniDocument> loadIni(const std::filesystem::path& path);
// Atomic: the old file stays whole if the write fails. A missing folder is created first.
Result<void> saveIni(const std::filesystem::path& path, const IniDocument& doc);
// One key written through to the file, like the system's profile API: read, change, save.
Result<void> writeIniValue(const std::filesystem::path& path, std::string_view section,
                           std::string_view key, std::string_view value);

} // namespace tarvenik
