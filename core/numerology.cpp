#include "core/numerology.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tarvenik {

namespace {

constexpr std::array<std::u32string_view, 9> kLettersByValue{
    U"ajsáä", U"bkt", U"cluůúü", U"dmv", U"enwéëě", U"foxóö", U"gpyý", U"hqz", U"irí"};

int reduceNumber(int value) {
    return reduceMaster(std::to_string(value));
}

} // namespace

int letterValue(char32_t c) {
    const char32_t lower = lowerOf(c);
    for (std::size_t v = 0; v < kLettersByValue.size(); ++v) {
        if (kLettersByValue[v].find(lower) != std::u32string_view::npos) {
            return static_cast<int>(v) + 1;
        }
    }
    return 0;
}

int nameValue(std::string_view utf8) {
    int sum = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        sum += letterValue(nextCodePoint(utf8, pos));
    }
    return sum;
}

int reduceDigits(std::int64_t x) {
    std::int64_t value = x < 0 ? -x : x;
    do {
        std::int64_t sum = 0;
        for (; value > 0; value /= 10) {
            sum += value % 10;
        }
        value = sum;
    } while (value > 9);
    return static_cast<int>(value);
}

int reduceMaster(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            value += c - '0';
        }
    }
    // 11 and 22 are master numbers: they are kept, not summed further.
    for (int step = 0; step < 5 && value > 9 && value != 11 && value != 22; ++step) {
        int sum = 0;
        for (int v = value; v > 0; v /= 10) {
            sum += v % 10;
        }
        value = sum;
    }
    return value;
}

int personalYear(int day, int month, int outlookYear) {
    return reduceDigits(reduceDigits(reduceDigits(month) + reduceDigits(day)) +
                        reduceDigits(outlookYear));
}

NumerologyNumbers numerologyNumbers(int day, int month, int year, std::string_view firstName,
                                    std::string_view surname, int outlookYear) {
    NumerologyNumbers n;
    n.lifePath = reduceMaster(std::to_string(day) + std::to_string(month) + std::to_string(year));
    n.dayOfBirth = day;
    n.destiny = reduceNumber(reduceNumber(nameValue(firstName)) + reduceNumber(nameValue(surname)));
    switch (n.lifePath) {
    case 8:
        n.luckyNumber = 1;
        break;
    case 9:
        n.luckyNumber = 2;
        break;
    case 11:
        n.luckyNumber = 4;
        break;
    case 22:
        n.luckyNumber = 8;
        break;
    default:
        n.luckyNumber = n.lifePath >= 1 && n.lifePath <= 7 ? n.lifePath + 2 : 0;
    }
    const auto letters = static_cast<int>(charCount(firstName) + charCount(surname));
    n.challengeHabits = reduceNumber(std::min(letters, 60));
    n.personalYear = personalYear(day, month, outlookYear);

    const int d = reduceDigits(day);
    const int m = reduceDigits(month);
    const int y = reduceDigits(year);
    n.peaks[0] = reduceNumber(d + m);
    n.peaks[1] = reduceNumber(d + y);
    n.peaks[2] = reduceNumber(reduceDigits(n.peaks[0]) + reduceDigits(n.peaks[1]));
    n.peaks[3] = reduceNumber(m + y);
    n.challenges[0] = std::abs(d - m);
    n.challenges[1] = std::abs(d - y);
    n.challenges[2] = std::abs(n.challenges[0] - n.challenges[1]);
    n.challenges[3] = std::abs(m - y);
    return n;
}

std::array<std::string, 4> ageRangeLabels(int lifePath) {
    const int n = 36 - reduceDigits(lifePath);
    const auto s = [](int v) { return std::to_string(v); };
    return {"1.   0 - " + s(n) + " let", "2.   " + s(n + 1) + "- " + s(n + 9) + " let",
            "3.   " + s(n + 10) + "- " + s(n + 18) + " let", "4.   " + s(n + 19) + "- ... let"};
}

} // namespace tarvenik

namespace tarvenik {

void keepNumberedParagraph(RichDoc& doc, std::size_t headerParagraphs, int value) {
    const std::string prefix = std::to_string(value) + ". ";
    std::size_t i = headerParagraphs;
    while (i < doc.paragraphs.size()) {
        const std::string text = paragraphText(doc, i);
        const auto blank = text.find(' ');
        if (blank != std::string::npos && text.compare(0, blank + 1, prefix) == 0) {
            eraseText(doc, i, 0, charCount(prefix));
            ++i;
        } else {
            deleteParagraph(doc, i);
        }
    }
}

} // namespace tarvenik
