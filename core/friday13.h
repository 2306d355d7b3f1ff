#pragma once
// The months whose 13th day is a Friday, for the "Pátek 13." tab.

#include <vector>

namespace tarvenik {

struct YearMonth {
    int year = 0;
    int month = 0; // 1-12
    bool operator==(const YearMonth&) const = default;
};

// In calendar order, from firstYear through lastYear (each kept within 1-9999); none when
// lastYear comes before firstYear. Weekdays are proleptic Gregorian, before 1582 too.
std::vector<YearMonth> fridayThe13ths(int firstYear, int lastYear);

} // namespace tarvenik
