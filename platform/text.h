#pragma once
// Text services the system does not give us in the form this program needs: the
// Windows-1250 codec used at every file boundary, the two upper-case mappings the
// comparisons name, cuts by characters, and the Czech number form.
//
// In memory every string is UTF-8; "characters" are Unicode code points.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// Windows-1250 bytes -> UTF-8. The five bytes without a Windows-1250 meaning (0x81, 0x83,
// 0x88, 0x90, 0x98) become the code points of the same number, so that
// encode1250(decode1250(b)) == b for any bytes b.
std::string decode1250(std::string_view bytes);

// UTF-8 -> Windows-1250 bytes. A character the code page cannot hold, and every byte of a
// malformed UTF-8 sequence, is written as '?'.
std::string encode1250(std::string_view utf8);

// The characters of `utf8` that Windows-1250 cannot hold, each once, in order of first
// appearance (for telling the user which ones a file cannot store).
std::vector<std::string> charactersOutside1250(std::string_view utf8);

// Decodes one code point at `pos` and advances it; malformed input yields U+FFFD and
// advances by one byte, so a loop over any bytes always ends.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos);
void appendUtf8(std::string& out, char32_t cp);

// Folds only a-z to A-Z; everything else, accented letters included, stays as it is.
std::string asciiUpper(std::string_view utf8);

// Folds every letter of Windows-1250 (č -> Č, ů -> Ů, ő -> Ő) and the other Latin,
// Greek and Cyrillic letters; letters with no upper-case partner (ß, µ) stay unchanged,
// as the system's whole-alphabet mapping leaves them.
std::string fullUpper(std::string_view utf8);
std::string fullLower(std::string_view utf8);
char32_t upperOf(char32_t cp);
char32_t lowerOf(char32_t cp);

std::size_t charCount(std::string_view utf8);
// The first n characters (all of them when there are fewer).
std::string cutChars(std::string_view utf8, std::size_t n);
std::string_view firstChars(std::string_view utf8, std::size_t n);

// Blanks (space, tab, CR, LF) removed at both ends.
std::string_view trimBlanks(std::string_view s);

// The lines of a text file's content: CR LF, LF or a lone CR ends a line, and a line end at
// the very end adds no empty line after it.
std::vector<std::string> splitTextLines(std::string_view text);
// The same lines handed to `each` one by one as views into `text`, without copying them.
template <class Each> void forEachTextLine(std::string_view text, Each&& each) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        each(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        each(text.substr(start));
    }
}

// Every line end (CR LF, LF or a lone CR) becomes one blank, for texts that must stay on
// one line: an INI line, a person's name.
std::string lineBreaksToBlanks(std::string_view text);

// Plain decimal form rounded to 15 significant digits, without trailing zeros or an
// exponent, with a decimal comma: 2.5 -> "2,5", 0.00009 -> "0,00009", 1e20 ->
// "100000000000000000000".
std::string czechNumber(double value);

// The Czech form of a noun after a count: `one` for 1, `few` for 2 to 4, `many` for 0 and
// 5 and more ("1 rok", "3 roky", "5 let", "21 let").
std::string_view czechPlural(long long count, std::string_view one, std::string_view few,
                             std::string_view many);

// To the nearest integer, a half to the even neighbour: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfEven(double value);

} // namespace tarvenik
