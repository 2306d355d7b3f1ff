#include "platform/collate.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace tarvenik {

namespace {

// Stands for the letter "ch" in the alphabet below.
constexpr char32_t kCh = 0xE000;

constexpr char32_t kAlphabet[] = {
    U'a', U'b', U'c', U'č', U'd', U'e', U'f', U'g', U'h', kCh,  U'i', U'j', U'k', U'l', U'm', U'n',
    U'o', U'p', U'q', U'r', U'ř', U's', U'š', U't', U'u', U'v', U'w', U'x', U'y', U'z', U'ž',
};

struct Accented {
    char32_t letter; // lower case
    char32_t base;
    std::uint8_t accent; // order among the letters of one base, the bare letter being 0
};

// The accented letters of Windows-1250 that are no letters of the Czech alphabet.
constexpr Accented kAccented[] = {
    {U'á', U'a', 1}, {U'â', U'a', 2}, {U'ă', U'a', 3}, {U'ä', U'a', 4}, {U'ą', U'a', 5},
    {U'ć', U'c', 1}, {U'ç', U'c', 2}, {U'ď', U'd', 1}, {U'đ', U'd', 2}, {U'é', U'e', 1},
    {U'ě', U'e', 2}, {U'ë', U'e', 3}, {U'ę', U'e', 4}, {U'í', U'i', 1}, {U'î', U'i', 2},
    {U'ĺ', U'l', 1}, {U'ľ', U'l', 2}, {U'ł', U'l', 3}, {U'ń', U'n', 1}, {U'ň', U'n', 2},
    {U'ó', U'o', 1}, {U'ô', U'o', 2}, {U'ö', U'o', 3}, {U'ő', U'o', 4}, {U'ŕ', U'r', 1},
    {U'ś', U's', 1}, {U'ş', U's', 2}, {U'ß', U's', 3}, {U'ť', U't', 1}, {U'ţ', U't', 2},
    {U'ú', U'u', 1}, {U'ů', U'u', 2}, {U'ü', U'u', 3}, {U'ű', U'u', 4}, {U'ý', U'y', 1},
    {U'ź', U'z', 1}, {U'ż', U'z', 2},
};

// Primary weights by class: other characters, then digits, then the alphabet, then letters
// of other alphabets.
constexpr std::uint32_t kDigits = 0x200000;
constexpr std::uint32_t kLetters = 0x300000;
constexpr std::uint32_t kOtherLetters = 0x400000;

struct Element {
    std::uint32_t primary;
    std::uint8_t secondary; // the accent
    std::uint8_t tertiary;  // 1 for upper case
};

std::vector<Element> elementsOf(std::string_view text) {
    std::vector<Element> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = nextCodePoint(text, pos);
        char32_t letter = lowerOf(cp);
        const std::uint8_t upper = letter != cp ? 1 : 0;
        std::uint8_t accent = 0;
        if (letter == U'c' && pos < text.size()) {
            std::size_t next = pos;
            if (lowerOf(nextCodePoint(text, next)) == U'h') {
                letter = kCh;
                pos = next;
            }
        }
        const auto acc = std::find_if(std::begin(kAccented), std::end(kAccented),
                                      [letter](const Accented& a) { return a.letter == letter; });
        if (acc != std::end(kAccented)) {
            letter = acc->base;
            accent = acc->accent;
        }
        const auto rank = std::find(std::begin(kAlphabet), std::end(kAlphabet), letter);
        std::uint32_t primary;
        if (rank != std::end(kAlphabet)) {
            primary = kLetters + static_cast<std::uint32_t>(rank - std::begin(kAlphabet));
        } else if (cp >= U'0' && cp <= U'9') {
            primary = kDigits + (cp - U'0');
        } else if (letter != cp || upperOf(cp) != cp) {
            primary = kOtherLetters + letter;
        } else {
            primary = 1 + cp;
        }
        out.push_back({primary, accent, upper});
    }
    return out;
}

template <class Key>
int compareBy(const std::vector<Element>& a, const std::vector<Element>& b, Key key) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ka = key(a[i]);
        const auto kb = key(b[i]);
        if (ka != kb) {
            return ka < kb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

int czechCompare(std::string_view a, std::string_view b) {
    const std::vector<Element> ea = elementsOf(a);
    const std::vector<Element> eb = elementsOf(b);
    if (const int c = compareBy(ea, eb, [](const Element& e) { return e.primary; })) {
        return c;
    }
    if (const int c = compareBy(ea, eb, [](const Element& e) { return e.secondary; })) {
        return c;
    }
    if (const int c = compareBy(ea, eb, [](const Element& e) { return e.tertiary; })) {
        return c;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace tarvenik
