#include "platform/DateTime.h"

#include <gtest/gtest.h>

using namespace tarvenik;

namespace {

DateTime date(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::fromDate(y, m, d, h, mi, s);
}

} // namespace

TEST(DateTime, DaysCountFromTheEpoch) {
    struct Case {
        int y, m, d;
        std::int64_t days;
    };
    const Case cases[] = {{1899, 12, 30, 0},  {1899, 12, 31, 1},      {1900, 1, 1, 2},
                          {1900, 3, 1, 61},   {2000, 1, 1, 36526},    {1899, 12, 29, -1},
                          {1, 1, 1, -693593}, {9999, 12, 31, 2958465}};
    for (const Case& c : cases) {
        EXPECT_EQ(date(c.y, c.m, c.d).dayNumber(), c.days) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(DateTime::fromDays(static_cast<double>(c.days)).fields(),
                  (CalendarFields{c.y, c.m, c.d}));
    }
}

TEST(DateTime, FractionIsTheTimeOfDay) {
    const DateTime t = date(2000, 1, 1, 18);
    EXPECT_DOUBLE_EQ(t.days(), 36526.75);
    EXPECT_EQ(DateTime::fromDays(36526.75), t);
    const CalendarFields f = date(1975, 3, 5, 7, 5, 9).fields();
    EXPECT_EQ(f, (CalendarFields{1975, 3, 5, 7, 5, 9, 0}));
    // Before the epoch the day is still counted towards earlier days.
    const DateTime before = date(1899, 12, 29, 6);
    EXPECT_EQ(before.dayNumber(), -1);
    EXPECT_EQ(before.hour(), 6);
    EXPECT_EQ(before.datePart(), date(1899, 12, 29));
}

TEST(DateTime, RejectsImpossibleDates) {
    EXPECT_FALSE(DateTime::fromDate(2001, 2, 29));
    EXPECT_TRUE(DateTime::fromDate(2000, 2, 29));
    EXPECT_FALSE(DateTime::fromDate(1900, 2, 29));
    EXPECT_FALSE(DateTime::fromDate(2000, 13, 1));
    EXPECT_FALSE(DateTime::fromDate(2000, 4, 31));
    EXPECT_FALSE(DateTime::fromDate(0, 1, 1));
    EXPECT_FALSE(DateTime::fromDate(10000, 1, 1));
    EXPECT_FALSE(DateTime::fromDate(2000, 1, 1, 24));
    EXPECT_FALSE(DateTime::fromDate(2000, 1, 1, 0, 60));
}

TEST(DateTime, WeekdayMondayFirst) {
    EXPECT_EQ(date(1899, 12, 30).dayOfWeek(), 6); // Saturday
    EXPECT_EQ(date(2026, 12, 7).dayOfWeek(), 1);  // Monday
    EXPECT_EQ(date(2026, 12, 13).dayOfWeek(), 7); // Sunday
    EXPECT_EQ(date(1, 1, 1).dayOfWeek(), 1);      // proleptic Gregorian: a Monday
    EXPECT_EQ(date(1899, 12, 25).dayOfWeek(), 1);
}

TEST(DateTime, CzechForms) {
    const DateTime t = date(1975, 3, 5, 7, 5, 0);
    EXPECT_EQ(t.shortDate(), "5.3.1975");
    EXPECT_EQ(t.longTime(), "7:05:00");
    EXPECT_EQ(t.paddedDate(), "05.03.1975");
    EXPECT_EQ(t.shortTime(), "07:05");
    EXPECT_EQ(date(1980, 1, 1).longTime(), "0:00:00");
    EXPECT_EQ(date(1975, 12, 24, 23, 59, 59).format("d.M. yy H:mm:ss"), "24.12. 75 23:59:59");
    EXPECT_EQ(date(999, 1, 1).shortDate(), "1.1.0999");
}

TEST(DateTime, ParsesShortDates) {
    EXPECT_EQ(DateTime::parseShortDate("24.12.1975"), date(1975, 12, 24));
    EXPECT_EQ(DateTime::parseShortDate(" 01.02.2000 "), date(2000, 2, 1));
    for (const char* bad : {"", "1.1.", "1.1.80", "29.2.2001", "32.1.2000", "1.13.2000", "1-1-2000",
                            "1.1.2000x", "a.b.cccc", "1.1.12345"}) {
        EXPECT_FALSE(DateTime::parseShortDate(bad)) << bad;
    }
}

TEST(DateTime, ParsesTimes) {
    EXPECT_EQ(DateTime::parseTime("7:05:00")->msOfDay(), (7 * 60 + 5) * 60'000);
    EXPECT_EQ(DateTime::parseTime("14:30")->minute(), 30);
    EXPECT_EQ(DateTime::parseTime("0:00:00")->ms(), 0);
    for (const char* bad : {"", "24:00:00", "7:60", "7", "7:05:61", "7:05:00 pm", ":30"}) {
        EXPECT_FALSE(DateTime::parseTime(bad)) << bad;
    }
}

TEST(DateTime, RoundTripsEveryDayOfTheRange) {
    // Every 97th day from year 1 to 9999 converts to fields and back unchanged.
    for (std::int64_t dn = -693593; dn <= 2958465; dn += 97) {
        const DateTime d = DateTime::fromMs(dn * DateTime::msPerDay);
        const CalendarFields f = d.fields();
        ASSERT_EQ(DateTime::fromDate(f.year, f.month, f.day), d) << dn;
        ASSERT_EQ(DateTime::parseShortDate(d.shortDate()), d) << dn;
    }
}

TEST(DateTime, InYearKeepsTheTimeAndFoldsLeapDay) {
    const DateTime leap = *DateTime::fromDate(1996, 2, 29, 7, 5);
    EXPECT_EQ(inYear(leap, 2027), DateTime::fromDate(2027, 2, 28, 7, 5));
    EXPECT_EQ(inYear(leap, 2028), DateTime::fromDate(2028, 2, 29, 7, 5));
    EXPECT_EQ(inYear(*DateTime::fromDate(1975, 3, 5), 2026), DateTime::fromDate(2026, 3, 5));
}
