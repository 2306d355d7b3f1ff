#include "core/horoscopeset.h"

#include "core/core.h"

namespace tarvenik {

namespace {

constexpr int kFirstYearWithoutAztec = 2003;

DateTime birthMomentOf(const BirthData& b) {
    const auto moment = DateTime::fromDate(b.year, b.month, b.day, b.hour, b.minute);
    return moment ? *moment : DateTime{};
}

struct PersonResult {
    PersonSigns signs;
    SpanAnchors anchors;
    bool aztecUsable = false;
    bool ascendantUsable = false;
};

PersonResult computePerson(const BirthData& b, DateTime now) {
    PersonResult r;
    r.anchors = spanAnchors(birthMomentOf(b), b.nameDay, now);
    PersonSigns& s = r.signs;
    s.celtic = celticTree(b.year, b.month, b.day);
    s.chineseSeason = chineseSeason(b.year, b.month, b.day);
    s.sun = sunSign(b.year, b.month, b.day);
    s.indian = indianSign(b.year, b.month, b.day);
    s.chineseAnimal = chineseAnimal(b.year);
    s.egyptian = egyptianGod(b.year, b.month, b.day);
    s.nativeAmerican = nativeAnimal(b.year, b.month, b.day);
    s.cyclic = cyclicPeriod(b.year, b.month, b.day);
    s.gypsy = gypsySign(b.year, b.month, b.day);
    if (b.year < kFirstYearWithoutAztec) {
        s.aztec = aztecSign(b.year, b.month, b.day);
        r.aztecUsable = true;
    }
    if (b.exactTime) {
        s.ascendant = ascendantSign(b.month, b.day, b.hour, b.minute);
        r.ascendantUsable = true;
    }
    return r;
}

} // namespace

SpanAnchors spanAnchors(DateTime birth, DateTime nameDay, DateTime now) {
    const int year = now.year();
    SpanAnchors a;
    a.birth = birth;
    const auto around = [&](DateTime moment, DateTime& next, DateTime& previous) {
        const DateTime thisYear = inYear(moment, year);
        if (thisYear.ms() - now.ms() > 1) { // still ahead (by more than a millisecond)
            next = thisYear;
            previous = inYear(moment, year - 1);
        } else {
            next = inYear(moment, year + 1);
            previous = thisYear;
        }
    };
    around(birth, a.nextBirthday, a.previousBirthday);
    around(nameDay.datePart(), a.nextNameDay, a.previousNameDay);
    return a;
}

HoroscopeComputation vypocitej_horoskopy(const BirthData& user,
                                         const std::optional<BirthData>& partner, DateTime now) {
    HoroscopeComputation c;
    const PersonResult u = computePerson(user, now);
    c.signs.user = u.signs;
    c.user = u.anchors;
    c.aztecUsable = u.aztecUsable;
    c.ascendantUsable = u.ascendantUsable;

    bool missingTime = !user.exactTime;
    bool tooLateForAztec = user.year >= kFirstYearWithoutAztec;
    if (partner) {
        const PersonResult p = computePerson(*partner, now);
        c.signs.partner = p.signs;
        c.partner = p.anchors;
        c.aztecUsable2 = p.aztecUsable;
        c.ascendantUsable2 = p.ascendantUsable;
        c.signs.partnerSunKey = u.signs.sun + p.signs.sun;
        c.signs.partnerChineseKey = u.signs.chineseAnimal + p.signs.chineseAnimal;
        missingTime = missingTime || !partner->exactTime;
        tooLateForAztec = tooLateForAztec || partner->year >= kFirstYearWithoutAztec;
    }
    if (missingTime) {
        c.messages.emplace_back(kMsgNoExactTime);
    }
    if (tooLateForAztec) {
        c.messages.emplace_back(kMsgAztecYear);
    }
    return c;
}

} // namespace tarvenik
