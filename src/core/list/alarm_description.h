#pragma once

#include <string>

#include "core/model/alarm_record.h"
#include "core/model/date_format.h"
#include "core/model/phrase.h"
#include "core/scheduler/clock_reading.h"
#include "core/store/alarm_table.h"

// The short description a list row shows ("Tuesdays", "21st of the month",
// "Fort. from 05/01/04"); empty for a type no kind has.
// Dates are shown in the order of dateFormat.
std::string DescribeRecord(const AlarmRecord& record, const ClockSnapshot& clock,
                           DateFormat dateFormat);
// DescribeRecord of entry i of the table.
std::string DescribeAlarm(const AlarmTable& table, int i, const ClockSnapshot& clock,
                          DateFormat dateFormat);
// "st", "nd", "rd" or "th" of a Monthly date text; "Last" takes none.
std::string OrdinalSuffix(const std::string& date);
// The long description the alarm text dialog shows ("Every Tuesday",
// "Fortnightly from 05/01/04", "2nd Tuesday in the month"); for a type no kind
// has ("Error") the type itself.
std::string DescribeAlarmLong(const AlarmRecord& record, const ClockSnapshot& clock,
                              DateFormat dateFormat);
// The same descriptions as phrases, which the window puts in the user's
// language.
Phrase DescribeRecordPhrase(const AlarmRecord& record, const ClockSnapshot& clock,
                            DateFormat dateFormat);
Phrase DescribeAlarmPhrase(const AlarmTable& table, int i, const ClockSnapshot& clock,
                           DateFormat dateFormat);
Phrase DescribeAlarmLongPhrase(const AlarmRecord& record, const ClockSnapshot& clock,
                               DateFormat dateFormat);
