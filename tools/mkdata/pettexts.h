#pragma once
// The pet horoscope texts, content/program/pets.txt: compiled into the program rather
// than shipped as a data file. The source is two sections, "## " + type caption, each of
// twelve lines "Sign: text" in sign order; every text must open with the words of its
// sign and have exactly its length in characters (core/petsigns.h), or the build stops.

#include "core/petsigns.h"
#include "tools/mkdata/sources.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvenik::mkdata {

using PetTexts = std::array<std::array<std::string, 12>, 2>;

PetTexts parsePetTexts(std::string_view utf8, Problems& problems);

// A C++ source that defines kPetTexts.
std::string petTextsSource(const PetTexts& texts);

} // namespace tarvenik::mkdata
