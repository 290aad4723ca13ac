#pragma once

#include <string_view>

#include "core/model/clock_snapshot.h"
#include "core/store/alarm_table.h"

// AppendAlarm of the table with a clock reading and the date order of the
// settings: what Add hands the form's values to.
void AppendAlarm(AlarmTable& table, const ClockSnapshot& clock, std::string_view type,
                 std::string_view day, std::string_view time, std::string_view date);
