#include "platform/text.h"
#include "platform/textmatch.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvenik;

namespace {

std::string allBytes() {
    std::string s;
    for (int b = 0; b < 256; ++b) {
        s += static_cast<char>(b);
    }
    return s;
}

} // namespace

TEST(Codec1250, CzechLettersBothWays) {
    const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy – „ÚŤĚŠČŘŽÝÁÍÉŮŇĎ“";
    const std::string bytes = encode1250(utf8);
    EXPECT_EQ(bytes.size(), charCount(utf8));
    EXPECT_EQ(decode1250(bytes), utf8);
    EXPECT_EQ(encode1250("č"), "\xE8");
    EXPECT_EQ(encode1250("Ř"), "\xD8");
    EXPECT_EQ(encode1250("€"), "\x80");
    EXPECT_EQ(decode1250("\x8A\x9A\x8E\x9E"), "ŠšŽž");
}

TEST(Codec1250, EveryByteRoundTrips) {
    const std::string bytes = allBytes();
    EXPECT_EQ(encode1250(decode1250(bytes)), bytes);
}

TEST(Codec1250, UnusedBytesStandForTheirOwnCodePoints) {
    EXPECT_EQ(decode1250("a\x81z"), "a\u0081z");
    EXPECT_EQ(decode1250("\x83\x88\x90\x98"), "\u0083\u0088\u0090\u0098");
    EXPECT_EQ(encode1250("\u0081\u0098"), "\x81\x98");
    EXPECT_EQ(decode1250(std::string("\0x", 2)), std::string("\0x", 2));
}

TEST(Codec1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encode1250("Ωж😀ø"), "????");
    // Malformed UTF-8: lone continuation, truncated sequence, overlong form, surrogate.
    EXPECT_EQ(encode1250("\x80"), "?");
    EXPECT_EQ(encode1250("a\xC4"), "a?");
    EXPECT_EQ(encode1250("\xC0\xAF"), "??");
    EXPECT_EQ(encode1250("\xED\xA0\x80"), "???");
}

TEST(Codec1250, CharactersOutsideTheCodePageAreNamedOnce) {
    EXPECT_EQ(charactersOutside1250("Jan Novák – ŘŽ\u0081"), std::vector<std::string>{});
    EXPECT_EQ(charactersOutside1250("😀 Jan 中文 😀 Ω"),
              (std::vector<std::string>{"😀", "中", "文", "Ω"}));
}

TEST(UpperCase, AsciiUpperFoldsOnlyAtoZ) {
    EXPECT_EQ(asciiUpper("abc xyz čřž ÁÉ 09"), "ABC XYZ čřž ÁÉ 09");
}

TEST(UpperCase, FullUpperFoldsEveryLetterOfTheCodePage) {
    EXPECT_EQ(fullUpper("příliš žluťoučký kůň"), "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ");
    EXPECT_EQ(fullUpper("ąćęłńśźż ăâîşţ őű ĺľŕ đ äöü ç ë"), "ĄĆĘŁŃŚŹŻ ĂÂÎŞŢ ŐŰ ĹĽŔ Đ ÄÖÜ Ç Ë");
    // Every lower-case letter of the code page has its partner in the code page, except
    // ß and µ, which stay as they are.
    const std::string all = decode1250(allBytes());
    const std::string upper = fullUpper(all);
    EXPECT_EQ(charCount(upper), 256u);
    EXPECT_EQ(encode1250(upper).find('?'), encode1250(all).find('?'));
    EXPECT_EQ(fullUpper("ß µ"), "ß µ");
    EXPECT_EQ(fullLower(fullUpper(all)), fullLower(all));
}

TEST(UpperCase, FullUpperOnLettersOutsideTheCodePage) {
    EXPECT_EQ(fullUpper("øÿ ω ж ё ı"), "ØŸ Ω Ж Ё I");
    EXPECT_EQ(fullLower("ÁČŘ ΩЖ"), "áčř ωж");
}

