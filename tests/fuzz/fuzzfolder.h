#pragma once
// For targets whose parsers read files by path: one scratch folder per process, made in
// $TMPDIR (else /dev/shm, where the atomic writes' flushes cost nothing, else /tmp) and
// removed at exit, and an input split into the several files it stands for. Also the
// check that names the broken invariant's line before it aborts.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <stdlib.h>

namespace fuzz {

namespace fs = std::filesystem;

// (The builtins stand in for std::source_location, which clang 14 lacks with libstdc++.)
inline void check(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken at %s:%d\n", file, line);
        std::abort();
    }
}

// Where the pieces of an input part: a token that no seed uses inside a file.
inline constexpr std::string_view kPieceSeparator = "#-#";

// Exactly `count` pieces: the input split at the separator, the last piece taking the rest,
// and empty pieces after the input's end. `given` says how many the input really had.
inline std::vector<std::string_view> splitPieces(std::string_view data, std::size_t count,
                                                 std::size_t* given = nullptr) {
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < count) {
        const auto at = data.find(kPieceSeparator);
        if (at == std::string_view::npos) {
            break;
        }
        pieces.push_back(data.substr(0, at));
        data.remove_prefix(at + kPieceSeparator.size());
    }
    pieces.push_back(data);
    if (given) {
        *given = pieces.size();
    }
    pieces.resize(count);
    return pieces;
}

class ScratchFolder {
public:
    static ScratchFolder& instance() {
        // Never destroyed, so that the removal at exit still has the path.
        static ScratchFolder* folder = new ScratchFolder;
        return *folder;
    }

    const fs::path& root() const { return m_root; }

    // Writes the file (its folders made once) unless it already holds these bytes. A file
    // the parser under test may have changed must be put with `always`.
    void put(const fs::path& relative, std::string_view bytes, bool always = false) {
        auto [held, isNew] = m_held.try_emplace(relative);
        if (!isNew && !always && held->second == bytes) {
            return;
        }
        const fs::path path = m_root / relative;
        if (isNew) {
            fs::create_directories(path.parent_path());
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        held->second.assign(bytes);
    }

    void remove(const fs::path& relative) {
        std::error_code ec;
        fs::remove(m_root / relative, ec);
        m_held.erase(relative);
    }

private:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = tmp && *tmp                    ? tmp
                                 : fs::is_directory("/dev/shm") ? "/dev/shm"
                                                                : "/tmp";
        std::string pattern = base + "/tarvenik-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        m_root = pattern;
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(instance().root(), ec);
        });
    }

    fs::path m_root;
    std::map<fs::path, std::string> m_held; // what each file was last put with
};

} // namespace fuzz
