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
#include "core/store/alarms_folder.h"
#include "core/store/alarms_read_in.h"

AlarmTable g_alarms;
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

void ShowFileOpenError() {
  if (CoreUi* ui = GetCoreUi()) ui->ShowMessage("File open error.", "Error");
}

// Whether the program writes these very bytes for the records, in their order.
bool WrittenAsIs(const std::vector<AlarmRecord>& records, std::string_view bytes) {
  std::vector<std::string> lines;
  for (const AlarmRecord& record : records) lines.push_back(EncodeRecordLine(record));
  return FileText(lines) == bytes;
}

// Fills the table from a file, as at start-up: a file that cannot be read
// gives an empty table. What alarms.txt held is remembered for the next save.
FileRead LoadTable(const std::string& path, bool remember) {
  std::string bytes;
  const FileRead result = ReadRegularFile(path, bytes);
  const std::vector<AlarmRecord> records = FileRecords(bytes);
  SetTableRecords(records);
  if (remember) {
    RememberAlarmsFile(result, bytes, WrittenAsIs(records, bytes));
    RememberFileRecords(records);
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

// The record open in the alarm text dialog is followed before the save, which
// may read in a change of the file and move it again.
void DeleteAlarm(int i) {
  if (!RemoveAlarmAt(i)) return;
  if (g_editIndex != kNoEditIndex) {
    if (i == g_editIndex) g_editGoneOff = true;
    if (i < g_editIndex) --g_editIndex;
  }
  SaveAlarms();
  const int count = g_alarms.count;
  LoadAlarms();
  if (CoreUi* ui = GetCoreUi()) ui->AlarmDeleted(i, count);
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
  if (AlarmsFileBusy()) {
    SetAlarmsSaveWaiting(true);
    return true;
  }
  ReenterAlarmsFolder(true);
  ReadInAlarmsChange();
  SortAlarms();
  const auto sorted =
      std::span(g_alarms.sortedLines).first(static_cast<std::size_t>(g_alarms.count));
  if (ReplaceAlarmsFile(kAlarmsFileName, FileText(sorted))) {
    SetAlarmsSaveWaiting(false);
    RememberFileRecords(TableRecords());
    return true;
  }
  ShowFileOpenError();
  return false;
}

void LoadAlarms() {
  if (AlarmsFileBusy()) return;
  std::string bytes;
  if (ReadRegularFile(kAlarmsFileName, bytes) != FileRead::Read) return;
  const std::vector<AlarmRecord> records = FileRecords(bytes);
  AdoptAlarmsFile(std::move(bytes), records);
  TakeIntoTable(records);
}

void LoadAlarmsAtStartUp() {
  if (LoadTable(kAlarmsFileName, true) == FileRead::Unreadable) ShowFileOpenError();
}

bool LoadAlarmsFrom(const std::string& path) {
  return LoadTable(path, false) == FileRead::Read;
}

std::vector<AlarmRecord> TableRecords() {
  return {g_alarms.records.begin(), g_alarms.records.begin() + std::max(g_alarms.count, 0)};
}

void SetTableRecords(const std::vector<AlarmRecord>& records) {
  const bool editing = g_editIndex >= 0 && g_editIndex < g_alarms.count && !g_editGoneOff;
  const AlarmRecord edited = editing ? Entry(g_editIndex) : AlarmRecord{};
  g_alarms = AlarmTable{};
  for (const AlarmRecord& record : records) {
    if (g_alarms.count == kMaxAlarms) break;
    Entry(g_alarms.count++) = record;
  }
  if (!editing) return;
  if (g_editIndex < g_alarms.count && Entry(g_editIndex) == edited) return;
  const auto found = std::find(records.begin(), records.begin() + g_alarms.count, edited);
  if (found == records.begin() + g_alarms.count) {
    g_editGoneOff = true;
  } else {
    g_editIndex = static_cast<int>(found - records.begin());
  }
}

std::vector<AlarmRecord> FileRecords(std::string_view bytes) {
  std::vector<AlarmRecord> records;
  for (const std::string& line : AlarmFileLines(bytes, kMaxAlarms)) {
    records.push_back(DecodeRecordLine(line));
  }
  return records;
}

void AdoptAlarmsFile(std::string bytes, const std::vector<AlarmRecord>& records) {
  const bool exact = WrittenAsIs(records, bytes);
  RememberAlarmsFile(FileRead::Read, std::move(bytes), exact);
  RememberFileRecords(records);
}

void ResetAlarmTable() {
  g_alarms = AlarmTable{};
  ResetReadIn();
  SetAlarmsFolder({});
  g_editIndex = kNoEditIndex;
  g_editGoneOff = false;
  ForgetAlarmsFile();
}
