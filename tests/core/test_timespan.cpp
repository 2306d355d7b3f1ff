#include "core/timespan.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

DateTime at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::fromDate(y, m, d, h, mi, s);
}

const DateTime kNow = at(2026, 12, 8, 10, 0, 0);

SpanContext contextFor(DateTime birth, DateTime nameDay) {
    SpanContext c;
    c.selected = spanAnchors(birth, nameDay, kNow);
    c.userBirth = birth;
    c.partnerBirth = at(1980, 1, 1);
    c.customFrom = at(2000, 1, 1);
    c.customTo = at(2012, 12, 23, 12, 22);
    c.now = kNow;
    return c;
}

} // namespace

TEST(TimeSpan, LivedSinceBirthExample) {
    const DateTime birth = at(1975, 3, 5, 7, 5);
    const auto figures = spanFigures(kNow, birth);
    EXPECT_EQ(figures[3].substr(0, 11), "18906,12152");
    EXPECT_EQ(figures[4], "453746,916666667");
    EXPECT_EQ(figures[5], "27224815");
    EXPECT_EQ(figures[6], "1633488900");
    EXPECT_EQ(spanBreakdown(kNow, birth, 8),
              "51 let 9 měsíců 0 týdnů 6 dnů 2 hodiny 55 minut 0 sekund");
    // The same span read on a day of the month before the 5th counts the days differently.
    EXPECT_EQ(spanBreakdown(kNow, birth, 3),
              "51 let 9 měsíců 0 týdnů 4 dny 2 hodiny 55 minut 0 sekund");
}

TEST(TimeSpan, FiguresAreSymmetric) {
    const DateTime a = at(1975, 3, 5, 7, 5);
    const DateTime b = at(1980, 1, 1);
    EXPECT_EQ(spanFigures(a, b), spanFigures(b, a));
    EXPECT_EQ(spanFigures(a, a)[0], "0");
    EXPECT_EQ(spanFigures(at(2000, 1, 1), at(2000, 1, 8))[2], "1");
    EXPECT_EQ(spanFigures(at(2000, 1, 1), at(2000, 1, 1, 12))[3], "0,5");
}

TEST(TimeSpan, ShortSpansAreWrittenOutWithoutAnExponent) {
    // Half an hour before a birthday: 1/17532 of a year.
    const auto figures = spanFigures(at(2026, 3, 5, 6, 35), at(2026, 3, 5, 7, 5));
    EXPECT_EQ(figures, (std::array<std::string, 7>{"0,0000570385580652521", "0,000684462696783025",
                                                   "0,00297619047619048", "0,0208333333333333",
                                                   "0,5", "30", "1800"}));
}

TEST(TimeSpan, WordFormsByCount) {
    struct Case {
        int years;
        const char* text;
    };
    // A span of whole years read from 30.12.1899 gives that many years.
    const Case cases[] = {
        {0, "0 let "}, {1, "1 rok "}, {3, "3 roky "}, {5, "5 let "}, {21, "21 let "}};
    for (const Case& c : cases) {
        const DateTime end = at(1900 + c.years, 1, 1);
        const std::string text = spanBreakdown(at(1899, 12, 30), end, 1);
        EXPECT_EQ(text.substr(0, std::string(c.text).size()), c.text) << text;
    }
    EXPECT_EQ(spanBreakdown(at(2000, 1, 1), at(2000, 1, 1, 1, 1, 1), 1),
              "0 let 0 měsíců 0 týdnů 0 dnů 1 hodinu 1 minutu 1 sekundu");
    EXPECT_EQ(spanBreakdown(at(2000, 1, 1), at(2000, 1, 1, 3, 21, 5), 1),
              "0 let 0 měsíců 0 týdnů 0 dnů 3 hodiny 21 minut 5 sekund");
}

TEST(TimeSpan, ShortSpansCountWholeDays) {
    EXPECT_EQ(spanBreakdown(at(2000, 1, 1), at(2000, 1, 1), 1),
              "0 let 0 měsíců 0 týdnů 0 dnů 0 hodin 0 minut 0 sekund");
    EXPECT_EQ(spanBreakdown(at(2000, 1, 2, 13), at(2000, 1, 1, 9, 30), 15),
              "0 let 0 měsíců 0 týdnů 1 den 3 hodiny 30 minut 0 sekund");
    EXPECT_EQ(spanBreakdown(at(2000, 1, 1), at(2000, 1, 2, 23, 59, 59), 1),
              "0 let 0 měsíců 0 týdnů 1 den 23 hodin 59 minut 59 sekund");
}

