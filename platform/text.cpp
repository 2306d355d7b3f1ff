#include "platform/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <utility>

namespace tarvenik {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80-0xFF. The five bytes the code page leaves unused (0x81,
// 0x83, 0x88, 0x90, 0x98) stand for the code point of the same number, as on Windows, so
// that whatever bytes a file holds survive reading and writing it back.
constexpr std::array<char32_t, 128> kHigh1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

struct Reverse {
    char32_t cp;
    unsigned char byte;
};

// The high half sorted by code point, for the encoder's binary search.
constexpr auto kReverse1250 = [] {
    std::array<Reverse, 128> table{};
    for (std::size_t i = 0; i < kHigh1250.size(); ++i) {
        table[i] = {kHigh1250[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(table.begin(), table.end(),
              [](const Reverse& a, const Reverse& b) { return a.cp < b.cp; });
    return table;
}();

bool inRange(char32_t cp, char32_t lo, char32_t hi) {
    return cp >= lo && cp <= hi;
}

// The byte that holds `cp` in Windows-1250, or -1.
int byteOf1250(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    const auto it = std::lower_bound(kReverse1250.begin(), kReverse1250.end(), cp,
                                     [](const Reverse& r, char32_t v) { return r.cp < v; });
    return it != kReverse1250.end() && it->cp == cp ? it->byte : -1;
}

} // namespace

char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + len > s.size()) {
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || inRange(cp, 0xD800, 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += len;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || inRange(cp, 0xD800, 0xDFFF)) {
        cp = kReplacement;
    }
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string decode1250(std::string_view bytes) {
    // Every byte's UTF-8 form, padded to four bytes, worked out once: each byte then costs
    // one fixed copy and no branch. Every file read passes through here, a search over all
    // dream letters some megabytes at a time.
    struct Utf8 {
        char bytes[4];
        std::size_t length;
    };
    static const auto forms = [] {
        std::array<Utf8, 256> table{};
        for (std::size_t b = 0; b < table.size(); ++b) {
            std::string s;
            appendUtf8(s, b < 0x80 ? static_cast<char32_t>(b) : kHigh1250[b - 0x80]);
            std::copy(s.begin(), s.end(), table[b].bytes);
            table[b].length = s.size();
        }
        return table;
    }();
    std::size_t length = 0;
    for (const char c : bytes) {
        length += forms[static_cast<unsigned char>(c)].length;
    }
    std::string out(length + 3, '\0'); // room for the padding of the last copy
    char* to = out.data();
    for (const char c : bytes) {
        const Utf8& form = forms[static_cast<unsigned char>(c)];
        std::memcpy(to, form.bytes, 4);
        to += form.length;
    }
    out.resize(length);
    return out;
}

std::string encode1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const int byte = byteOf1250(nextCodePoint(utf8, pos));
        out += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    return out;
}

std::vector<std::string> charactersOutside1250(std::string_view utf8) {
    std::vector<std::string> found;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        if (byteOf1250(nextCodePoint(utf8, pos)) < 0) {
            std::string c(utf8.substr(start, pos - start));
            if (std::find(found.begin(), found.end(), c) == found.end()) {
                found.push_back(std::move(c));
            }
        }
    }
    return found;
}

char32_t upperOf(char32_t cp) {
    if (inRange(cp, U'a', U'z')) {
        return cp - 0x20;
    }
    if (cp < 0xB5) {
        return cp;
    }
    if (inRange(cp, 0xE0, 0xFE) && cp != 0xF7) {
        return cp - 0x20;
    }
    if (cp == 0xFF) {
        return 0x178;
    }
    if (cp == 0x131) { // dotless i
        return U'I';
    }
    // Latin Extended-A alternates upper and lower case; the parity of the upper-case
    // member changes at 0x139 and back at 0x14A, and again at 0x179.
    if ((inRange(cp, 0x100, 0x12F) || inRange(cp, 0x132, 0x137) || inRange(cp, 0x14A, 0x177)) &&
        cp % 2 == 1) {
        return cp - 1;
    }
    if ((inRange(cp, 0x139, 0x148) || inRange(cp, 0x179, 0x17E)) && cp % 2 == 0) {
        return cp - 1;
    }
    if (cp == 0x3C2) { // final sigma
        return 0x3A3;
    }
    if (inRange(cp, 0x3B1, 0x3C9)) {
        return cp - 0x20;
    }
    if (inRange(cp, 0x430, 0x44F)) {
        return cp - 0x20;
    }
    if (inRange(cp, 0x450, 0x45F)) {
        return cp - 0x50;
    }
    return cp;
}

char32_t lowerOf(char32_t cp) {
    if (inRange(cp, U'A', U'Z')) {
        return cp + 0x20;
    }
    if (cp < 0xC0) {
        return cp;
    }
    if (inRange(cp, 0xC0, 0xDE) && cp != 0xD7) {
        return cp + 0x20;
    }
    if (cp == 0x178) {
        return 0xFF;
    }
    if (cp == 0x130) { // capital I with dot
        return U'i';
    }
    if ((inRange(cp, 0x100, 0x12F) || inRange(cp, 0x132, 0x137) || inRange(cp, 0x14A, 0x177)) &&
        cp % 2 == 0) {
        return cp + 1;
    }
    if ((inRange(cp, 0x139, 0x148) || inRange(cp, 0x179, 0x17E)) && cp % 2 == 1) {
        return cp + 1;
    }
    if (inRange(cp, 0x391, 0x3A9) && cp != 0x3A2) {
        return cp + 0x20;
    }
    if (inRange(cp, 0x410, 0x42F)) {
        return cp + 0x20;
    }
    if (inRange(cp, 0x400, 0x40F)) {
        return cp + 0x50;
    }
    return cp;
}

namespace {

template <class Map> std::string mapCodePoints(std::string_view utf8, Map map) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        appendUtf8(out, map(nextCodePoint(utf8, pos)));
    }
    return out;
}

} // namespace

