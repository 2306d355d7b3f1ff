#include "report/reportdocs.h"

#include "core/biorhythm.h"
#include "data/namecard.h"
#include "platform/rtfreader.h"
#include "platform/text.h"

namespace tarvenik {

void appendTitle(RichDoc& doc, std::string_view text) {
    CharStyle title;
    title.bold = true;
    title.halfPoints = 26;
    appendLine(doc, text, title, Alignment::Center);
}

RichDoc nameCardDoc(const NameRecord& record) {
    RichDoc doc;
    appendTitle(doc, record.name);
    appendLine(doc, "");
    for (const std::string& line : nameCardLines(record)) {
        appendLine(doc, line);
    }
    boldLabels(doc);
    return doc;
}

RichDoc biorhythmDoc(const Person& p, DateTime from, DateTime to) {
    const std::string tildes = " " + std::string(43, '~');
    RichDoc doc;
    appendTitle(doc, "Biorytmy");
    appendLine(doc, tildes);
    const std::size_t first = paragraphCount(doc);
    appendLine(doc, " Jméno: " + p.firstName);
    appendLine(doc, " Příjmení: " + p.surname);
    appendLine(doc, " Datum narození: " + p.birthDate.shortDate());
    // Only these three labels: the listing's lines have colons of their own.
    for (std::size_t i = first; i < first + 3; ++i) {
        const std::string line = paragraphText(doc, i);
        setBold(doc, {i, 0, charCount(line.substr(0, line.find(':') + 1))}, true);
    }
    appendLine(doc, tildes);
    appendLine(doc, "");
    for (const std::string& line : biorhythmListing(p.birthDate, from, to)) {
        appendLine(doc, line);
    }
    return doc;
}

Result<RichDoc> biorhythmInfoText(const std::filesystem::path& appFolder) {
    return readRtfFile(appFolder / "Data" / "biorytmy.rtf");
}

RichDoc spanDoc(const std::vector<std::string>& lines) {
    RichDoc doc;
    if (lines.empty()) {
        return doc;
    }
    appendTitle(doc, lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        appendLine(doc, lines[i]);
    }
    boldLabels(doc);
    return doc;
}

} // namespace tarvenik
