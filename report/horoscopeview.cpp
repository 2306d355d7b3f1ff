#include "report/horoscopeview.h"

#include "core/horoscopetexts.h"
#include "platform/rtfreader.h"

namespace tarvenik {

namespace {

const PersonSigns& signsOf(Side side, const HoroscopeSet& signs) {
    return side == Side::Partner ? signs.partner : signs.user;
}

// The tab whose text is cut down to the birth month.
constexpr const char* kLunarInfluenceTab = "Vliv měsíce";

Result<RichDoc> readText(const std::filesystem::path& appFolder, const DisplaySelection& shown,
                         const std::string* tab) {
    return readRtfFile(
        horoscopeTextPath(appFolder, horoscopeFolderName(shown.system), shown.sign, tab));
}

// A missing text is the one line; an unreadable one that line and the error.
HoroscopeText missingText(const Error& error) {
    HoroscopeText text;
    if (!error.notFound()) {
        text.error = error;
    }
    appendLine(text.doc, kTextMissing);
    return text;
}

} // namespace

SexTabRule sexTabRuleOf(int sex) {
    return sex == 0 ? SexTabRule::RemoveFourth
                    : (sex == 1 ? SexTabRule::RemoveThird : SexTabRule::None);
}

std::string signOf(HoroscopeSystem system, Side side, const HoroscopeSet& signs) {
    const PersonSigns& s = signsOf(side, signs);
    switch (system) {
    case HoroscopeSystem::Sun:
    case HoroscopeSystem::TrueSun:
        return s.sun;
    case HoroscopeSystem::Ascendant:
        return s.ascendant;
    case HoroscopeSystem::Lunar:
        return s.lunar;
    case HoroscopeSystem::Chinese:
        return s.chineseAnimal;
    case HoroscopeSystem::ImperialChinese:
        return s.chineseSeason;
    case HoroscopeSystem::Celtic:
        return s.celtic;
    case HoroscopeSystem::Egyptian:
        return s.egyptian;
    case HoroscopeSystem::Cyclic:
        return s.cyclic;
    case HoroscopeSystem::NativeAmerican:
        return s.nativeAmerican;
    case HoroscopeSystem::Aztec:
        return s.aztec;
    case HoroscopeSystem::Indian:
        return s.indian;
    case HoroscopeSystem::Gypsy:
        return s.gypsy;
    case HoroscopeSystem::PartnerSun:
        return signs.partnerSunKey;
    case HoroscopeSystem::PartnerChinese:
        return signs.partnerChineseKey;
    case HoroscopeSystem::PartnerJapanese:
        return signs.partnerJapaneseKey;
    case HoroscopeSystem::Info:
        break;
    }
    return {};
}

DisplaySelection horoscopeButton(DisplaySelection before, HoroscopeSystem system, Side side,
                                 const HoroscopeSet& signs, int sex) {
    DisplaySelection s = std::move(before);
    s.system = system;
    s.sign = signOf(system, side, signs);
    s.sexTabRule = system == HoroscopeSystem::Sun ? sexTabRuleOf(sex) : SexTabRule::None;
    if (system == HoroscopeSystem::Chinese || system == HoroscopeSystem::ImperialChinese) {
        s.currentPerson = side;
    }
    return s;
}

DisplaySelection infoButton(DisplaySelection before, std::string caption) {
    DisplaySelection s = std::move(before);
    s.system = HoroscopeSystem::Info;
    s.sign = std::move(caption);
    s.sexTabRule = SexTabRule::None;
    return s;
}

HoroscopeView horoscopeView(const std::filesystem::path& appFolder, const DisplaySelection& shown,
                            const HoroscopeSet& signs) {
    HoroscopeView view;
    auto tabs = readTabs(appFolder, horoscopeFolderName(shown.system));
    if (tabs) {
        view.tabs = std::move(tabs).value();
    } else if (!tabs.error().notFound()) {
        view.tabsError = tabs.error();
    }
    auto read = readText(appFolder, shown, view.tabs.empty() ? nullptr : &view.tabs.front());
    view.text = read ? HoroscopeText{std::move(read).value(), {}} : missingText(read.error());
    // The tab of the other sex goes; the text of the first tab stays.
    const std::size_t removed = shown.sexTabRule == SexTabRule::RemoveFourth ? 3 : 2;
    if (shown.sexTabRule != SexTabRule::None && removed < view.tabs.size()) {
        view.tabs.erase(view.tabs.begin() + static_cast<std::ptrdiff_t>(removed));
    }
    if (shown.system == HoroscopeSystem::ImperialChinese) {
        const PersonSigns& s = signsOf(shown.currentPerson.value_or(Side::User), signs);
        imperialCut(view.text.doc, s.chineseSeason, s.chineseAnimal);
    }
    return view;
}

HoroscopeText horoscopeTabText(const std::filesystem::path& appFolder,
                               const DisplaySelection& shown, const std::string& tab,
                               const ReportPeople& people, const HoroscopeSet& signs) {
    auto read = readText(appFolder, shown, &tab);
    if (!read) {
        return missingText(read.error());
    }
    HoroscopeText text{std::move(read).value(), {}};
    // Without a Chinese button pressed the birth month is unknown: no cut.
    if (tab == kLunarInfluenceTab && shown.currentPerson) {
        const int month = people.of(*shown.currentPerson).person.birthDate.month();
        const bool ownAnimal =
            shown.sign == signs.user.chineseAnimal || shown.sign == signs.partner.chineseAnimal;
        lunarInfluenceCut(text.doc, month, ownAnimal);
    }
    return text;
}

} // namespace tarvenik
