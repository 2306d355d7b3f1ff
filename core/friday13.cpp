#include "core/friday13.h"

#include <algorithm>
#include <chrono>

namespace tarvenik {

std::vector<YearMonth> fridayThe13ths(int firstYear, int lastYear) {
    using namespace std::chrono;
    firstYear = std::clamp(firstYear, 1, 9999);
    lastYear = std::clamp(lastYear, 1, 9999);
    std::vector<YearMonth> found;
    for (int y = firstYear; y <= lastYear; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            if (weekday(sys_days(year(y) / month(m) / 13)) == Friday) {
                found.push_back({y, static_cast<int>(m)});
            }
        }
    }
    return found;
}

} // namespace tarvenik
