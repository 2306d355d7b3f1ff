#include "platform/ini.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

#include <charconv>
#include <system_error>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

std::optional<std::string_view> sectionNameOf(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() != '[') {
        return std::nullopt;
    }
    const auto close = t.rfind(']');
    if (close == std::string_view::npos || close == 0) {
        return std::nullopt;
    }
    return t.substr(1, close - 1);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLineOf(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() == ';') {
        return std::nullopt;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trimBlanks(t.substr(0, eq)), trimBlanks(t.substr(eq + 1))};
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

// A value that reading would change (outer blanks, an outer pair of quotes) is wrapped in
// one more pair of double quotes, which reading removes again.
std::string quoteForWriting(std::string_view v) {
    const bool quoted = v.size() >= 2 && isQuote(v.front()) && v.back() == v.front();
    if (quoted || trimBlanks(v).size() != v.size()) {
        return "\"" + std::string(v) + "\"";
    }
    return std::string(v);
}

} // namespace

bool equalsCaseBlind(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (upperOf(nextCodePoint(a, i)) != upperOf(nextCodePoint(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

IniDocument IniDocument::fromBytes(std::string_view bytes) {
    IniDocument doc;
    doc.m_lines = splitTextLines(decode1250(bytes));
    return doc;
}

std::string IniDocument::toBytes() const {
    std::string out;
    for (const std::string& line : m_lines) {
        out += encode1250(line);
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const std::string& line : m_lines) {
        if (const auto name = sectionNameOf(line)) {
            names.emplace_back(*name);
        }
    }
    return names;
}

bool IniDocument::hasSection(std::string_view section) const {
    for (const std::string& line : m_lines) {
        const auto name = sectionNameOf(line);
        if (name && equalsCaseBlind(*name, section)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    bool inSection = false;
    bool seenSection = false;
    for (const std::string& line : m_lines) {
        if (const auto name = sectionNameOf(line)) {
            if (seenSection) {
                break; // only the first section of that name counts
            }
            inSection = equalsCaseBlind(*name, section);
            seenSection = inSection;
            continue;
        }
        if (!inSection) {
            continue;
        }
        const auto kv = keyLineOf(line);
        if (kv && equalsCaseBlind(kv->key, key)) {
            return std::string(unquote(kv->value));
        }
    }
    return std::nullopt;
}

std::string IniDocument::readString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto v = value(section, key);
    if (!v) {
        return fallback;
    }
    std::string_view digits = trimBlanks(*v);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return fallback;
        }
    }
    int result = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (ec != std::errc{} || end != digits.data() + digits.size() || digits.empty()) {
        return fallback;
    }
    return result;
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sec = lineBreaksToBlanks(section);
    const std::string k = lineBreaksToBlanks(key);
    const std::string line = k + "=" + quoteForWriting(lineBreaksToBlanks(value));

    std::size_t i = 0;
    for (; i < m_lines.size(); ++i) {
        const auto name = sectionNameOf(m_lines[i]);
        if (name && equalsCaseBlind(*name, sec)) {
            break;
        }
    }
    if (i == m_lines.size()) {
        m_lines.push_back("[" + sec + "]");
        m_lines.push_back(line);
        return;
    }
    std::size_t lastContent = i; // new keys go after the section's last non-blank line
    for (std::size_t j = i + 1; j < m_lines.size() && !sectionNameOf(m_lines[j]); ++j) {
        const auto kv = keyLineOf(m_lines[j]);
        if (kv && equalsCaseBlind(kv->key, k)) {
            m_lines[j] = line;
            return;
        }
        if (!trimBlanks(m_lines[j]).empty()) {
            lastContent = j;
        }
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), line);
}

void IniDocument::eraseSection(std::string_view section) {
    std::vector<std::string> kept;
    kept.reserve(m_lines.size());
    bool erasing = false;
    for (std::string& line : m_lines) {
        if (const auto name = sectionNameOf(line)) {
            erasing = equalsCaseBlind(*name, section);
        }
        if (!erasing) {
            kept.push_back(std::move(line));
        }
    }
    m_lines = std::move(kept);
}

std::vector<IniDocument> IniDocument::sectionDocuments() const {
    std::vector<IniDocument> sections;
    for (const std::string& line : m_lines) {
        if (sectionNameOf(line)) {
            sections.emplace_back();
        }
        if (!sections.empty()) {
            sections.back().m_lines.push_back(line);
        }
    }
    return sections;
}

void IniDocument::append(const IniDocument& other) {
    m_lines.insert(m_lines.end(), other.m_lines.begin(), other.m_lines.end());
}

Result<IniDocument> loadIni(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        if (ec) {
            return systemError(path.string(), ec.value());
        }
        return IniDocument{};
    }
    auto bytes = readFileBytes(path, kMaxIniBytes);
    if (!bytes) {
        return bytes.error();
    }
    return IniDocument::fromBytes(*bytes);
}

Result<void> saveIni(const fs::path& path, const IniDocument& doc) {
    // A per-user folder exists only once something was stored in it.
    std::error_code ec;
    if (const fs::path folder = path.parent_path(); !folder.empty()) {
        fs::create_directories(folder, ec);
    }
    if (ec) {
        return Error{path.string(), ec.message()};
    }
    return writeFileAtomic(path, doc.toBytes());
}

Result<void> writeIniValue(const fs::path& path, std::string_view section, std::string_view key,
                           std::string_view value) {
    auto doc = loadIni(path);
    if (!doc) {
        return doc.error();
    }
    doc->write(section, key, value);
    return saveIni(path, *doc);
}

} // namespace tarvenik
