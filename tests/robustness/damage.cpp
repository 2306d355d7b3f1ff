#include "tests/robustness/damage.h"

#include "platform/text.h"

#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace tarvenik::test {

namespace fs = std::filesystem;

namespace {

std::string randomBytes(std::size_t count, std::mt19937& rng) {
    std::string bytes(count, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(rng() & 0xff);
    }
    return bytes;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string damagedBytes(const std::string& good, const DamageCase& c, std::mt19937& rng) {
    switch (c.damage) {
    case Damage::Empty:
        return {};
    case Damage::Truncated:
        return good.substr(0, good.empty() ? 0 : rng() % good.size());
    case Damage::RandomBytes:
        return randomBytes(std::max<std::size_t>(good.size(), 1024), rng);
    case Damage::Huge: {
        constexpr std::size_t kHuge = std::size_t{50} << 20;
        std::string bytes;
        bytes.reserve(kHuge);
        while (!good.empty() && bytes.size() + good.size() <= kHuge / 2) {
            bytes += good;
        }
        return bytes + randomBytes(kHuge - bytes.size(), rng);
    }
    case Damage::Utf8:
        return decode1250(good);
    default:
        return good;
    }
}

} // namespace

std::vector<DamageCase> allDamageCases() {
    return {{Damage::Missing, 0},     {Damage::Empty, 0},     {Damage::Truncated, 1},
            {Damage::Truncated, 2},   {Damage::Truncated, 3}, {Damage::RandomBytes, 4},
            {Damage::Huge, 5},        {Damage::Utf8, 0},      {Damage::Directory, 0},
            {Damage::NoPermission, 0}};
}

std::string requiredReason(Damage damage) {
    switch (damage) {
    case Damage::Huge:
        return "soubor je příliš velký";
    case Damage::Directory:
        return "je to složka, ne soubor";
    case Damage::NoPermission:
        return "chybí oprávnění";
    default:
        return {};
    }
}

std::string caseName(const DamageCase& c) {
    switch (c.damage) {
    case Damage::Missing:
        return "missing";
    case Damage::Empty:
        return "empty";
    case Damage::Truncated:
        return "truncated#" + std::to_string(c.seed);
    case Damage::RandomBytes:
        return "random bytes";
    case Damage::Huge:
        return "50 MB";
    case Damage::Utf8:
        return "UTF-8";
    case Damage::Directory:
        return "directory";
    case Damage::NoPermission:
        return "no read permission";
    }
    return "?";
}

void applyDamage(const fs::path& path, const std::string& good, const DamageCase& c) {
    std::error_code ec;
    fs::remove_all(path, ec);
    fs::create_directories(path.parent_path(), ec);
    std::mt19937 rng(c.seed);
    switch (c.damage) {
    case Damage::Missing:
        return;
    case Damage::Directory:
        fs::create_directory(path, ec);
        return;
    case Damage::NoPermission:
        writeBytes(path, good);
        fs::permissions(path, fs::perms::none, ec);
        return;
    default:
        writeBytes(path, damagedBytes(good, c, rng));
    }
}

bool permissionsIgnored() {
    return ::geteuid() == 0;
}

Listing listing(const fs::path& folder) {
    Listing files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) {
            continue;
        }
        FileStamp stamp;
        stamp.size = it->file_size(ec);
        std::ifstream in(it->path(), std::ios::binary);
        std::uint64_t hash = 1469598103934665603ull; // FNV-1a
        char block[65536];
        while (in.read(block, sizeof block) || in.gcount() > 0) {
            for (std::streamsize i = 0; i < in.gcount(); ++i) {
                hash = (hash ^ static_cast<unsigned char>(block[i])) * 1099511628211ull;
            }
        }
        stamp.hash = hash;
        files[fs::relative(it->path(), folder).generic_string()] = stamp;
    }
    return files;
}

} // namespace tarvenik::test
