#pragma once
// An application folder for the benchmarks that need persons: every entry of the built
// folder linked in, and a person file of its own with a person and a partner, so nothing
// real is written.

#include "data/persons.h"
#include "tests/tempfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace tarvenik::bench {

class ScratchApp {
public:
    // Born 5.3.1975: the spring of the imperial horoscope, whose text is the largest.
    const Person user{"Jan", "Novák", *DateTime::fromDate(1975, 3, 5), 7, 5, true, 0};
    const Person partner{"Eva", "Malá", *DateTime::fromDate(1990, 4, 15), 0, 0, false, 1};

    explicit ScratchApp(const std::filesystem::path& built) {
        for (const auto& entry : std::filesystem::directory_iterator(built)) {
            std::filesystem::create_symlink(entry.path(), m_folder / entry.path().filename());
        }
        const auto u = writePerson(m_folder.path(), user);
        const auto p = writePerson(m_folder.path(), partner);
        if (!u || !p) {
            std::fprintf(stderr, "cannot write the person file in %s\n", m_folder.path().c_str());
            std::exit(1);
        }
        userRecord = *u;
        partnerRecord = *p;
    }

    const std::filesystem::path& path() const { return m_folder.path(); }
    std::string userRecord, partnerRecord;

private:
    test::TempFolder m_folder;
};

} // namespace tarvenik::bench