TEST(TimeSpan, StartAndEndOfEveryChoice) {
    const SpanContext c = contextFor(at(1975, 3, 5, 7, 5), at(2000, 12, 24));
    struct Case {
        SpanChoice choice;
        DateTime start, end;
    };
    const Case cases[] = {
        {SpanChoice::Life, kNow, at(1975, 3, 5, 7, 5)},
        {SpanChoice::NextBirthday, kNow, at(2027, 3, 5, 7, 5)},
        {SpanChoice::PreviousBirthday, kNow, at(2026, 3, 5, 7, 5)},
        {SpanChoice::NextNameDay, kNow, at(2026, 12, 24)},
        {SpanChoice::PreviousNameDay, kNow, at(2025, 12, 24)},
        {SpanChoice::AgeDifference, at(1980, 1, 1), at(1975, 3, 5, 7, 5)},
        {SpanChoice::CustomSince, at(2000, 1, 1), kNow},
        {SpanChoice::CustomUntil, kNow, at(2012, 12, 23, 12, 22)},
        {SpanChoice::CustomBetween, at(2000, 1, 1), at(2012, 12, 23, 12, 22)},
    };
    for (const Case& k : cases) {
        const SpanEnds e = spanEnds(k.choice, c);
        EXPECT_EQ(e.start, k.start) << static_cast<int>(k.choice);
        EXPECT_EQ(e.end, k.end) << static_cast<int>(k.choice);
    }
}

TEST(TimeSpan, ReportLines) {
    SpanReport r;
    r.context = contextFor(at(1975, 3, 5, 7, 5), at(2000, 12, 24));
    r.userName = "Jan Novák";
    r.partnerName = "Eva Malá";
    r.selectedName = "Jan Novák";
    r.figures = {"1", "2", "3", "4", "5", "6", "7"};
    r.breakdown = "B";
    const std::vector<std::string> tail = {"",       "Let: 1",   "Měsíců: 2", "Týdnů: 3",
                                           "Dnů: 4", "Hodin: 5", "Minut: 6",  "Sekund: 7",
                                           "",       "B"};
    const auto expectLines = [&](SpanChoice choice, std::vector<std::string> head) {
        r.choice = choice;
        head.insert(head.end(), tail.begin(), tail.end());
        EXPECT_EQ(spanReportLines(r), head) << static_cast<int>(choice);
    };
    expectLines(SpanChoice::Life, {"Jan Novák", "", "Datum narození: 5.3.1975 7:05:00", "",
                                   "Kolik času uplynulo od narození:"});
    expectLines(SpanChoice::NextNameDay, {"Jan Novák", "", "Datum příštího svátku: 24.12.2026", "",
                                          "Kolik času zbývá do dalšího svátku:"});
    expectLines(SpanChoice::PreviousBirthday,
                {"Jan Novák", "", "Datum minulých narozenin: 5.3.2026 7:05:00", "",
                 "Kolik času uplynulo od minulých narozenin:"});
    expectLines(SpanChoice::AgeDifference,
                {"Jan Novák + Eva Malá", "", "Datum tvého narození: 5.3.1975 7:05:00",
                 "Datum partnerova narození: 1.1.1980", "", "Váš věkový rozdíl:"});
    r.customText = "začátkem roku 2000 a koncem světa";
    expectLines(SpanChoice::CustomBetween,
                {"Vlastní výpočet", "", "Počáteční datum: 1.1.2000",
                 "Koncové datum: 23.12.2012 12:22:00", "",
                 "Kolik času je mezi začátkem roku 2000 a koncem světa:"});
    r.customText = "konce světa";
    expectLines(SpanChoice::CustomUntil,
                {"Vlastní výpočet", "", "Koncové datum: 23.12.2012 12:22:00", "",
                 "Kolik času zbývá do konce světa:"});
}
