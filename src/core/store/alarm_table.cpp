#include "core/store/alarm_table.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "core/model/alarm_kind.h"
#include "core/model/clock_snapshot.h"
#include "core/model/core_ui.h"
#include "core/model/phrase.h"
#include "core/platform/atomic_file.h"
#include "core/platform/regular_file.h"
#include "core/platform/text_encoding.h"
#include "core/store/alarm_line.h"
#include "core/store/alarm_merge.h"
#include "core/store/alarms_file.h"

namespace {

// The date the record keeps for a kind chosen in the entry form: a kind that
// takes no date keeps the date it is fixed to, if any.
std::string StoredDate(const KindRow& row, std::string_view date, const ClockSnapshot& clock,
                       DateFormat dateFormat) {
  switch (row.dateField) {
    case DateField::None:
      if (row.datePreset == DatePreset::Today) return clock.todayText;
      if (row.datePreset == DatePreset::Tomorrow) return clock.tomorrowText;
      return "";
    case DateField::Date:
    case DateField::StartDate:
      return SwapDateOrder(date, dateFormat);
    case DateField::DayOrWeek:
      return date == "last" ? "Last" : std::string(date);
  }
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

// Whether the program writes these very bytes for the records, in their order.
bool WrittenAsIs(const std::vector<AlarmRecord>& records, std::string_view bytes) {
  std::vector<std::string> lines;
  for (const AlarmRecord& record : records) lines.push_back(EncodeRecordLine(record));
  return FileText(lines) == bytes;
}

}  // namespace

std::vector<AlarmRecord> AlarmTable::TableRecords() const {
  return {m_records.begin(), m_records.begin() + m_count};
}

void AlarmTable::SetText(int i, std::string text) {
  if (i < 0 || i >= m_count) return;
  Entry(i).text = std::move(text);
  TellChanged();
}

void AlarmTable::TellChanged() {
  if (m_listener != nullptr) m_listener->TableChanged();
  if (m_changeWatch) m_changeWatch();
}

void AlarmTable::ShowFileOpenError() {
  if (m_listener != nullptr)
    m_listener->ShowMessage(TOCK_TR_NOOP("Message", "File open error."),
                            TOCK_TR_NOOP("Message", "Error"));
}

// Fills the table from a file, as at start-up: a file that cannot be read
// gives an empty table. What alarms.txt held is remembered for the next save.
FileRead AlarmTable::LoadTable(const std::string& path, bool remember) {
  std::string bytes;
  const FileRead result = remember ? ReadAlarmsFile(bytes) : ReadRegularFile(path, bytes);
  const std::vector<AlarmRecord> records = FileRecords(bytes);
  SetTableRecords(records);
  if (remember) {
    m_file.Remember(result, bytes, WrittenAsIs(records, bytes));
    m_fileRecords = records;
  }
  return result;
}

void AlarmTable::AppendAlarm(const NewAlarm& alarm, const ClockSnapshot& clock,
                             DateFormat dateFormat) {
  if (m_count < 0 || m_count >= kMaxAlarms) return;
  AlarmRecord& record = Entry(m_count);
  const KindRow& row = RowOf(alarm.kind);
  record.type = std::string(RowOf(row.storedAs).typeText);
  record.time = alarm.time;
  record.day = alarm.day;
  record.date = StoredDate(row, alarm.date, clock, dateFormat);
  record.text = std::string(kNewAlarmMarker);
  ++m_count;
  TellChanged();
}

bool AlarmTable::RemoveAlarmAt(int i) {
  if (i < 0 || i >= m_count) return false;
  for (int j = i; j < m_count - 1; ++j) Entry(j) = Entry(j + 1);
  Entry(m_count - 1) = AlarmRecord{};
  --m_count;
  TellChanged();
  return true;
}

// The record open in the alarm text dialog is followed before the save, which
// may read in a change of the file and move it again.
void AlarmTable::DeleteAlarm(int i) {
  if (!RemoveAlarmAt(i)) return;
  if (m_followed != nullptr) m_followed->Removed(i);
  SaveAlarms();
  const int count = m_count;
  LoadAlarms();
  if (m_listener != nullptr) m_listener->AlarmDeleted(i, count);
}

void AlarmTable::SortAlarms() {
  for (std::string& line : m_sortedLines) line.clear();
  for (int i = 0; i < m_count; ++i) {
    m_sortedLines[static_cast<std::size_t>(i)] = EncodeRecordLine(At(i));
  }
  std::sort(m_sortedLines.begin(), m_sortedLines.begin() + m_count,
            [](const std::string& a, const std::string& b) { return CompareAlarmLines(a, b) < 0; });
}

bool AlarmTable::SaveAlarms() {
  TakeFileNews();
  if (m_busy) {
    m_saveWaiting = true;
    return true;
  }
  std::string why;
  if (WriteTable(why)) return true;
  if (!why.empty()) {
    m_saidWrite.Say("cannot save " + FileName() + ": " + why +
                    "; the alarms in memory go off as before");
  }
  ShowFileOpenError();
  return false;
}

bool AlarmTable::FinishWaitingSave() {
  std::string why;
  if (!m_saveWaiting || WriteTable(why)) return true;
  const std::string lost = DescribeChanges(m_fileRecords, TableRecords());
  if (lost.empty()) return true;
  m_saidWrite.Say("cannot save " + FileName() + " at the end" + (why.empty() ? "" : ": " + why) +
                  "; not saved: " + lost);
  return false;
}

bool AlarmTable::WriteTable(std::string& why) {
  m_folder.ReenterAlarmsFolder(true);
  ReadInFile();
  SortAlarms();
  const auto sorted = std::span(m_sortedLines).first(static_cast<std::size_t>(m_count));
  if (!m_file.Replace(kAlarmsFileName, FileText(sorted), why)) return false;
  m_saveWaiting = false;
  m_fileRecords = TableRecords();
  m_saidWrite.Clear();
  return true;
}

void AlarmTable::LoadAlarms() {
  TakeFileNews();
  if (m_busy) return;
  std::string bytes;
  if (ReadAlarmsFile(bytes) != FileRead::Read) return;
  const std::vector<AlarmRecord> records = FileRecords(bytes);
  AdoptAlarmsFile(std::move(bytes), records);
  TakeIntoTable(records);
}

// A save killed half-way by a previous run may have left its temporary file.
void AlarmTable::LoadAlarmsAtStartUp() {
  RemoveStaleTemporaries(kAlarmsFileName);
  RemoveStaleTemporaries(kAlarmsBackupFileName);
  if (LoadTable(kAlarmsFileName, true) == FileRead::Unreadable) ShowFileOpenError();
}

bool AlarmTable::LoadAlarmsFrom(const std::string& path) {
  return LoadTable(path, false) == FileRead::Read;
}

void AlarmTable::SetTableRecords(const std::vector<AlarmRecord>& records) {
  const std::vector<AlarmRecord> before = TableRecords();
  m_records = {};
  m_count = 0;
  for (const AlarmRecord& record : records) {
    if (m_count == kMaxAlarms) break;
    Entry(m_count++) = record;
  }
  if (m_followed != nullptr) m_followed->Replaced(before, TableRecords());
  if (before != TableRecords()) TellChanged();
}

void AlarmTable::AdoptAlarmsFile(std::string bytes, const std::vector<AlarmRecord>& records) {
  const bool exact = WrittenAsIs(records, bytes);
  m_file.Remember(FileRead::Read, std::move(bytes), exact);
  m_fileRecords = records;
}

void AlarmTable::TakeFileNews() {
  if (m_fileNews) m_fileNews();
}

std::string AlarmTable::FileName() const {
  const std::string name = kAlarmsFileName;
  return m_folder.Path().empty() ? name : name + " in " + m_folder.Path().string();
}

// A file this program does not read, or reads in a way the user may not
// expect, is said once on stderr, until it reads well again.
FileRead AlarmTable::ReadAlarmsFile(std::string& bytes) {
  std::string why;
  const FileRead result = ReadRegularFile(kAlarmsFileName, bytes, &why);
  if (result == FileRead::Unreadable) {
    m_saidRead.Say("cannot read " + FileName() + ": " + why +
                   "; its alarms do not go off and it is not replaced");
  } else if (result == FileRead::Read && LooksLikeUtf16WithoutMark(bytes)) {
    m_saidRead.Say(FileName() +
                   " looks like UTF-16 text without a byte-order mark; it is read as UTF-8 "
                   "(save it with a byte-order mark)");
  } else {
    m_saidRead.Clear();
  }
  return result;
}

std::vector<AlarmRecord> FileRecords(std::string_view bytes) {
  std::vector<AlarmRecord> records;
  for (const std::string& line : AlarmFileLines(bytes, kMaxAlarms)) {
    records.push_back(DecodeRecordLine(line));
  }
  return records;
}
