#pragma once
// The name test "Má mě rád/a?": the letters of the words for love (L, O, V, E and the Czech
// Y, U) scored over both names, turned into a percentage.

#include <string>
#include <string_view>

namespace tarvenik {

struct LoveTest {
    double percent = 0; // 0 to 99 in steps of 0.5
    int score = 0;      // the letters' total over both names
};

// The score of one character; lower-case letters count like their capitals.
int letterScore(char32_t c);

// Both texts as typed (blanks count towards their lengths); both should be non-empty.
LoveTest loveTestPercent(std::string_view first, std::string_view second);

// "Výsledek: 50,5%"
std::string loveTestText(const LoveTest& result);

} // namespace tarvenik