std::string asciiUpper(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 0x20);
        }
    }
    return out;
}

std::string fullUpper(std::string_view utf8) {
    return mapCodePoints(utf8, upperOf);
}
std::string fullLower(std::string_view utf8) {
    return mapCodePoints(utf8, lowerOf);
}

std::size_t charCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++n) {
        nextCodePoint(utf8, pos);
    }
    return n;
}

std::string_view firstChars(std::string_view utf8, std::size_t n) {
    if (utf8.size() <= n) {
        return utf8; // no character is shorter than a byte
    }
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < utf8.size(); ++i) {
        nextCodePoint(utf8, pos);
    }
    return utf8.substr(0, pos);
}

std::string cutChars(std::string_view utf8, std::size_t n) {
    return std::string(firstChars(utf8, n));
}

std::string_view trimBlanks(std::string_view s) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachTextLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string lineBreaksToBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // CR LF is one break, one blank
        }
        out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return out;
}

std::string czechNumber(double value) {
    // Rounded to 15 significant digits ("-1.23456789123457e+08"); the digits are then set
    // around the decimal comma by the exponent, so no exponent is ever shown.
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, 14);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t e = sci.find('e');
    if (e == std::string_view::npos) {
        return std::string(sci); // inf, nan
    }
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), res.ptr, exponent);
    const bool negative = sci.front() == '-';
    std::string digits;
    std::copy_if(sci.begin() + (negative ? 1 : 0), sci.begin() + static_cast<std::ptrdiff_t>(e),
                 std::back_inserter(digits), [](char c) { return c != '.'; });
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty()) {
        return "0";
    }
    std::string out = negative ? "-" : "";
    const int point = exponent + 1; // digits before the comma
    const auto width = static_cast<int>(digits.size());
    if (point <= 0) {
        out += "0," + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= width) {
        out += digits + std::string(static_cast<std::size_t>(point - width), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(point)) + ',' +
               digits.substr(static_cast<std::size_t>(point));
    }
    return out;
}

std::string_view czechPlural(long long count, std::string_view one, std::string_view few,
                             std::string_view many) {
    if (count == 1) {
        return one;
    }
    return count >= 2 && count <= 4 ? few : many;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

} // namespace tarvenik
