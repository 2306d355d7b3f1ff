#pragma once
// The calculators. In: birth dates and times, names, and "now" as a parameter; out: the
// sign name of each horoscope system as UTF-8 text (the same spelling that keys that sign's
// texts), the whole horoscope set of a report, numerology numbers, biorhythm lines, time
// spans, and the small calculators (love test, lucky day, BMI, oracle draw, Fridays the
// 13th, pet horoscopes). Every function is pure: no state, no I/O, no clock. An impossible
// date gives the empty text rather than a guess.

#include "core/ascendant.h"
#include "core/aztec.h"
#include "core/biorhythm.h"
#include "core/bmi.h"
#include "core/calendarwords.h"
#include "core/chinese.h"
#include "core/friday13.h"
#include "core/horoscopeset.h"
#include "core/horoscopetexts.h"
#include "core/lovetest.h"
#include "core/luckyday.h"
#include "core/numerology.h"
#include "core/oracledraw.h"
#include "core/petsigns.h"
#include "core/rangewalk.h"
#include "core/seasonsigns.h"
#include "core/timespan.h"
#include "core/zodiac.h"
