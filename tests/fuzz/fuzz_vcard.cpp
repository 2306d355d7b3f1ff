// Any bytes as a vCard file: reading never fails in another way than with a reason, every
// person read has names a person may have, and writing the persons and reading them back
// gives the same persons.
#include "data/vcard.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    const auto cards = parseVCards(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!cards) {
        if (cards.error().reason.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const Person& p : cards->persons) {
        if (p.firstName.empty() || p.surname.empty() || charCount(p.firstName) > kPersonNameLimit ||
            charCount(p.surname) > kPersonNameLimit) {
            std::abort();
        }
    }
    const auto back = parseVCards(formatVCards(cards->persons));
    if (cards->persons.empty() ? back.ok() : !back.ok() || back->persons != cards->persons) {
        std::abort();
    }
    return 0;
}
