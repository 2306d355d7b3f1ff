#include "report/horoscopeview.h"

#include "core/chinese.h"
#include "tests/report/reportfolder.h"

#include <gtest/gtest.h>

using namespace tarvenik;
using namespace tarvenik::test;

namespace {

const std::filesystem::path kHoroscopes = std::filesystem::path("Data") / "Horoskopy";

// Jan (a man, Ryby, born in March) and Eva (a woman, Kozoroh, born in January).
struct Fixture {
    ReportFolder app;
    ReportPeople people;
    HoroscopeSet signs;

    Fixture() {
        app.text(kHoroscopes / u8("Sluneční") / "tabs.txt", "Povaha\r\nLáska\r\nMuž\r\nŽena\r\n");
        for (const char* tab : {"Povaha", "Láska", "Muž", "Žena"}) {
            for (const char* sign : {"Ryby", "Kozoroh"}) {
                app.rtf(kHoroscopes / u8("Sluneční") / u8(std::string(tab) + " - " + sign + ".rtf"),
                        {std::string(tab) + " " + sign});
            }
        }
        app.rtf(kHoroscopes / "Informace" / u8("Cikánský.rtf"), {"O cikánském horoskopu"});
        const auto jan = app.person(person("Jan", "Novák", 1975, 3, 5, 0));
        const auto eva = app.person(person("Eva", "Malá", 1980, 1, 1, 1));
        people = loadReportPeople(app.path(), app.userPath(), jan, eva, 2026).people;
        signs = computeHoroscopes(people, *DateTime::fromDate(2026, 12, 8)).signs;
    }

    DisplaySelection press(HoroscopeSystem system, Side side) const {
        return horoscopeButton({}, system, side, signs, people.of(side).person.sex);
    }
};

std::vector<std::string> lunarText() {
    std::vector<std::string> lines = {"Nadpis", "Podnadpis"};
    for (int m = 1; m <= 12; ++m) {
        lines.push_back("=== " + std::to_string(m) + " ===");
        lines.push_back("Měsíc " + std::to_string(m));
    }
    return lines;
}

} // namespace

TEST(HoroscopeView, ButtonsSelectSystemSignAndRule) {
    Fixture f;
    struct Case {
        HoroscopeSystem system;
        Side side;
        std::string sign;
        SexTabRule rule;
        std::optional<Side> person;
    } cases[] = {
        {HoroscopeSystem::Sun, Side::User, "Ryby", SexTabRule::RemoveFourth, {}},
        {HoroscopeSystem::Sun, Side::Partner, "Kozoroh", SexTabRule::RemoveThird, {}},
        {HoroscopeSystem::TrueSun, Side::User, "Ryby", SexTabRule::None, {}},
        {HoroscopeSystem::Celtic, Side::User, "Vrba", SexTabRule::None, {}},
        {HoroscopeSystem::Chinese, Side::User, "Králík", SexTabRule::None, Side::User},
        {HoroscopeSystem::ImperialChinese, Side::Partner, "Zima", SexTabRule::None, Side::Partner},
        {HoroscopeSystem::Lunar, Side::User, "", SexTabRule::None, {}},
        {HoroscopeSystem::PartnerSun, Side::User, "RybyKozoroh", SexTabRule::None, {}},
        {HoroscopeSystem::PartnerChinese, Side::User, "KrálíkOpice", SexTabRule::None, {}},
        {HoroscopeSystem::PartnerJapanese, Side::User, "", SexTabRule::None, {}},
    };
    for (const Case& c : cases) {
        const DisplaySelection s = f.press(c.system, c.side);
        EXPECT_EQ(s, (DisplaySelection{c.system, c.sign, c.person, c.rule}))
            << horoscopeFolderName(c.system);
    }
}

TEST(HoroscopeView, TheCurrentPersonChangesOnlyWithTheChineseButtons) {
    Fixture f;
    DisplaySelection s = f.press(HoroscopeSystem::Chinese, Side::Partner);
    s = horoscopeButton(s, HoroscopeSystem::Celtic, Side::User, f.signs, 0);
    EXPECT_EQ(s.currentPerson, Side::Partner);
    s = infoButton(s, "Cikánský");
    EXPECT_EQ(
        s, (DisplaySelection{HoroscopeSystem::Info, "Cikánský", Side::Partner, SexTabRule::None}));
}

TEST(HoroscopeView, SexTabRule) {
    EXPECT_EQ(sexTabRuleOf(0), SexTabRule::RemoveFourth);
    EXPECT_EQ(sexTabRuleOf(1), SexTabRule::RemoveThird);
    for (int sex : {-1, 2, 7}) {
        EXPECT_EQ(sexTabRuleOf(sex), SexTabRule::None) << sex;
    }
}

