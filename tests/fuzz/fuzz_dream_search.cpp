// Any bytes as a dream search over the 26 letter files. The first piece sets the search:
// byte 0 the options (1 exact, 2 case-sensitive, 4 a character the files cannot hold),
// byte 1 the fields (bits 1-8 for title, refinement, meaning, source), the rest the
// Windows-1250 search text. The next pieces are the files SnyA.txt, SnyB.txt, ...
// Hledej matches the files' bytes; it must find exactly the entries that decoding and
// grouping all letters as one run and matching the decoded lines finds.
#include "data/dreams.h"
#include "fuzzfolder.h"
#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;

std::vector<DreamEntry> decodedSearch(const std::vector<std::string_view>& files,
                                      const DreamSearch& search) {
    std::vector<DreamLine> lines;
    for (const std::string_view file : files) {
        for (DreamLine& line : parseDreamFile(file)) {
            lines.push_back(std::move(line));
        }
    }
    if (!charactersOutside1250(search.text).empty()) {
        return {};
    }
    auto entries = groupDreamEntries(std::move(lines));
    std::erase_if(entries, [&](const DreamEntry& e) {
        return std::none_of(e.subEntries.begin(), e.subEntries.end(), [&](const DreamSubEntry& s) {
            return dreamLineMatches({e.title, s.refinement, s.meaning, s.source}, search);
        });
    });
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    auto pieces = fuzz::splitPieces(std::string_view(reinterpret_cast<const char*>(data), size),
                                    1 + kDreamLetters.size());
    const std::string_view control = pieces.front();
    pieces.erase(pieces.begin());
    for (std::size_t i = 0; i < kDreamLetters.size(); ++i) {
        scratch.put(dreamFilePath({}, kDreamLetters[i]), pieces[i]);
    }

    const unsigned options = control.empty() ? 0 : static_cast<unsigned char>(control[0]);
    const unsigned fields = control.size() < 2 ? 0xF : static_cast<unsigned char>(control[1]);
    DreamSearch search;
    search.exact = (options & 1) != 0;
    search.caseSensitive = (options & 2) != 0;
    search.text = decode1250(control.substr(std::min<std::size_t>(control.size(), 2)));
    if ((options & 4) != 0) {
        search.text += "α";
    }
    for (const DreamField f :
         {DreamField::Title, DreamField::Refinement, DreamField::Meaning, DreamField::Source}) {
        if ((fields >> static_cast<int>(f) & 1) != 0) {
            search.fields.push_back(f);
        }
    }

    const auto found = Hledej(scratch.root(), search);
    fuzz::check(found && *found == decodedSearch(pieces, search));
    return 0;
}
