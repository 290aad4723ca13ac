// The table's reading in of a change another program made to alarms.txt.
#include <string>
#include <utility>

#include "core/platform/regular_file.h"
#include "core/store/alarm_merge.h"
#include "core/store/alarm_table.h"

bool AlarmTable::AlarmsFileChanged() const {
  return m_file.Changed(kAlarmsFileName);
}

bool AlarmTable::ReadInAlarmsChange() {
  TakeFileNews();
  return !m_busy && ReadInFile();
}

bool AlarmTable::ReadInFile() {
  std::string bytes;
  const FileRead result = ReadAlarmsFile(bytes);
  if (result != FileRead::Read || m_file.SameAsLastSeen(result, bytes)) return false;
  const std::vector<AlarmRecord> theirs = FileRecords(bytes);
  const std::vector<AlarmRecord> merged = MergeAlarmChanges(m_fileRecords, TableRecords(), theirs);
  AdoptAlarmsFile(bytes, theirs);
  TakeIntoTable(merged);
  return true;
}

void AlarmTable::TakeIntoTable(const std::vector<AlarmRecord>& records) {
  for (AlarmRecord& record : NewAlarms(TableRecords(), records)) {
    m_readIn.push_back(std::move(record));
  }
  SetTableRecords(records);
}

std::vector<AlarmRecord> AlarmTable::TakeRecordsReadIn() {
  std::vector<AlarmRecord> taken;
  taken.swap(m_readIn);
  return taken;
}
