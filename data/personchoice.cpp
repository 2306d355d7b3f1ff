#include "data/personchoice.h"

#include "platform/ini.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvenik {

namespace {

int rememberedIndex(const std::vector<std::string>& names, const std::string& remembered,
                    int current) {
    if (remembered.empty()) {
        return -1;
    }
    const auto it = std::find(names.begin(), names.end(), remembered);
    return it == names.end() ? current : static_cast<int>(it - names.begin());
}

} // namespace

PersonListChoice restoreChoice(const std::vector<std::string>& names, bool pamatovat,
                               bool loadedPartner, const RememberedSelection& remembered,
                               int currentUser, int currentPartner) {
    PersonListChoice c;
    // The partner option is set first: left unticked, it takes the partner list's choice
    // away, so a remembered partner that matches nothing leaves no choice behind.
    c.partnerTicked = pamatovat ? remembered.PartnerZAP : loadedPartner;
    c.user = currentUser;
    c.partner = c.partnerTicked ? currentPartner : -1;
    if (pamatovat) {
        c.user = rememberedIndex(names, remembered.Uzivatel, c.user);
        c.partner = rememberedIndex(names, remembered.Partner, c.partner);
    }
    c.partnerListEnabled = c.partnerTicked;
    c.editDeleteEnabled = !names.empty();
    return c;
}

bool selectionComplete(bool partnerTicked, bool userChosen, bool partnerChosen) {
    return userChosen && (!partnerTicked || partnerChosen);
}

bool personEntryComplete(std::string_view firstName, std::string_view surname, int sexIndex) {
    return !firstName.empty() && !surname.empty() && (sexIndex == 0 || sexIndex == 1);
}

PersonEntryCheck checkPersonEntry(const Person& entered, const std::vector<std::string>& stored,
                                  std::string_view edited) {
    PersonEntryCheck check;
    if (!personEntryComplete(entered.firstName, entered.surname, entered.sex)) {
        check.problem = PersonEntryProblem::Incomplete;
        return check;
    }
    check.characters = charactersOutside1250(entered.firstName + entered.surname);
    if (!check.characters.empty()) {
        check.problem = PersonEntryProblem::Unstorable;
        return check;
    }
    const std::string name = recordNameOf(storablePerson(entered));
    for (const std::string& s : stored) {
        if (equalsCaseBlind(s, name) && (edited.empty() || !equalsCaseBlind(s, edited))) {
            check.problem = PersonEntryProblem::Exists;
            check.existing = s;
            return check;
        }
    }
    return check;
}

} // namespace tarvenik
