#pragma once
// Readable failure messages for rich-text values in GoogleTest assertions.

#include "platform/rich.h"

#include <ostream>

namespace tarvenik {

inline void PrintTo(const CharStyle& s, std::ostream* os) {
    *os << (s.bold ? "B" : "") << (s.italic ? "I" : "") << (s.underline ? "U" : "") << ' '
        << s.halfPoints << "hp '" << s.font << "'";
    if (s.color) {
        *os << " rgb(" << int(s.color->r) << ',' << int(s.color->g) << ',' << int(s.color->b)
            << ')';
    }
}

inline void PrintTo(const Run& r, std::ostream* os) {
    *os << "[\"" << r.text << "\" ";
    PrintTo(r.style, os);
    *os << ']';
}

inline void PrintTo(const Paragraph& p, std::ostream* os) {
    *os << "align " << static_cast<int>(p.align) << ':';
    for (const Run& r : p.runs) {
        *os << ' ';
        PrintTo(r, os);
    }
    *os << " | end ";
    PrintTo(p.endStyle, os);
}

inline void PrintTo(const RichDoc& d, std::ostream* os) {
    *os << d.paragraphs.size() << " paragraphs\n";
    for (const Paragraph& p : d.paragraphs) {
        *os << "  ";
        PrintTo(p, os);
        *os << '\n';
    }
}

} // namespace tarvenik
