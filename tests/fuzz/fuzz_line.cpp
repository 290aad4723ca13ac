// The first line of the input is read as a line of alarms.txt, the second as
// five tab-separated record fields. Checks that every line written keeps the
// fixed layout, that a record once written and read back is written the same
// way again, that the comparison is antisymmetric, and the date-order swap.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"
#include "fuzz_support.h"

namespace {

int Sign(int value) {
  return (value > 0) - (value < 0);
}

void CheckLayout(const std::string& line) {
  FUZZ_CHECK(line.size() >= 20);
  FUZZ_CHECK(line[1] == ',' && line[10] == ',' && line[12] == ',' && line[18] == ',');
  FUZZ_CHECK(line.find('\n') == line.size() - 1);
}

std::string_view WithoutLineFeed(const std::string& line) {
  return std::string_view(line).substr(0, line.size() - 1);
}

// A record read from a line, once written, reads back as a record that is
// written the same way again.
void CheckReadRecord(const AlarmRecord& read) {
  const std::string line = EncodeRecordLine(read);
  CheckLayout(line);
  const AlarmRecord again = DecodeRecordLine(WithoutLineFeed(line));
  FUZZ_CHECK(EncodeRecordLine(again) == line);
}

// Five tab-separated fields as a record, whatever they hold.
AlarmRecord RecordOfFields(std::string_view text) {
  std::string* fields[5];
  AlarmRecord record;
  fields[0] = &record.type;
  fields[1] = &record.day;
  fields[2] = &record.time;
  fields[3] = &record.date;
  fields[4] = &record.text;
  for (std::string* field : fields) {
    const std::size_t tab = text.find('\t');
    *field = std::string(text.substr(0, tab));
    text = tab == std::string_view::npos ? std::string_view{} : text.substr(tab + 1);
  }
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = input.find('\n');
  const std::string_view first = input.substr(0, end);
  const std::string_view second =
      end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);

  const AlarmRecord record = DecodeRecordLine(first);
  CheckReadRecord(record);
  const std::string anyLine = EncodeRecordLine(RecordOfFields(second));
  CheckLayout(anyLine);
  CheckReadRecord(DecodeRecordLine(WithoutLineFeed(anyLine)));

  FUZZ_CHECK(CompareAlarmLines(first, first) == 0);
  FUZZ_CHECK(Sign(CompareAlarmLines(first, second)) == -Sign(CompareAlarmLines(second, first)));

  FUZZ_CHECK(SwapDateOrder(first, DateFormat::Uk) == first);
  const std::string swapped = SwapDateOrder(first, DateFormat::Us);
  if (first.size() == 8) FUZZ_CHECK(SwapDateOrder(swapped, DateFormat::Us) == first);
  if (first.size() < 8) FUZZ_CHECK(swapped == first);
  return 0;
}
