#pragma once
// Numerology: fourteen numbers from a person's date of birth and names, and the age-range
// labels of the peaks and challenges. Pure arithmetic on the inputs.

#include "platform/rich.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvenik {

struct NumerologyNumbers {
    int lifePath = 0;                // Životní dráha
    int dayOfBirth = 0;              // Den narození
    int destiny = 0;                 // Osud
    int luckyNumber = 0;             // šťastné číslo
    int challengeHabits = 0;         // Výzva - návyky
    int personalYear = 0;            // Osobní rok
    std::array<int, 4> peaks{};      // Vrchol 1-4
    std::array<int, 4> challenges{}; // Překonání potíží 1-4

    bool operator==(const NumerologyNumbers&) const = default;
};

// The value of one character, taken after full lower-casing (Á counts as á).
int letterValue(char32_t c);
int nameValue(std::string_view utf8);

// Digit sum repeated down to one digit: 0-9.
int reduceDigits(std::int64_t x);
// Digit sum of a text of digits, repeated until one digit, 11 or 22 remains.
int reduceMaster(std::string_view digits);

int personalYear(int day, int month, int outlookYear);

NumerologyNumbers numerologyNumbers(int day, int month, int year, std::string_view firstName,
                                    std::string_view surname, int outlookYear);

// "1.   0 - 33 let", "2.   34- 42 let", "3.   43- 51 let", "4.   52- ... let"
std::array<std::string, 4> ageRangeLabels(int lifePath);

// Filters a numerology text: keeps its first `headerParagraphs` paragraphs and the
// paragraphs that start with "<value>. ", without that prefix; deletes the others.
void keepNumberedParagraph(RichDoc& doc, std::size_t headerParagraphs, int value);

} // namespace tarvenik
