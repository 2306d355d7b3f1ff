#pragma once
// The calculators. In: birth dates and times, names, and "now" as a parameter; out: the
// sign name of each horoscope system as UTF-8 text (the same spelling that keys that sign's
// texts), the whole horoscope set of a report, numerology numbers, biorhythm lines and time
// spans. Every function is pure: no state, no I/O, no clock. An impossible date gives the
// empty text rather than a guess.

#include "core/ascendant.h"
#include "core/aztec.h"
#include "core/biorhythm.h"
#include "core/calendarwords.h"
#include "core/chinese.h"
#include "core/horoscopeset.h"
#include "core/horoscopetexts.h"
#include "core/numerology.h"
#include "core/rangewalk.h"
#include "core/seasonsigns.h"
#include "core/timespan.h"
#include "core/zodiac.h"
