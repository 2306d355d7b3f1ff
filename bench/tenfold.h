#pragma once
// An application folder holding some of the built folder's files, each repeated ten times:
// a dictionary at ten times its shipped size. Removed when the program ends.

#include "platform/atomicfile.h"
#include "tests/tempfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace tarvenik::bench {

class TenfoldFolder {
public:
    using PathOf =
        std::function<std::filesystem::path(const std::filesystem::path& app, std::size_t file)>;

    // Files 0 to count - 1, each at pathOf(folder, i).
    TenfoldFolder(const std::filesystem::path& built, std::size_t count, const PathOf& pathOf) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto bytes = readFileBytes(pathOf(built, i));
            if (!bytes) {
                std::fprintf(stderr, "%s\n", bytes.error().text().c_str());
                std::exit(1);
            }
            const std::filesystem::path file = pathOf(m_folder.path(), i);
            std::filesystem::create_directories(file.parent_path());
            std::ofstream out(file, std::ios::binary);
            for (int copy = 0; copy < 10; ++copy) {
                out << *bytes;
            }
            m_files.push_back(file.string());
            m_bytes += 10 * bytes->size();
        }
    }

    const std::filesystem::path& root() const { return m_folder.path(); }
    const std::vector<std::string>& files() const { return m_files; }
    double megabytes() const { return static_cast<double>(m_bytes) / (1024.0 * 1024.0); }

private:
    test::TempFolder m_folder;
    std::vector<std::string> m_files;
    std::size_t m_bytes = 0;
};

} // namespace tarvenik::bench
