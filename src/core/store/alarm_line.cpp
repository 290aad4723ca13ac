#include "core/store/alarm_line.h"

#include <algorithm>
#include <cstddef>

#include "core/model/alarm_kind.h"
#include "core/platform/simple_number.h"
#include "core/platform/text_parts.h"

namespace {

constexpr std::size_t kDateCodeWidth = 8;
constexpr std::size_t kTimeWidth = 5;
constexpr std::string_view kLastWeekCode = "00000009";

// The last two characters, those at offsets 2-5, then the first two: turns
// "DD/MM/YY" into "YY/MM/DD" and back again.
std::string SwapYearAndDay(std::string_view date) {
  std::string result(LastChars(date, 2));
  result += TextPart(date, 2, 4);
  result += TextPart(date, 0, 2);
  return result;
}

// Exactly width characters: padded with blanks or cut, so that every line
// written keeps its fixed layout.
std::string FitWidth(std::string_view text, std::size_t width) {
  std::string result(TextPart(text, 0, width));
  result.resize(width, ' ');
  return result;
}

// A record must stay on one line of the file.
void ReplaceLineFeeds(std::string& text) {
  std::replace(text.begin(), text.end(), '\n', '|');
}

// A day of the month or week number as eight digits ("5" -> "00000005").
std::string EightDigits(std::string_view date) {
  const int value = std::clamp(ReadNumber(date), 0, 99999999);
  std::string digits = std::to_string(value);
  return std::string(kDateCodeWidth - digits.size(), '0') + digits;
}

// The code of a line whose date is a week in the month ("Last" allowed).
bool IsWeekCode(const KindRow& row, std::string_view typeCode) {
  return row.weekLineCode != row.lineCode && typeCode[0] == row.weekLineCode;
}

unsigned char Folded(char c) {
  return static_cast<unsigned char>(AsciiLower(c));
}

}  // namespace

std::string EncodeType(std::string_view type, std::string_view day) {
  const KindRow* row = FindStoredKind(type);
  if (row == nullptr) return "9";
  return std::string(1, day == "None" ? row->lineCode : row->weekLineCode);
}

std::string DecodeType(std::string_view code) {
  const KindRow* row = FindLineCode(code);
  return std::string(row != nullptr ? row->typeText : kErrorType);
}

std::string EncodeDay(std::string_view day) {
  if (day.empty() || day == "None") return "0";
  const auto* found = std::find(kWeekdayNames.begin(), kWeekdayNames.end(), day);
  if (found == kWeekdayNames.end()) return "9";
  return std::to_string(found - kWeekdayNames.begin() + 1);
}

std::string DecodeDay(std::string_view code) {
  if (code == "0") return "None";
  if (code.size() == 1 && code[0] >= '1' && code[0] <= '7') {
    return std::string(kWeekdayNames[static_cast<std::size_t>(code[0] - '1')]);
  }
  return "error";
}

std::string EncodeDate(std::string_view typeCode, std::string_view date) {
  const KindRow* row = FindLineCode(typeCode);
  if (row == nullptr) return "00000000";
  switch (row->dateField) {
    case DateField::None:
      return "00/00/00";
    case DateField::Date:
    case DateField::StartDate:
      return FitWidth(SwapYearAndDay(date), kDateCodeWidth);
    case DateField::DayOrWeek:
      if (IsWeekCode(*row, typeCode) && EqualsNoCase(date, "last"))
        return std::string(kLastWeekCode);
      return EightDigits(date);
  }
  return "00000000";
}

std::string DecodeDate(std::string_view typeCode, std::string_view dateCode) {
  const KindRow* row = FindLineCode(typeCode);
  if (row == nullptr) return "99/99/99";
  switch (row->dateField) {
    case DateField::None:
      return "";
    case DateField::Date:
    case DateField::StartDate:
      return SwapYearAndDay(dateCode);
    case DateField::DayOrWeek:
      if (IsWeekCode(*row, typeCode) && dateCode == kLastWeekCode) return "Last";
      return std::to_string(ReadNumber(dateCode));
  }
  return "99/99/99";
}

std::string EncodeRecordLine(const AlarmRecord& record) {
  const std::string typeCode = EncodeType(record.type, record.day);
  std::string line = typeCode;
  line += ',';
  line += EncodeDate(typeCode, record.date);
  line += ',';
  line += EncodeDay(record.day);
  line += ',';
  line += FitWidth(record.time, kTimeWidth);
  line += ',';
  line += record.text;
  ReplaceLineFeeds(line);
  line += '\n';
  return line;
}

AlarmRecord DecodeRecordLine(std::string_view line) {
  const std::string_view typeCode = TextPart(line, 0, 1);
  AlarmRecord record;
  record.type = DecodeType(typeCode);
  record.date = DecodeDate(typeCode, TextPart(line, 2, kDateCodeWidth));
  record.day = DecodeDay(TextPart(line, 11, 1));
  record.time = std::string(TextPart(line, 13, kTimeWidth));
  record.text = std::string(TextPart(line, 19));
  return record;
}

int CompareAlarmLines(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = Folded(a[i]) - Folded(b[i]);
    if (difference != 0) return difference;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string SwapDateOrder(std::string_view date, DateFormat dateFormat) {
  if (dateFormat != DateFormat::Us || date.size() < kDateCodeWidth) return std::string(date);
  std::string result(TextPart(date, 3, 3));
  result += TextPart(date, 0, 3);
  result += LastChars(date, 2);
  return result;
}
