#include "platform/textmatch.h"

#include <algorithm>
#include <utility>

namespace tarvenik {

namespace {

char foldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

TextMatcher::TextMatcher(std::string text, bool exact, bool caseSensitive)
    : m_text(std::move(text)), m_exact(exact), m_fold(!caseSensitive) {
    if (m_fold) {
        std::transform(m_text.begin(), m_text.end(), m_text.begin(), foldAscii);
    }
}

bool TextMatcher::operator()(std::string_view field) const {
    if (!m_fold) {
        return m_exact ? field == m_text : field.find(m_text) != std::string_view::npos;
    }
    const auto same = [](char f, char t) { return foldAscii(f) == t; };
    if (m_exact) {
        return std::equal(field.begin(), field.end(), m_text.begin(), m_text.end(), same);
    }
    return std::search(field.begin(), field.end(), m_text.begin(), m_text.end(), same) !=
           field.end();
}

} // namespace tarvenik
