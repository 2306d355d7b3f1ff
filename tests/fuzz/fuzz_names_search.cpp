// Any bytes as a names search over the 26 letter files. The first piece sets the search:
// byte 0 the options (1 exact, 2 case-sensitive, 4 with the filter, 8 a character the files
// cannot hold, 16/32 the kind of name), bytes 1-2 the fields, bytes 3-10 the filter's
// ticks (missing bytes tick everything), the rest the Windows-1250 search text. The next
// pieces are the files JménaA.dat, JménaB.dat, ... (empty when not given).
// hledej matches the files' bytes; it must find exactly the records that decoding every
// letter (browseNameLetter) and matching the decoded texts finds, up to the same error.
#include "data/namesearch.h"
#include "fuzzfolder.h"
#include "platform/text.h"
#include "platform/textmatch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;

struct Bits {
    std::string_view bytes;
    std::size_t next = 0;
    bool take() {
        const std::size_t byte = next / 8;
        const bool set = byte >= bytes.size() ||
                         (static_cast<unsigned char>(bytes[byte]) >> (next % 8) & 1) != 0;
        ++next;
        return set;
    }
};

template <std::size_t N> void takeAll(Bits& bits, std::array<bool, N>& flags) {
    for (bool& f : flags) {
        f = bits.take();
    }
}

NameListing decodedSearch(const std::filesystem::path& folder, const NameSearch& search,
                          const NameFilter& filter) {
    NameListing listing;
    if (!hasSomethingToSearch(search)) {
        return listing;
    }
    // A text the files cannot hold finds nothing, but the files are still read.
    const bool possible = charactersOutside1250(search.text).empty();
    const TextMatcher matches(search.text, search.exact, search.caseSensitive);
    for (const char letter : kNameLetters) {
        NameListing one = browseNameLetter(folder, std::string_view(&letter, 1), nullptr);
        for (NameRecord& r : one.records) {
            bool found = false;
            for (std::size_t f = 0; f < kNameFields.size(); ++f) {
                found =
                    found || (possible && search.fields[f] && matches(r.*kNameFields[f].member));
            }
            if (found && (!search.useFilter || passesNameFilter(r, filter))) {
                listing.records.push_back(std::move(r));
            }
        }
        if (one.error) {
            listing.error = std::move(one.error);
            break;
        }
    }
    return listing;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const auto pieces = fuzz::splitPieces(
        std::string_view(reinterpret_cast<const char*>(data), size), 1 + kNameLetters.size());
    for (std::size_t i = 0; i < kNameLetters.size(); ++i) {
        scratch.put(nameFilePath({}, kNameLetters.substr(i, 1)), pieces[1 + i]);
    }

    const std::string_view control = pieces[0];
    const unsigned options = control.empty() ? 0 : static_cast<unsigned char>(control[0]);
    NameSearch search;
    search.exact = (options & 1) != 0;
    search.caseSensitive = (options & 2) != 0;
    search.useFilter = (options & 4) != 0;
    search.text = decode1250(control.substr(std::min<std::size_t>(control.size(), 11)));
    if ((options & 8) != 0) {
        search.text += "α";
    }
    NameFilter filter;
    filter.kind = static_cast<NameKindChoice>((options >> 4) % 3);
    Bits fields{control.substr(std::min<std::size_t>(control.size(), 1), 2)};
    takeAll(fields, search.fields);
    Bits ticks{control.substr(std::min<std::size_t>(control.size(), 3), 8)};
    takeAll(ticks, filter.origins);
    takeAll(ticks, filter.usages);
    takeAll(ticks, filter.calendars);

    const NameListing found = hledej(scratch.root(), search, filter);
    const NameListing expected = decodedSearch(scratch.root(), search, filter);
    fuzz::check(found.records == expected.records);
    fuzz::check(found.error.has_value() == expected.error.has_value() &&
                (!found.error || found.error->text() == expected.error->text()));
    return 0;
}
