#pragma once
// A scratch application folder for the report's tests: a calendar, names letter files and
// horoscope texts, and the persons in a user folder of their own, written the way the
// program stores them.

#include "data/names.h"
#include "data/persons.h"
#include "platform/rich.h"
#include "platform/rtfwriter.h"
#include "platform/text.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tarvenik::test {

inline std::filesystem::path u8(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

inline std::vector<std::string> linesOf(const RichDoc& doc) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < paragraphCount(doc); ++i) {
        lines.push_back(paragraphText(doc, i));
    }
    return lines;
}

struct ReportFolder {
    TempFolder dir;

    const std::filesystem::path& path() const { return dir.path(); }
    // The folder of the person file, apart from the texts as in a system install.
    std::filesystem::path userPath() const { return dir / "home"; }

    // A Windows-1250 text file under the folder, its folders created.
    void text(const std::filesystem::path& relative, const std::string& utf8) const {
        const auto file = dir.path() / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << encode1250(utf8);
    }
    // An RTF text of one paragraph per line.
    void rtf(const std::filesystem::path& relative, const std::vector<std::string>& lines) const {
        RichDoc doc;
        for (const auto& l : lines) {
            appendLine(doc, l);
        }
        const auto file = dir.path() / relative;
        std::filesystem::create_directories(file.parent_path());
        ASSERT_TRUE(writeRtfFile(file, doc));
    }
    std::string person(const Person& p) const {
        const auto name = writePerson(userPath(), p);
        EXPECT_TRUE(name);
        return name ? *name : std::string();
    }
    // Turns a file into a folder of the same name, which no reader can read.
    void spoil(const std::filesystem::path& relative) const {
        std::filesystem::remove(dir.path() / relative);
        std::filesystem::create_directories(dir.path() / relative);
    }
};

inline Person person(const char* first, const char* last, int y, int m, int d, int sex,
                     bool exact = false, int h = 0, int mi = 0) {
    return Person{first, last, *DateTime::fromDate(y, m, d), h, mi, exact, sex};
}

} // namespace tarvenik::test
