#pragma once

#include <string>
#include <string_view>

#include "core/model/alarm_record.h"
#include "core/model/date_format.h"

// The fixed-width line form of a record in alarms.txt:
// type code, ",", 8-character date code, ",", day code, ",", "HH:MM", ",", text.

std::string EncodeType(std::string_view type, std::string_view day);
std::string DecodeType(std::string_view code);
std::string EncodeDay(std::string_view day);
std::string DecodeDay(std::string_view code);
std::string EncodeDate(std::string_view typeCode, std::string_view date);
std::string DecodeDate(std::string_view typeCode, std::string_view dateCode);

// The line of a record, ending in one line feed.
std::string EncodeRecordLine(const AlarmRecord& record);
// The record held by one line (line break already removed). Never reads out of bounds.
AlarmRecord DecodeRecordLine(std::string_view line);

// Case-insensitive (A-Z as a-z) unsigned byte comparison: negative, zero or positive.
int CompareAlarmLines(std::string_view a, std::string_view b);

// Between "DD/MM/YY" and "MM/DD/YY" when dateFormat is Us; unchanged otherwise.
std::string SwapDateOrder(std::string_view date, DateFormat dateFormat);
