#pragma once
// The sign calculators. In: a birth date (year, month, day) and, for the ascendant, the
// local clock time; out: the sign name of each horoscope system as UTF-8 text, the same
// spelling that keys that sign's texts. Every function is pure: no state, no I/O, no clock.
// An impossible date gives the empty text rather than a guess.

#include "core/ascendant.h"
#include "core/aztec.h"
#include "core/chinese.h"
#include "core/rangewalk.h"
#include "core/seasonsigns.h"
#include "core/zodiac.h"
