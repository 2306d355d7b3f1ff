#pragma once
// The decisions of the person selection dialogs, apart from the widgets: which entries the
// lists select after a refresh (remembered choice or defaults), when a choice is complete
// enough to confirm, and what stands in the way of storing a new or edited person.

#include "data/persons.h"
#include "data/settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvenik {

// The chooser's first entry when it offers deletion.
inline constexpr const char* kDeleteAllEntry = "---- SMAZAT VŠE ----";

struct PersonListChoice {
    bool partnerTicked = false;
    int user = -1; // index into the sorted names, -1 for no choice
    int partner = -1;
    bool partnerListEnabled = false;
    bool editDeleteEnabled = false;

    bool operator==(const PersonListChoice&) const = default;
};

// NactiPamatovat. The partner option follows the remembered PartnerZAP with remembering
// on, the loaded default otherwise; an unticked option clears the partner list's choice.
// Then, with remembering on, each list selects its remembered entry: an empty remembered
// text leaves the list without a choice, a text equal to no entry keeps the current choice.
PersonListChoice restoreChoice(const std::vector<std::string>& names, bool pamatovat,
                               bool loadedPartner, const RememberedSelection& remembered,
                               int currentUser, int currentPartner);

// A person is chosen, and a partner too when the partner option is ticked.
bool selectionComplete(bool partnerTicked, bool userChosen, bool partnerChosen);

// First name and surname not empty (blanks count as text) and a sex chosen.
bool personEntryComplete(std::string_view firstName, std::string_view surname, int sexIndex);

// What confirming the person form finds, checked in this order.
enum class PersonEntryProblem {
    None,
    Incomplete, // a name empty or no sex chosen
    Unstorable, // characters the Windows-1250 person file cannot hold ('?' on disk)
    Exists,     // another stored person has the same record name: ask before replacing it
};

struct PersonEntryCheck {
    PersonEntryProblem problem = PersonEntryProblem::None;
    std::vector<std::string> characters; // Unstorable: each such character once
    std::string existing;                // Exists: the stored record name it would replace

    bool operator==(const PersonEntryCheck&) const = default;
};

// `stored` holds the record names of the person file; `edited` the record name of the
// person being edited (empty when adding), which the entry may keep without asking. Record
// names compare case-blind, as the file's sections do.
PersonEntryCheck checkPersonEntry(const Person& entered, const std::vector<std::string>& stored,
                                  std::string_view edited);

} // namespace tarvenik
