#include "data/personexchange.h"

#include "platform/atomicfile.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace tarvenik {

namespace fs = std::filesystem;

namespace {

// "Přidány 3 osoby": the verb agrees with the count as the noun does.
std::string countedSentence(int count, std::array<std::string_view, 3> verb,
                            std::array<std::string_view, 3> noun) {
    const auto pick = [count](const std::array<std::string_view, 3>& forms) {
        return std::string(czechPlural(count, forms[0], forms[1], forms[2]));
    };
    return pick(verb) + " " + std::to_string(count) + " " + pick(noun);
}

constexpr std::array<std::string_view, 3> kPersons{"osoba", "osoby", "osob"};

constexpr CardSkip kSkipOrder[] = {
    CardSkip::NoBirthDate,     CardSkip::NoBirthYear, CardSkip::BadBirthDate,
    CardSkip::FutureBirthDate, CardSkip::NoName,      CardSkip::NameNotStorable,
    CardSkip::UnknownCharset,
};

} // namespace

Result<ImportSummary> importPersons(const fs::path& userFolder, const fs::path& vcardFile,
                                    DateTime today) {
    auto cards = readVCardFile(vcardFile);
    if (!cards) {
        return cards.error();
    }
    ImportSummary summary;
    summary.skipped = cards->skipped;
    std::vector<Person> born;
    for (const Person& p : cards->persons) {
        if (p.birthDate.datePart() > today.datePart()) {
            summary.skipped.push_back(CardSkip::FutureBirthDate);
        } else {
            born.push_back(p);
        }
    }
    const auto added = addPersons(userFolder, born);
    if (!added) {
        return added.error();
    }
    summary.added = added->added;
    summary.alreadyThere = added->alreadyThere;
    return summary;
}

std::string importSummaryText(const ImportSummary& s) {
    std::string text = countedSentence(s.added, {"Přidána", "Přidány", "Přidáno"}, kPersons) + ".";
    if (s.alreadyThere > 0) {
        text += "\n" +
                countedSentence(s.alreadyThere,
                                {"Už v seznamu byla", "Už v seznamu byly", "Už v seznamu bylo"},
                                kPersons) +
                " se stejným jménem, příjmením a datem narození.";
    }
    const int skipped = static_cast<int>(s.skipped.size());
    if (skipped > 0) {
        text += "\n" +
                countedSentence(skipped, {"Přeskočena", "Přeskočeny", "Přeskočeno"},
                                {"vizitka", "vizitky", "vizitek"}) +
                ":";
        for (const CardSkip reason : kSkipOrder) {
            if (const auto n = std::count(s.skipped.begin(), s.skipped.end(), reason); n > 0) {
                text += "\n – " + std::string(cardSkipText(reason)) + ": " + std::to_string(n);
            }
        }
    }
    return text;
}

Result<int> exportPersons(const fs::path& userFolder, const fs::path& vcardFile) {
    const auto persons = readAllPersons(userFolder, kEditDefaultDate);
    if (!persons) {
        return persons.error();
    }
    if (auto written = writeFileAtomic(vcardFile, formatVCards(*persons)); !written) {
        return written.error();
    }
    return static_cast<int>(persons->size());
}

std::string exportSummaryText(int count, const std::string& fileName) {
    return "Do souboru „" + fileName + "“ " +
           countedSentence(count, {"byla uložena", "byly uloženy", "bylo uloženo"}, kPersons) + ".";
}

} // namespace tarvenik
