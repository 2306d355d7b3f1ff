#include "tools/mkdata/markup.h"

#include "platform/text.h"

namespace tarvenik::mkdata {

namespace {

constexpr int kTitleHalfPoints = 28;

Paragraph parseLine(std::string_view line, std::size_t lineNo, Problems& problems) {
    Paragraph paragraph;
    CharStyle style;
    style.halfPoints = kBodyHalfPoints;
    if (line.starts_with("# ")) {
        line.remove_prefix(2);
        paragraph.align = Alignment::Center;
        style.bold = true;
        style.halfPoints = kTitleHalfPoints;
    } else if (line.starts_with("## ")) {
        line.remove_prefix(3);
        style.bold = true;
    }
    paragraph.endStyle = style;
    const bool baseBold = style.bold;
    bool open = false;
    for (std::size_t pos = 0;;) {
        const std::size_t mark = line.find("**", pos);
        paragraph.runs.push_back(Run{std::string(line.substr(pos, mark - pos)), style});
        if (mark == std::string_view::npos) {
            break;
        }
        open = !open;
        style.bold = baseBold || open;
        pos = mark + 2;
    }
    if (open) {
        problems.push_back({lineNo, "\"**\" opens bold text that the line never closes"});
    }
    normalise(paragraph);
    return paragraph;
}

} // namespace

RichDoc parseMarkup(std::string_view utf8, Problems& problems) {
    RichDoc doc;
    const std::vector<std::string> lines = splitTextLines(utf8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        doc.paragraphs.push_back(parseLine(lines[i], i + 1, problems));
    }
    return doc;
}

} // namespace tarvenik::mkdata