TEST(Cuts, CountAndCutByCharacters) {
    EXPECT_EQ(charCount("Šťastný"), 7u);
    EXPECT_EQ(cutChars("Šťastný", 2), "Šť");
    EXPECT_EQ(cutChars("Šťastný", 30), "Šťastný");
    EXPECT_EQ(cutChars("", 3), "");
    EXPECT_EQ(cutChars("abc", 0), "");
    // The view form: a prefix of the same text, never a broken character.
    const std::string text = "Šťastný";
    const std::string_view first = firstChars(text, 3);
    EXPECT_EQ(first, "Šťa");
    EXPECT_EQ(first.data(), text.data());
    EXPECT_EQ(firstChars(text, 7), text);
    EXPECT_EQ(firstChars("Ššš", 2), "Šš"); // six bytes, longer than two, cut by characters
}

TEST(Cuts, TrimBlanks) {
    EXPECT_EQ(trimBlanks("  a b \t\r\n"), "a b");
    EXPECT_EQ(trimBlanks(" \t "), "");
}

TEST(TextLines, EveryLineEndEndsALineAndTheLastAddsNone) {
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\r", {"a", ""}}, // LF then a lone CR: two line ends
        {"a\r\r\n", {"a", ""}},
        {"\n\n", {"", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitTextLines(c.bytes), c.lines) << c.bytes;
    }
}

TEST(TextLines, EveryLineEndBecomesOneBlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},           {"Jan", "Jan"},       {"a\r\nb", "a b"},  {"a\nb\rc", "a b c"},
        {"a\n\rb", "a  b"}, {"a\r\r\nb", "a  b"}, {"\r\n\r\n", "  "}, {"a\tb", "a\tb"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(lineBreaksToBlanks(text), expected) << text;
    }
}

TEST(Numbers, CzechPlainDecimalForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {2.5, "2,5"},
        {-1.25, "-1,25"},
        {1.0 / 3.0, "0,333333333333333"},
        {12345.0, "12345"},
        {123456789012345.0, "123456789012345"},
        {0.1 + 0.2, "0,3"},
        // Never an exponent: tiny and huge values are written out.
        {0.00009, "0,00009"},
        {9.51293759512938e-05, "0,0000951293759512938"},
        {-0.000012345, "-0,000012345"},
        {1e-20, "0,00000000000000000001"},
        {1e20, "100000000000000000000"},
        {-1234567890123456789.0, "-1234567890123460000"},
        // 15 significant digits, rounded, also where rounding reaches the next power of ten.
        {123456789.123456789, "123456789,123457"},
        {2.0 / 3.0 * 1e-7, "0,0000000666666666666667"},
        {0.0000999999999999999999, "0,0001"},
        {999999999999999.9, "1000000000000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(czechNumber(c.value), c.text) << c.value;
    }
}

TEST(Numbers, HalfToEven) {
    struct Case {
        double in, out;
    };
    const Case cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},
                          {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-0.5, -0.0}};
    for (const Case& c : cases) {
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    }
}

TEST(TextMatch, ExactOrAnywhereCaseBlindFoldsOnlyAtoZ) {
    const struct {
        std::string text;
        bool exact;
        bool caseSensitive;
        std::string field;
        bool matches;
    } cases[] = {
        {"pes", false, false, "Hlídací PES", true},
        {"pes", true, false, "Pesan", false},
        {"pes", false, true, "Pes", false},
        {"ŠnEK", false, false, "Šnek", true}, // accented letters never fold, a to z do
        // The same in a file's Windows-1250 bytes.
        {encode1250("šnek"), false, false, encode1250("Šnek"), false},
        {encode1250("čern"), false, false, encode1250("ČERNÁ černá"), true},
        {"", true, false, "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextMatcher(c.text, c.exact, c.caseSensitive)(c.field), c.matches)
            << c.text << " in " << c.field;
    }
}
