#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"

// Walking whole minutes of real time and finding those whose local "HH:MM"
// some alarm's time could equal: at all other minutes the due pass has nothing
// to do, so a walk over days or years costs little.

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr int kMinutesPerDay = 1440;

// Minutes of the local day (0-1439), marked when some entry's time names them.
using DayMinutes = std::array<bool, kMinutesPerDay>;

// The minute of the day a stored time "HH:MM" names; -1 for any other text
// (no clock reading could equal it).
int MinuteOfDayOf(std::string_view time);
// The minutes named by the times of a table's entries.
DayMinutes AlarmMinutes(const AlarmTable& table);

// The local clock's distance from UTC at a moment, in seconds.
std::int64_t UtcOffset(const LocalClock& clock, std::int64_t moment);

// The whole minute of real time a moment lies in (minutes since the epoch).
std::int64_t MinuteOf(std::int64_t moment);

// Calls visit(moment) for each moment from `from` up to before `to`, in steps of
// one minute, whose local minute of the day is marked in `watched`, in time
// order. `watched` is read afresh at each minute, so visit may change it. The
// local time comes from the clock's zone, daylight saving included: a local
// minute that does not exist is never visited, a repeated one is visited twice.
void WalkMinutes(const LocalClock& clock, std::int64_t from, std::int64_t to,
                 const DayMinutes& watched, const std::function<void(std::int64_t)>& visit);
