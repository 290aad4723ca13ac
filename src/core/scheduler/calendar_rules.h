#pragma once

#include <cstddef>
#include <string_view>

#include "core/model/alarm_record.h"
#include "core/scheduler/civil_date.h"
#include "core/scheduler/clock_reading.h"

// The calendar rules by which each alarm type accepts a day, and the readers
// of the stored texts they look at.

// A stored "DD/MM/YY" date, each field read the simple way: day from
// characters 1-2, month from 4-5, year 2000 + the last two. Not normalised.
CivilDate ReadStoredDate(std::string_view date);

// A Fortnightly alarm started on startDate falls on the given calendar day
// when that day is the start date or a whole number of fortnights after it.
bool FortnightlyFallsOn(std::string_view startDate, std::int64_t year, int month, int day);
// A Monthly week-in-month date ("1".."4" or "Last") covers the day of a month
// of daysInMonth days.
bool MonthWeekCovers(std::string_view week, int day, int daysInMonth);

// Whether the rule of the record's type accepts the snapshot's day. The time
// of the record is not looked at.
bool TypeAcceptsDay(const AlarmRecord& record, const ClockSnapshot& snapshot);
