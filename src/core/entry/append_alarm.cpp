#include "core/entry/append_alarm.h"

#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"

void AppendAlarm(AlarmTable& table, const ClockSnapshot& clock, std::string_view type,
                 std::string_view day, std::string_view time, std::string_view date) {
  table.AppendAlarm(type, day, time, date, clock, DateFormatOf(g_settings.DateFormat));
}
