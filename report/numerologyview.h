#pragma once
// The numerology page of the report: the text behind each number label, read from
// Data/Numerologie and cut down to the paragraph of the person's number.

#include "core/numerology.h"
#include "platform/result.h"
#include "platform/rich.h"

#include <filesystem>

namespace tarvenik {

// The numbers whose labels open a text.
enum class NumerologyNumber {
    LifePath,
    Destiny,
    ChallengeHabits,
    PersonalYear,
    Peak1,
    Peak2,
    Peak3,
    Peak4,
    Challenge1,
    Challenge2,
    Challenge3,
    Challenge4,
};

// NumKlik: the heading of the number's file and its paragraph for the person's value; the
// life path adds the lucky number and the paragraph of the day of birth. An error names
// the first file that could not be read.
Result<RichDoc> numerologyText(const std::filesystem::path& appFolder, NumerologyNumber number,
                               const NumerologyNumbers& numbers);

} // namespace tarvenik
