#include "core/petsigns.h"

namespace tarvenik {

std::string_view petSignTexts(int type, int sign) {
    if (type < 0 || type >= static_cast<int>(kPetTexts.size()) || sign < 0 ||
        sign >= static_cast<int>(kPetSigns.size())) {
        return {};
    }
    return kPetTexts[static_cast<std::size_t>(type)][static_cast<std::size_t>(sign)];
}

std::string petSignItem(int sign) {
    if (sign < 0 || sign >= static_cast<int>(kPetSigns.size())) {
        return {};
    }
    const PetSign& s = kPetSigns[static_cast<std::size_t>(sign)];
    return std::string(s.name) + std::string(static_cast<std::size_t>(s.blanks), ' ') + "( " +
           std::string(s.dates) + " )";
}

} // namespace tarvenik
