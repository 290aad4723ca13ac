#include "core/store/alarm_table.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "core/model/alarm_type.h"
#include "core/model/clock_snapshot.h"
#include "core/model/core_ui.h"
#include "core/platform/atomic_file.h"
#include "core/platform/regular_file.h"
#include "core/store/alarm_line.h"
#include "core/store/alarms_file.h"

AlarmTable g_alarms;
int g_listTop = 0;
int g_editIndex = kNoEditIndex;
bool g_editGoneOff = false;

namespace {

AlarmRecord& Entry(int i) {
  return g_alarms.records[static_cast<std::size_t>(i)];
}

// The date the record keeps for a type chosen in the entry form.
std::string StoredDate(std::string_view type, std::string_view date, const ClockSnapshot& clock,
                       DateFormat dateFormat) {
  if (type == AlarmType::kToday) return clock.todayText;
  if (type == AlarmType::kTomorrow) return clock.tomorrowText;
  if (HasCalendarDate(type)) return SwapDateOrder(date, dateFormat);
  if (IsMonthly(type)) return date == "last" ? "Last" : std::string(date);
  return "";
}

// The file's text as written in text mode: every line feed becomes CR LF.
template <typename Lines>
std::string FileText(const Lines& lines) {
  std::string text;
  for (const std::string_view line : lines) {
    for (std::size_t start = 0; start < line.size();) {
      const std::size_t end = std::min(line.find('\n', start), line.size());
      text.append(line, start, end - start);
      if (end < line.size()) text += "\r\n";
      start = end + 1;
    }
  }
  return text;
}

// The list's first row after entry i was deleted; count is the new count.
int ListTopAfterDelete(int i, int top, int count) {
  if (i > 6 || top > count - 5) --top;
  if (count < 6) top = 0;
  return std::max(top, 0);
}

void ShowFileOpenError() {
  if (CoreUi* ui = GetCoreUi()) ui->ShowMessage("File open error.", "Error");
}

// The lines the table's entries are written as, in the table's order.
std::vector<std::string> TableLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < g_alarms.count; ++i) lines.push_back(EncodeAlarmLine(i));
  return lines;
}

// Fills the table from a file; what alarms.txt held is remembered for the
// next save.
FileRead LoadTable(const std::string& path, bool remember) {
  g_alarms = AlarmTable{};
  std::string bytes;
  const FileRead result = ReadRegularFile(path, bytes);
  int i = 0;
  for (const std::string& line : AlarmFileLines(bytes, kMaxAlarms)) DecodeAlarmLine(i++, line);
  if (remember) {
    const bool exact = FileText(TableLines()) == bytes;
    RememberAlarmsFile(result, std::move(bytes), exact);
  }
  return result;
}

}  // namespace

void AppendAlarm(std::string_view type, std::string_view day, std::string_view time,
                 std::string_view date, const ClockSnapshot& clock, DateFormat dateFormat) {
  if (g_alarms.count < 0 || g_alarms.count >= kMaxAlarms) return;
  AlarmRecord& record = Entry(g_alarms.count);
  record.type = std::string(IsRelativeDay(type) ? AlarmType::kOneDate : type);
  record.time = std::string(time);
  record.day = std::string(day);
  record.date = StoredDate(type, date, clock, dateFormat);
  record.text = std::string(kNewAlarmMarker);
  ++g_alarms.count;
}

bool RemoveAlarmAt(int i) {
  if (i < 0 || i >= g_alarms.count) return false;
  for (int j = i; j < g_alarms.count - 1; ++j) Entry(j) = Entry(j + 1);
  Entry(g_alarms.count - 1) = AlarmRecord{};
  --g_alarms.count;
  return true;
}

void DeleteAlarm(int i) {
  if (!RemoveAlarmAt(i)) return;
  SaveAlarms();
  g_listTop = ListTopAfterDelete(i, g_listTop, g_alarms.count);
  if (g_editIndex != kNoEditIndex) {
    if (i == g_editIndex) g_editGoneOff = true;
    if (i < g_editIndex) --g_editIndex;
  }
  LoadAlarms();
  if (CoreUi* ui = GetCoreUi()) ui->RefreshList(g_listTop);
}

void SortAlarms() {
  for (std::string& line : g_alarms.sortedLines) line.clear();
  for (int i = 0; i < g_alarms.count; ++i) {
    g_alarms.sortedLines[static_cast<std::size_t>(i)] = EncodeAlarmLine(i);
  }
  std::sort(g_alarms.sortedLines.begin(), g_alarms.sortedLines.begin() + g_alarms.count,
            [](const std::string& a, const std::string& b) { return CompareAlarmLines(a, b) < 0; });
}

bool SaveAlarms() {
  SortAlarms();
  const auto sorted =
      std::span(g_alarms.sortedLines).first(static_cast<std::size_t>(g_alarms.count));
  if (ReplaceAlarmsFile(kAlarmsFileName, FileText(sorted))) return true;
  ShowFileOpenError();
  return false;
}

void LoadAlarms() {
  LoadTable(kAlarmsFileName, true);
}

void LoadAlarmsAtStartUp() {
  if (LoadTable(kAlarmsFileName, true) == FileRead::Unreadable) ShowFileOpenError();
}

bool LoadAlarmsFrom(const std::string& path) {
  return LoadTable(path, false) == FileRead::Read;
}

void ResetAlarmTable() {
  g_alarms = AlarmTable{};
  g_listTop = 0;
  g_editIndex = kNoEditIndex;
  g_editGoneOff = false;
  ForgetAlarmsFile();
}
