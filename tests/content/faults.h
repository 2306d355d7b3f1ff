#pragma once
// Collects the faults of a content check, so that one failure lists many of them.

#include <string>
#include <vector>

namespace tarvenik::test {

struct Faults {
    std::vector<std::string> list;
    void add(std::string fault) { list.push_back(std::move(fault)); }
    std::string text() const {
        std::string out = std::to_string(list.size()) + " fault(s):";
        for (std::size_t i = 0; i < list.size() && i < 60; ++i) {
            out += "\n  " + list[i];
        }
        return out;
    }
};

} // namespace tarvenik::test
