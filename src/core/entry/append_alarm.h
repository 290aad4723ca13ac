#pragma once

#include <string_view>

#include "core/store/alarm_table.h"

// AppendAlarm of the table with the clock's last reading and the date order of
// the settings: what Add hands the form's values to.
void AppendAlarm(AlarmTable& table, std::string_view type, std::string_view day,
                 std::string_view time, std::string_view date);
