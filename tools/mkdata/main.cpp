// mkdata CONTENT_DIR APP_DIR
// mkdata --pets SOURCE OUTPUT_CPP
//
// Builds the runtime data folder from the UTF-8 content sources (content/README.md): text
// and INI files become Windows-1250 with CR LF, name sources fixed-size records, dream
// sources the dream letter files, ".text" markup RTF, and pictures are copied. Every
// source is checked first; any fault is printed as "file:line: error: reason" and nothing
// is written, so a broken source fails the build instead of shipping. Files of earlier runs
// that no source produces any more are removed from the data folders.

#include "platform/atomicfile.h"
#include "platform/rtfwriter.h"
#include "platform/text.h"
#include "tools/mkdata/markup.h"
#include "tools/mkdata/pettexts.h"
#include "tools/mkdata/sources.h"
#include "tools/mkdata/stale.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace fs = std::filesystem;
using namespace tarvenik;
using namespace tarvenik::mkdata;

namespace {

struct Generator {
    fs::path contentDir;
    std::map<fs::path, std::string> outputs; // relative runtime path -> bytes
    std::set<char> nameLetters, dreamLetters;
    int errors = 0;

    void report(const fs::path& rel, const Problems& problems) {
        for (const Problem& p : problems) {
            const std::string where =
                (contentDir / rel).string() + (p.line > 0 ? ":" + std::to_string(p.line) : "");
            std::fprintf(stderr, "%s: error: %s\n", where.c_str(), p.reason.c_str());
            ++errors;
        }
    }

    static bool isLetterSource(const fs::path& rel, const char* folder) {
        const std::string stem = rel.stem().string();
        return rel.parent_path() == fs::path("Data") / folder && rel.extension() == ".txt" &&
               stem.size() == 1 && stem[0] >= 'A' && stem[0] <= 'Z';
    }

    void add(const fs::path& rel) {
        const std::string ext = rel.extension().string();
        if (rel == "README.md" || *rel.begin() == "program") {
            return;
        }
        if (ext == ".png") {
            const auto bytes = readFileBytes(contentDir / rel);
            if (!bytes) {
                report(rel, {{0, bytes.error().reason}});
            } else {
                outputs[rel] = *bytes;
            }
            return;
        }
        if (ext != ".txt" && ext != ".ini" && ext != ".text") {
            std::fprintf(stderr, "%s: warning: not a content source, skipped\n",
                         (contentDir / rel).c_str());
            return;
        }
        const auto source = readFileBytes(contentDir / rel);
        if (!source) {
            report(rel, {{0, source.error().reason}});
            return;
        }
        Problems problems;
        checkEncodable(*source, problems);
        if (!problems.empty()) {
            report(rel, problems);
            return;
        }
        const std::string letter = rel.stem().string();
        if (isLetterSource(rel, "Jména")) {
            const auto records = parseNamesSource(*source, letter[0], problems);
            outputs[rel.parent_path() / ("Jména" + letter + ".dat")] = encodeNameRecords(records);
            nameLetters.insert(letter[0]);
        } else if (isLetterSource(rel, "Sny")) {
            const auto lines = parseDreamsSource(*source, problems);
            const auto bytes = encodeDreamFile(lines);
            if (bytes) {
                outputs[rel.parent_path() / ("Sny" + letter + ".txt")] = *bytes;
            } else {
                problems.push_back({0, bytes.error().text()});
            }
            dreamLetters.insert(letter[0]);
        } else if (rel.parent_path() == fs::path("Data") / "Jména" ||
                   rel.parent_path() == fs::path("Data") / "Sny") {
            problems.push_back({0, "this folder holds one source per letter, A.txt to Z.txt"});
        } else if (ext == ".text") {
            const RichDoc doc = parseMarkup(*source, problems);
            outputs[fs::path(rel).replace_extension(".rtf")] = writeRtf(doc);
        } else {
            outputs[rel] = runtimeText(*source);
        }
        report(rel, problems);
    }

    void warnMissingLetters(const std::set<char>& present, const char* what) const {
        std::string missing;
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (!present.contains(c)) {
                missing += ' ';
                missing += c;
            }
        }
        if (!missing.empty()) {
            std::fprintf(stderr, "mkdata: warning: no %s source for:%s\n", what, missing.c_str());
        }
    }

    bool writeAll(const fs::path& appDir) const {
        for (const auto& [rel, bytes] : outputs) {
            const fs::path target = appDir / rel;
            std::error_code ec;
            fs::create_directories(target.parent_path(), ec);
            if (ec) {
                std::fprintf(stderr, "%s: error: %s\n", target.parent_path().c_str(),
                             ec.message().c_str());
                return false;
            }
            // Unchanged files keep their time stamps.
            const auto old = readFileBytes(target);
            if (old && *old == bytes) {
                continue;
            }
            const auto written = writeFileAtomic(target, bytes);
            if (!written) {
                std::fprintf(stderr, "mkdata: error: %s\n", written.error().text().c_str());
                return false;
            }
        }
        return true;
    }
};

int generatePetTexts(const fs::path& source, const fs::path& output) {
    const auto bytes = readFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "%s: error: %s\n", source.c_str(), bytes.error().reason.c_str());
        return 1;
    }
    Problems problems;
    checkEncodable(*bytes, problems);
    const PetTexts texts = parsePetTexts(*bytes, problems);
    for (const Problem& p : problems) {
        std::fprintf(stderr, "%s%s: error: %s\n", source.c_str(),
                     p.line > 0 ? (":" + std::to_string(p.line)).c_str() : "", p.reason.c_str());
    }
    if (!problems.empty()) {
        return 1;
    }
    const std::string code = petTextsSource(texts);
    // An unchanged source keeps its time stamp, so nothing is compiled again.
    if (const auto old = readFileBytes(output); old && *old == code) {
        return 0;
    }
    const auto written = writeFileAtomic(output, code);
    if (!written) {
        std::fprintf(stderr, "mkdata: error: %s\n", written.error().text().c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--pets") {
        return generatePetTexts(argv[2], argv[3]);
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkdata CONTENT_DIR APP_DIR\n"
                             "       mkdata --pets SOURCE OUTPUT_CPP\n");
        return 2;
    }
    Generator gen;
    gen.contentDir = argv[1];
    std::error_code ec;
    std::set<fs::path> sources; // sorted, so the messages come in a stable order
    for (auto it = fs::recursive_directory_iterator(gen.contentDir, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file()) {
            sources.insert(fs::relative(it->path(), gen.contentDir));
        }
    }
    if (ec) {
        std::fprintf(stderr, "%s: error: %s\n", argv[1], ec.message().c_str());
        return 1;
    }
    for (const fs::path& rel : sources) {
        gen.add(rel);
    }
    if (gen.errors > 0) {
        std::fprintf(stderr,
                     "mkdata: %d error(s) in the content; the data folder was not written\n",
                     gen.errors);
        return 1;
    }
    gen.warnMissingLetters(gen.nameLetters, "names");
    gen.warnMissingLetters(gen.dreamLetters, "dreams");
    if (!gen.writeAll(argv[2])) {
        return 1;
    }
    std::set<fs::path> produced;
    for (const auto& [rel, bytes] : gen.outputs) {
        produced.insert(rel);
    }
    const auto removed = removeStaleOutputs(argv[2], produced);
    if (!removed) {
        std::fprintf(stderr, "mkdata: error: %s\n", removed.error().text().c_str());
        return 1;
    }
    for (const fs::path& rel : *removed) {
        std::printf("mkdata: removed %s, no source produces it any more\n", rel.c_str());
    }
    return 0;
}
