#include "core/store/alarms_read_in.h"

#include <string>

#include "core/platform/regular_file.h"
#include "core/store/alarm_merge.h"
#include "core/store/alarm_table.h"
#include "core/store/alarms_file.h"

namespace {

std::vector<AlarmRecord> s_fileRecords;  // the base: the file as last read or written
bool s_busy = false;
bool s_saveWaiting = false;
std::vector<AlarmRecord> s_readIn;

}  // namespace

void RememberFileRecords(const std::vector<AlarmRecord>& records) {
  s_fileRecords = records;
}

void SetAlarmsFileBusy(bool busy) {
  s_busy = busy;
}

bool AlarmsFileBusy() {
  return s_busy;
}

bool AlarmsSaveWaiting() {
  return s_saveWaiting;
}

void SetAlarmsSaveWaiting(bool waiting) {
  s_saveWaiting = waiting;
}

bool ReadInAlarmsChange() {
  if (s_busy) return false;
  std::string bytes;
  const FileRead result = ReadRegularFile(kAlarmsFileName, bytes);
  if (result != FileRead::Read || SameAsLastSeen(result, bytes)) return false;
  const std::vector<AlarmRecord> theirs = FileRecords(bytes);
  const std::vector<AlarmRecord> merged = MergeAlarmChanges(s_fileRecords, TableRecords(), theirs);
  AdoptAlarmsFile(bytes, theirs);
  TakeIntoTable(merged);
  return true;
}

void TakeIntoTable(const std::vector<AlarmRecord>& records) {
  for (AlarmRecord& record : NewAlarms(TableRecords(), records)) {
    s_readIn.push_back(std::move(record));
  }
  SetTableRecords(records);
}

std::vector<AlarmRecord> TakeRecordsReadIn() {
  std::vector<AlarmRecord> taken;
  taken.swap(s_readIn);
  return taken;
}

void ResetReadIn() {
  s_fileRecords.clear();
  s_busy = false;
  s_saveWaiting = false;
  s_readIn.clear();
}
