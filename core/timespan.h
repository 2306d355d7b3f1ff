#pragma once
// Time spans between now and a date that matters (birth, birthdays, name days), between
// the two persons' births, or between chosen dates: seven figures, a breakdown in Czech
// words and the lines of the report.

#include "core/horoscopeset.h"
#include "platform/DateTime.h"

#include <array>
#include <string>
#include <vector>

namespace tarvenik {

enum class SpanChoice {
    Life,             // Jak dlouho žiješ
    NextBirthday,     // Čas do dalších narozenin
    NextNameDay,      // Čas do dalšího svátku
    PreviousBirthday, // Čas od minulých narozenin
    PreviousNameDay,  // Čas od minulého svátku
    AgeDifference,    // Věkový rozdíl s partnerem
    CustomSince,      // Vlastní: Kolik času uplynulo od...
    CustomUntil,      // Vlastní: Kolik času zbývá do...
    CustomBetween,    // Vlastní: Časový rozdíl mezi...
};

struct SpanEnds {
    DateTime start, end;
};

struct SpanContext {
    SpanAnchors selected; // anchors of the chosen person
    DateTime userBirth, partnerBirth;
    DateTime customFrom, customTo; // the custom date pickers with their times of day
    DateTime now;
};

SpanEnds spanEnds(SpanChoice choice, const SpanContext& context);

// Years, months, weeks, days, hours, minutes and seconds, each the whole span in that unit,
// in the Czech number form.
std::array<std::string, 7> spanFigures(DateTime start, DateTime end);

// "51 let 9 měsíců 0 týdnů 6 dnů 2 hodiny 55 minut 0 sekund"; `todayDay` is the day of the
// month of now.
std::string spanBreakdown(DateTime start, DateTime end, int todayDay);

// A date with its time, the time left out at midnight: "5.3.1975 7:05:00", "1.1.2000".
std::string reportMoment(DateTime moment);

struct SpanReport {
    SpanChoice choice = SpanChoice::Life;
    std::string userName, partnerName, selectedName; // "first name surname"
    std::string customText;                          // EditPocCo
    SpanContext context;
    std::array<std::string, 7> figures;
    std::string breakdown;
};

// The report's lines; the first is the title, which the window centres and sets bold.
std::vector<std::string> spanReportLines(const SpanReport& report);

} // namespace tarvenik
