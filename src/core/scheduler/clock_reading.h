#pragma once

#include <string>

#include "core/model/clock_snapshot.h"
#include "core/model/date_format.h"
#include "core/model/phrase.h"
#include "core/platform/local_clock.h"

// One reading of the clock and everything derived from it.
ClockSnapshot ReadClockSnapshot(const LocalClock& clock);
// The snapshot a reading at the given moment gives.
ClockSnapshot SnapshotAt(const LocalClock& clock, std::int64_t moment);
// "HH:MM   Weekday   DD/MM/YY" (month first when dateFormat is not Uk).
std::string ClockLineText(const ClockSnapshot& snapshot, DateFormat dateFormat);
// The same as a phrase, which the window puts in the user's language.
Phrase ClockLinePhrase(const ClockSnapshot& snapshot, DateFormat dateFormat);
// Decimal with one leading "0" below 10.
std::string TwoDigits(int value);
