#pragma once
// Whether a field holds a search text: equal to it, or containing it; case-sensitive, or
// with only a to z folded. Bytes are compared, so one matcher serves UTF-8 text and a
// file's Windows-1250 bytes alike: a to z are the same bytes in both and no other byte
// folds, so accented letters never do ("šnek" does not find "Šnek").

#include <string>
#include <string_view>

namespace tarvenik {

class TextMatcher {
public:
    TextMatcher(std::string text, bool exact, bool caseSensitive);

    bool operator()(std::string_view field) const;

private:
    std::string m_text; // folded already when the search is case-blind
    bool m_exact;
    bool m_fold;
};

} // namespace tarvenik
