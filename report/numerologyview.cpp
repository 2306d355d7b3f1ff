#include "report/numerologyview.h"

#include "platform/rtfreader.h"

#include <string>

namespace tarvenik {

namespace {

struct NumberText {
    const char* file;   // in Data/Numerologie
    std::size_t header; // paragraphs of heading kept before the number's paragraph
};

NumberText textOf(NumerologyNumber number) {
    switch (number) {
    case NumerologyNumber::LifePath:
        return {"Životní dráha.rtf", 4};
    case NumerologyNumber::Destiny:
        return {"Osud.rtf", 5};
    case NumerologyNumber::ChallengeHabits:
        return {"Výzva - návyky.rtf", 6};
    case NumerologyNumber::PersonalYear:
        return {"Osobní rok.rtf", 4};
    case NumerologyNumber::Peak1:
        return {"Vrchol 1.rtf", 5};
    case NumerologyNumber::Peak2:
        return {"Vrchol 2.rtf", 5};
    case NumerologyNumber::Peak3:
        return {"Vrchol 3.rtf", 5};
    case NumerologyNumber::Peak4:
        return {"Vrchol 4.rtf", 5};
    case NumerologyNumber::Challenge1:
    case NumerologyNumber::Challenge2:
    case NumerologyNumber::Challenge3:
    case NumerologyNumber::Challenge4:
        return {"Překonání potíží.rtf", 4};
    }
    return {"", 0};
}

int valueOf(NumerologyNumber number, const NumerologyNumbers& n) {
    switch (number) {
    case NumerologyNumber::LifePath:
        return n.lifePath;
    case NumerologyNumber::Destiny:
        return n.destiny;
    case NumerologyNumber::ChallengeHabits:
        return n.challengeHabits;
    case NumerologyNumber::PersonalYear:
        return n.personalYear;
    case NumerologyNumber::Peak1:
        return n.peaks[0];
    case NumerologyNumber::Peak2:
        return n.peaks[1];
    case NumerologyNumber::Peak3:
        return n.peaks[2];
    case NumerologyNumber::Peak4:
        return n.peaks[3];
    case NumerologyNumber::Challenge1:
        return n.challenges[0];
    case NumerologyNumber::Challenge2:
        return n.challenges[1];
    case NumerologyNumber::Challenge3:
        return n.challenges[2];
    case NumerologyNumber::Challenge4:
        return n.challenges[3];
    }
    return 0;
}

Result<RichDoc> numberParagraph(const std::filesystem::path& appFolder, const char* file,
                                std::size_t header, int value) {
    auto doc = readRtfFile(appFolder / "Data" / "Numerologie" /
                           std::filesystem::path(reinterpret_cast<const char8_t*>(file)));
    if (doc) {
        keepNumberedParagraph(*doc, header, value);
    }
    return doc;
}

} // namespace

Result<RichDoc> numerologyText(const std::filesystem::path& appFolder, NumerologyNumber number,
                               const NumerologyNumbers& numbers) {
    std::string dayText;
    if (number == NumerologyNumber::LifePath) {
        const auto day = numberParagraph(appFolder, "Den narození.rtf", 0, numbers.dayOfBirth);
        if (!day) {
            return day.error();
        }
        dayText = plainText(*day);
    }
    const NumberText text = textOf(number);
    auto doc = numberParagraph(appFolder, text.file, text.header, valueOf(number, numbers));
    if (doc && number == NumerologyNumber::LifePath) {
        appendLine(*doc, "");
        appendLine(*doc, "Vaše šťastné číslo je " + std::to_string(numbers.luckyNumber));
        appendLine(*doc, "");
        appendLine(*doc, "Den narození tvoří spolu s životní dráhou součást naší charakteristiky "
                         "a pouti životem. Podporuje a rozvíjí životní dráhu:");
        appendLine(*doc, dayText);
    }
    return doc;
}

} // namespace tarvenik
