#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"

// How far ahead the next firing is looked for: a year and a day, seconds.
// Every recurring alarm goes off again well within it; only a one-off date or
// a fortnight's start more than a year away lies beyond, and is found once it
// comes within reach.
inline constexpr std::int64_t kNextFiringReach = 366 * 86400;

// The first whole minute after the one `after` lies in at which an alarm of
// the table falls due, by the rules of the due pass judged at that minute's
// own local time (a minute a clock change skips has no firing, one it repeats
// has two), as the moment the minute begins. None when no alarm falls due
// within `reach` seconds after `after`, so never for an empty table.
std::optional<std::int64_t> NextFiring(const AlarmTable& table, const LocalClock& clock,
                                       std::int64_t after, std::int64_t reach = kNextFiringReach);
