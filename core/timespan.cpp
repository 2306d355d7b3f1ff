#include "core/timespan.h"

#include "platform/text.h"

#include <cstdlib>

namespace tarvenik {

namespace {

struct UnitWords {
    const char* none; // 0 or 5 and more
    const char* one;
    const char* few; // 2 to 4
};

constexpr std::array<UnitWords, 7> kUnitWords{{
    {" let ", " rok ", " roky "},
    {" měsíců ", " měsíc ", " měsíce "},
    {" týdnů ", " týden ", " týdny "},
    {" dnů ", " den ", " dny "},
    {" hodin ", " hodinu ", " hodiny "},
    {" minut ", " minutu ", " minuty "},
    {" sekund", " sekundu", " sekundy"},
}};

std::int64_t spanMs(DateTime start, DateTime end) {
    return std::llabs(end.ms() - start.ms());
}

std::string counted(std::int64_t count, const UnitWords& words) {
    return std::to_string(count) +
           std::string(czechPlural(count, words.one, words.few, words.none));
}

} // namespace

SpanEnds spanEnds(SpanChoice choice, const SpanContext& c) {
    switch (choice) {
    case SpanChoice::CustomSince:
        return {c.customFrom, c.now};
    case SpanChoice::CustomUntil:
        return {c.now, c.customTo};
    case SpanChoice::CustomBetween:
        return {c.customFrom, c.customTo};
    case SpanChoice::AgeDifference:
        return {c.partnerBirth, c.userBirth};
    case SpanChoice::NextBirthday:
        return {c.now, c.selected.nextBirthday};
    case SpanChoice::PreviousBirthday:
        return {c.now, c.selected.previousBirthday};
    case SpanChoice::NextNameDay:
        return {c.now, c.selected.nextNameDay};
    case SpanChoice::PreviousNameDay:
        return {c.now, c.selected.previousNameDay};
    case SpanChoice::Life:
        break;
    }
    return {c.now, c.selected.birth};
}

std::array<std::string, 7> spanFigures(DateTime start, DateTime end) {
    const double d = static_cast<double>(spanMs(start, end)) / DateTime::msPerDay;
    return {czechNumber(d / 365.25), czechNumber(d / 30.4375), czechNumber(d / 7),
            czechNumber(d),          czechNumber(d * 24),      czechNumber(d * 1440),
            czechNumber(d * 86400)};
}

std::string spanBreakdown(DateTime start, DateTime end, int todayDay) {
    const std::int64_t ms = spanMs(start, end);
    const CalendarFields f = DateTime::fromMs(ms).fields();
    std::int64_t years = 0;
    std::int64_t months = 0;
    std::int64_t days = 0;
    if (ms < 2 * DateTime::msPerDay) {
        // Read from 30.12.1899 a span this short would fall before 1900; count its days.
        days = ms / DateTime::msPerDay;
    } else {
        years = f.year - 1900;
        months = f.month - 1;
        days = todayDay < f.day ? f.day - 1 : f.day + 1;
    }
    const std::int64_t weeks = days / 7;
    days %= 7;
    return counted(years, kUnitWords[0]) + counted(months, kUnitWords[1]) +
           counted(weeks, kUnitWords[2]) + counted(days, kUnitWords[3]) +
           counted(f.hour, kUnitWords[4]) + counted(f.minute, kUnitWords[5]) +
           counted(f.second, kUnitWords[6]);
}

std::string reportMoment(DateTime moment) {
    if (moment.msOfDay() == 0) {
        return moment.shortDate();
    }
    return moment.shortDate() + " " + moment.longTime();
}

std::vector<std::string> spanReportLines(const SpanReport& r) {
    const SpanEnds ends = spanEnds(r.choice, r.context);
    const SpanAnchors& a = r.context.selected;
    std::vector<std::string> lines;
    switch (r.choice) {
    case SpanChoice::CustomSince:
    case SpanChoice::CustomUntil:
    case SpanChoice::CustomBetween:
        lines.emplace_back("Vlastní výpočet");
        break;
    case SpanChoice::AgeDifference:
        lines.push_back(r.userName + " + " + r.partnerName);
        break;
    case SpanChoice::Life:
    case SpanChoice::NextBirthday:
    case SpanChoice::NextNameDay:
    case SpanChoice::PreviousBirthday:
    case SpanChoice::PreviousNameDay:
        lines.push_back(r.selectedName);
        break;
    }
    lines.emplace_back();
    const auto add = [&lines](std::initializer_list<std::string> more) {
        lines.insert(lines.end(), more);
    };
    switch (r.choice) {
    case SpanChoice::CustomSince:
        add({"Počáteční datum: " + reportMoment(ends.start), "",
             "Kolik času uplynulo od " + r.customText + ":"});
        break;
    case SpanChoice::CustomUntil:
        add({"Koncové datum: " + reportMoment(ends.end), "",
             "Kolik času zbývá do " + r.customText + ":"});
        break;
    case SpanChoice::CustomBetween:
        add({"Počáteční datum: " + reportMoment(ends.start),
             "Koncové datum: " + reportMoment(ends.end), "",
             "Kolik času je mezi " + r.customText + ":"});
        break;
    case SpanChoice::NextBirthday:
        add({"Datum příštích narozenin: " + reportMoment(a.nextBirthday), "",
             "Kolik času zbývá do dalších narozenin:"});
        break;
    case SpanChoice::PreviousBirthday:
        add({"Datum minulých narozenin: " + reportMoment(a.previousBirthday), "",
             "Kolik času uplynulo od minulých narozenin:"});
        break;
    case SpanChoice::NextNameDay:
        add({"Datum příštího svátku: " + a.nextNameDay.shortDate(), "",
             "Kolik času zbývá do dalšího svátku:"});
        break;
    case SpanChoice::PreviousNameDay:
        add({"Datum minulého svátku: " + a.previousNameDay.shortDate(), "",
             "Kolik času uplynulo od minulého svátku:"});
        break;
    case SpanChoice::AgeDifference:
        add({"Datum tvého narození: " + reportMoment(r.context.userBirth),
             "Datum partnerova narození: " + reportMoment(r.context.partnerBirth), "",
             "Váš věkový rozdíl:"});
        break;
    case SpanChoice::Life:
        add({"Datum narození: " + reportMoment(a.birth), "", "Kolik času uplynulo od narození:"});
        break;
    }
    static constexpr std::array<const char*, 7> kFigureLabels{
        "Let: ", "Měsíců: ", "Týdnů: ", "Dnů: ", "Hodin: ", "Minut: ", "Sekund: "};
    lines.emplace_back();
    for (std::size_t i = 0; i < kFigureLabels.size(); ++i) {
        lines.push_back(kFigureLabels[i] + r.figures[i]);
    }
    lines.emplace_back();
    lines.push_back(r.breakdown);
    return lines;
}

} // namespace tarvenik