TEST(HoroscopeView, SunTabsLoseTheOtherSexAndTheFirstTabIsShown) {
    Fixture f;
    struct Case {
        Side side;
        std::vector<std::string> tabs;
        std::string text;
    } cases[] = {
        {Side::User, {"Povaha", "Láska", "Muž"}, "Povaha Ryby"},
        {Side::Partner, {"Povaha", "Láska", "Žena"}, "Povaha Kozoroh"},
    };
    for (const Case& c : cases) {
        const HoroscopeView v =
            horoscopeView(f.app.path(), f.press(HoroscopeSystem::Sun, c.side), f.signs);
        EXPECT_EQ(v.tabs, c.tabs);
        EXPECT_EQ(plainText(v.text.doc), c.text);
        EXPECT_FALSE(v.tabsError);
        EXPECT_FALSE(v.text.error);
    }
    // A tab list shorter than the rule needs loses nothing; an information text has no tabs.
    f.app.text(kHoroscopes / u8("Sluneční") / "tabs.txt", "Povaha\r\nLáska\r\n");
    EXPECT_EQ(horoscopeView(f.app.path(), f.press(HoroscopeSystem::Sun, Side::User), f.signs).tabs,
              (std::vector<std::string>{"Povaha", "Láska"}));
    const HoroscopeView info = horoscopeView(f.app.path(), infoButton({}, "Cikánský"), f.signs);
    EXPECT_TRUE(info.tabs.empty());
    EXPECT_EQ(plainText(info.text.doc), "O cikánském horoskopu");
}

TEST(HoroscopeView, TabTextsAreLoadedByCaption) {
    Fixture f;
    const HoroscopeText t = horoscopeTabText(
        f.app.path(), f.press(HoroscopeSystem::Sun, Side::Partner), "Žena", f.people, f.signs);
    EXPECT_EQ(plainText(t.doc), "Žena Kozoroh");
}

TEST(HoroscopeView, MissingTextIsTheReinstallLineAndAnUnreadableOneIsAnErrorToo) {
    Fixture f;
    const HoroscopeView missing =
        horoscopeView(f.app.path(), f.press(HoroscopeSystem::Celtic, Side::User), f.signs);
    EXPECT_EQ(linesOf(missing.text.doc), std::vector<std::string>{kTextMissing});
    EXPECT_FALSE(missing.text.error);
    EXPECT_FALSE(missing.tabsError);

    f.app.spoil(kHoroscopes / u8("Sluneční") / "tabs.txt");
    f.app.spoil(kHoroscopes / u8("Sluneční") / "Ryby.rtf");
    const HoroscopeView spoilt =
        horoscopeView(f.app.path(), f.press(HoroscopeSystem::Sun, Side::User), f.signs);
    EXPECT_TRUE(spoilt.tabs.empty());
    ASSERT_TRUE(spoilt.tabsError);
    EXPECT_NE(spoilt.tabsError->where.find("tabs.txt"), std::string::npos);
    ASSERT_TRUE(spoilt.text.error);
    EXPECT_NE(spoilt.text.error->where.find("Ryby.rtf"), std::string::npos);
    EXPECT_EQ(linesOf(spoilt.text.doc), std::vector<std::string>{kTextMissing});
}

TEST(HoroscopeView, ImperialTextIsCutToTheCurrentPersonsGroup) {
    Fixture f;
    std::vector<std::string> lines = {"Nadpis"};
    for (int k = 1; k <= 7; ++k) {
        lines.push_back("=== " + std::to_string(k) + " ===");
        lines.push_back("Skupina " + std::to_string(k) + " se nachází zde.");
    }
    for (const char* season : {"Jaro", "Zima"}) {
        f.app.rtf(kHoroscopes / u8("Čínský císařský") / u8(std::string(season) + ".rtf"), lines);
    }
    for (const Side side : {Side::User, Side::Partner}) {
        const DisplaySelection s = f.press(HoroscopeSystem::ImperialChinese, side);
        const auto& signs = side == Side::User ? f.signs.user : f.signs.partner;
        const auto group = imperialGroup(signs.chineseSeason, signs.chineseAnimal);
        ASSERT_TRUE(group);
        const auto text = linesOf(horoscopeView(f.app.path(), s, f.signs).text.doc);
        EXPECT_EQ(text,
                  (std::vector<std::string>{"Nadpis", "Znamení " + signs.chineseAnimal +
                                                          " se v tomto období nachází zde."}));
    }
}

TEST(HoroscopeView, LunarInfluenceIsCutToTheBirthMonthOfTheCurrentPerson) {
    Fixture f;
    f.app.text(kHoroscopes / u8("Čínský") / "tabs.txt", "Povaha\r\nVliv měsíce\r\n");
    f.app.rtf(kHoroscopes / u8("Čínský") / u8("Vliv měsíce - Králík.rtf"), lunarText());
    f.app.rtf(kHoroscopes / u8("Čínský") / u8("Vliv měsíce - Drak.rtf"), lunarText());
    const auto tab = [&](DisplaySelection s) {
        return linesOf(horoscopeTabText(f.app.path(), s, "Vliv měsíce", f.people, f.signs).doc);
    };
    // Jan, born in March, his own animal: only March's section.
    EXPECT_EQ(tab(f.press(HoroscopeSystem::Chinese, Side::User)),
              (std::vector<std::string>{"Vliv měsíce narození - březen", "", "Měsíc 3"}));
    // Another animal than either person's keeps every section; the heading still changes.
    DisplaySelection other = f.press(HoroscopeSystem::Chinese, Side::Partner);
    other.sign = "Drak";
    const auto all = tab(other);
    EXPECT_EQ(all.size(), 2u + 24u);
    EXPECT_EQ(all[0], "Vliv měsíce narození - leden");
    // Before any Chinese button the month is unknown: the text stays whole.
    DisplaySelection none = f.press(HoroscopeSystem::Chinese, Side::User);
    none.currentPerson.reset();
    EXPECT_EQ(tab(none), lunarText());
}
