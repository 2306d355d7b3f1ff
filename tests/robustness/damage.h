#pragma once
// Damaged forms of a file the program reads, and a listing of a folder that shows whether
// reading such a file wrote anything.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tarvenik::test {

enum class Damage {
    Missing,
    Empty,
    Truncated,    // cut at a point drawn from the seed
    RandomBytes,  // as many random bytes as the intact file has (at least 1 KB)
    Huge,         // 50 MB: the intact bytes repeated, then random bytes
    Utf8,         // the intact text re-encoded from Windows-1250 to UTF-8
    Directory,    // an empty folder in the file's place
    NoPermission, // the intact file without read permission (no effect for root)
};

// One case of a table: a damage, and the seed of its random parts. Three truncations at
// different points, one of each other damage.
struct DamageCase {
    Damage damage;
    unsigned seed;
};
std::vector<DamageCase> allDamageCases();

// "missing", "truncated#2", …: the name a test's output and the note's table use.
std::string caseName(const DamageCase& c);

// What every report of this damage must say (the program's own Czech reason), or nothing
// where the damage has no reason of its own.
std::string requiredReason(Damage damage);

// Replaces the file at `path` (created if missing) by the damaged form of `good`.
void applyDamage(const std::filesystem::path& path, const std::string& good, const DamageCase& c);

// True when this process ignores file permissions, so NoPermission cannot be tested.
bool permissionsIgnored();

// Every regular file below `folder`, by its relative path, with its size and a hash of its
// bytes. Two equal listings mean nothing was written, created or removed.
struct FileStamp {
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};
using Listing = std::map<std::string, FileStamp>;
Listing listing(const std::filesystem::path& folder);

} // namespace tarvenik::test
