// Takes the input as alarms.txt: loads it, saves it and loads it again. The
// second load must give the records of the first, each as it reads back once
// written (for a file of well-formed lines: exactly the records of the first).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"
#include "fuzz_support.h"

namespace {

RecordingUi g_ui;

std::vector<AlarmRecord> LoadedRecords(const AlarmTable& table) {
  FUZZ_CHECK(table.Count() >= 0 && table.Count() <= kMaxAlarms);
  for (int i = table.Count(); i < kMaxAlarms; ++i) FUZZ_CHECK(table.At(i) == AlarmRecord{});
  return table.TableRecords();
}

// The record as it reads back from its written line.
AlarmRecord Rewritten(const AlarmRecord& record) {
  std::string line = EncodeRecordLine(record);
  line.pop_back();
  return DecodeRecordLine(line);
}

// The save sorts the records, and records whose lines compare equal may come
// back in any order: compare them as sets.
std::vector<AlarmRecord> InOneOrder(std::vector<AlarmRecord> records) {
  std::sort(records.begin(), records.end(), [](const AlarmRecord& a, const AlarmRecord& b) {
    return std::tie(a.type, a.day, a.time, a.date, a.text) <
           std::tie(b.type, b.day, b.time, b.date, b.text);
  });
  return records;
}

void CheckCrLfLines(const std::string& file, int count) {
  FUZZ_CHECK(std::count(file.begin(), file.end(), '\n') == count);
  for (std::size_t pos = file.find('\n'); pos != std::string::npos;
       pos = file.find('\n', pos + 1)) {
    FUZZ_CHECK(pos > 0 && file[pos - 1] == '\r');
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  PrepareScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const InScratchFolder inScratch;
  WriteWholeFile(kAlarmsFileName, std::string_view(reinterpret_cast<const char*>(data), size));
  AlarmTable table;
  table.SetListener(&g_ui);
  table.LoadAlarms();
  const std::vector<AlarmRecord> first = LoadedRecords(table);

  FUZZ_CHECK(table.SaveAlarms());
  FUZZ_CHECK(g_ui.messages.empty());
  CheckCrLfLines(ReadWholeFile(kAlarmsFileName), static_cast<int>(first.size()));

  table.LoadAlarms();
  const std::vector<AlarmRecord> second = LoadedRecords(table);
  std::vector<AlarmRecord> expected;
  for (const AlarmRecord& record : first) expected.push_back(Rewritten(record));
  FUZZ_CHECK(InOneOrder(second) == InOneOrder(expected));
  return 0;
}
