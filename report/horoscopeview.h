#pragma once
// The horoscope page of the report: which system and sign each button selects, and what
// the text view then shows: the system's tabs and the text of the selected tab, cut down to
// the person where the system asks for it (the sun-sign tab of the other sex, the imperial
// Chinese section, the month of "Vliv měsíce").

#include "core/horoscopeset.h"
#include "data/horoscopes.h"
#include "platform/result.h"
#include "platform/rich.h"
#include "report/reportpeople.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvenik {

// The line the view shows for a text that is not there.
inline constexpr const char* kTextMissing = "NENALEZENO! Zkuste přeinstalovat aplikaci!";

// Which tab of the sun-sign list goes: the sun-sign tabs are for men third, women fourth.
enum class SexTabRule {
    None,
    RemoveFourth, // a man's sun sign
    RemoveThird,  // a woman's sun sign
};

// The state of the text view.
struct DisplaySelection {
    HoroscopeSystem system = HoroscopeSystem::Info; // meaningful after the first button
    std::string sign;
    std::optional<Side> currentPerson; // set only by the Chinese and imperial Chinese buttons
    SexTabRule sexTabRule = SexTabRule::None;

    bool operator==(const DisplaySelection&) const = default;
};

// RemoveFourth for sex 0 (male), RemoveThird for 1 (female), None for any other value.
SexTabRule sexTabRuleOf(int sex);

// The sign that names the system's files for one side. The partner keys are the pair's,
// the same for both sides; the information texts have no sign (the caption names them).
std::string signOf(HoroscopeSystem system, Side side, const HoroscopeSet& signs);

// HorKlik: a horoscope button of `system` for `side`, whose person has sex `sex`.
DisplaySelection horoscopeButton(DisplaySelection before, HoroscopeSystem system, Side side,
                                 const HoroscopeSet& signs, int sex);
// InfKlik: an information button; its caption names the text in Informace.
DisplaySelection infoButton(DisplaySelection before, std::string caption);

struct HoroscopeText {
    RichDoc doc;                // the text, or the single kTextMissing line
    std::optional<Error> error; // a text that is there but cannot be read
};

struct HoroscopeView {
    std::vector<std::string> tabs;  // the tab strip, its first tab selected
    std::optional<Error> tabsError; // a tab list that is there but cannot be read: no tabs
    HoroscopeText text;             // the first tab's text
};

// zobraz_horoskopy: the tabs of the selected system (without the other sex's sun-sign tab)
// and the text of its first tab, or of the sign alone when it has no tabs.
HoroscopeView horoscopeView(const std::filesystem::path& appFolder, const DisplaySelection& shown,
                            const HoroscopeSet& signs);

// TabControl1Change: the text of another tab of the shown system.
HoroscopeText horoscopeTabText(const std::filesystem::path& appFolder,
                               const DisplaySelection& shown, const std::string& tab,
                               const ReportPeople& people, const HoroscopeSet& signs);

} // namespace tarvenik
