// Any bytes as a horoscope system's "seznam.txt" and, after the piece separator,
// "tabs.txt" (absent without one): the catalogue lists exactly the files' lines, never
// chooses outside them, and names a text file for every sign under every tab.
#include "data/horoscopecatalogue.h"
#include "data/horoscopes.h"
#include "fuzzfolder.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;
using fuzz::check;

std::vector<std::string> linesOf(std::string_view bytes) {
    auto lines = splitTextLines(bytes);
    for (std::string& line : lines) {
        line = decode1250(line);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const std::string system = horoscopeFolderName(HoroscopeSystem::Sun);
    const auto folder = horoscopeFolder(scratch.root(), system).lexically_relative(scratch.root());
    std::size_t given = 0;
    const auto pieces =
        fuzz::splitPieces(std::string_view(reinterpret_cast<const char*>(data), size), 2, &given);
    scratch.put(folder / "seznam.txt", pieces[0]);
    if (given > 1) {
        scratch.put(folder / "tabs.txt", pieces[1]);
    } else {
        scratch.remove(folder / "tabs.txt");
    }

    const auto signs = readSignList(scratch.root(), system);
    const auto tabs = readTabs(scratch.root(), system);
    check(signs && *signs == linesOf(pieces[0]));
    check(given > 1 ? tabs && *tabs == linesOf(pieces[1]) : !tabs && tabs.error().notFound());

    const auto opened = openCatalogueSystem(scratch.root(), system);
    check(opened && opened->signs == *signs &&
          opened->tabs == (tabs ? *tabs : std::vector<std::string>{}) && !opened->sign &&
          opened->tab == 0 && !catalogueTabsEnabled(*opened) &&
          !catalogueTextPath(scratch.root(), *opened));
    // Every sign under the first and the last tab, and one past each list's end.
    for (std::size_t s = 0; s <= opened->signs.size() && s < 16; ++s) {
        const HoroscopeCatalogue chosen = chooseCatalogueSign(*opened, s);
        const bool inside = s < opened->signs.size();
        check(chosen.sign == (inside ? std::optional(s) : std::nullopt) &&
              catalogueTabsEnabled(chosen) == inside);
        for (const std::size_t t : {std::size_t{0}, opened->tabs.size() - 1, opened->tabs.size()}) {
            const HoroscopeCatalogue tabbed = chooseCatalogueTab(chosen, t);
            check(tabbed.tab == (t < opened->tabs.size() ? t : 0));
            const auto path = catalogueTextPath(scratch.root(), tabbed);
            check(path.has_value() == inside);
            if (inside) {
                const std::u8string name = path->u8string();
                check(std::string_view(reinterpret_cast<const char*>(name.data()), name.size())
                          .ends_with(opened->signs[s] + ".rtf"));
            }
        }
    }
    return 0;
}
