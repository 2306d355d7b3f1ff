// Any bytes as Tarvenik.ini: the settings read within their ranges, and each of the three
// writers (the settings dialog's, the remembered persons', the reminder switch) stores
// what it is given so that it reads back unchanged, leaving what the others read as it was.
#include "data/settings.h"
#include "fuzzfolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvenik;
using fuzz::check;

struct Everything {
    AppSettings settings;
    RememberedSelection remembered;
    bool reminders = false;
    bool operator==(const Everything&) const = default;
};

// The remembered selection's default follows the file's own Partner, so it is read with
// the fallback given rather than the one just read.
Everything readEverything(const std::filesystem::path& folder, bool loadedPartner) {
    const auto s = readSettings(folder);
    const auto r = readRememberedSelection(folder, loadedPartner);
    const auto m = readRemindersAtStartup(folder);
    check(s && r && m);
    check(s->Pruhlednost_value >= 50 && s->Pruhlednost_value <= 255);
    return {*s, *r, *m};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzz::ScratchFolder::instance();
    const std::filesystem::path& folder = scratch.root();
    scratch.put(kSettingsFileName, std::string_view(reinterpret_cast<const char*>(data), size),
                true);
    const bool loadedPartner = size % 2 == 1;
    Everything now = readEverything(folder, loadedPartner);

    // Each writer with everything it writes changed.
    AppSettings& s = now.settings;
    s = {!s.Partner, !s.Pamatovat,   !s.Pruhlednost, 50 + (s.Pruhlednost_value - 49) % 206,
         !s.Pouzit,  s.Cesta + " ;x"};
    check(saveSettings(folder, s).ok());
    check(readEverything(folder, loadedPartner) == now);

    RememberedSelection& r = now.remembered;
    r = {!r.PartnerZAP, r.Uzivatel + "\"", " " + r.Partner};
    check(writeRememberedSelection(folder, r).ok());
    check(readEverything(folder, loadedPartner) == now);

    now.reminders = !now.reminders;
    check(writeRemindersAtStartup(folder, now.reminders).ok());
    check(readEverything(folder, loadedPartner) == now);
    return 0;
}
