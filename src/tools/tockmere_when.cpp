// tockmere-when: lists when the alarm calls of an alarms file would go off.
//
//   tockmere-when [--file PATH] --from YYYY-MM-DD[THH:MM] --days N
//   tockmere-when [--file PATH] --next [--from YYYY-MM-DD[THH:MM]]
//
// Replays the running program minute by minute over [from, from + N local
// calendar days) in the local time zone (TZ), through the program's own due
// pass with a fake clock, and prints one line per firing:
//   YYYY-MM-DD HH:MM <the alarm's line as stored>
// A one-off alarm leaves the table once it has fired; the file itself is never
// written.
//
// With --next it prints the first minute after --from (after the current
// minute without it) at which an alarm goes off, the minute the running
// program wakes the computer for, looking a year and a day ahead:
//   YYYY-MM-DD HH:MM @<seconds since the epoch>
// or "none" when no alarm goes off within that reach.
//
// Bad arguments and unreadable files exit with status 2.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/local_clock.h"
#include "core/scheduler/civil_date.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/due_pass.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/next_firing.h"
#include "core/store/alarm_line.h"
#include "core/store/alarm_table.h"

namespace {

constexpr int kExitBadInput = 2;
constexpr std::int64_t kMaxDays = 1'000'000;

constexpr const char* kUsage =
    "usage: tockmere-when [--file PATH] (--from YYYY-MM-DD[THH:MM] --days N | --next "
    "[--from YYYY-MM-DD[THH:MM]])";

struct Options {
  std::string file = kAlarmsFileName;
  CivilDate from;
  int hour = 0;
  int minute = 0;
  std::int64_t days = 0;
  bool haveFrom = false;
  bool next = false;
};

// ---- arguments -------------------------------------------------------------

std::optional<int> ReadDigits(std::string_view text, std::size_t offset, std::size_t width) {
  if (offset + width > text.size()) return std::nullopt;
  int value = 0;
  for (const char c : text.substr(offset, width)) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM", a real date and a real time of day.
bool ParseFrom(std::string_view text, Options& options) {
  if (text.size() != 10 && text.size() != 16) return false;
  if (text[4] != '-' || text[7] != '-') return false;
  const auto year = ReadDigits(text, 0, 4);
  const auto month = ReadDigits(text, 5, 2);
  const auto day = ReadDigits(text, 8, 2);
  if (!year || !month || !day || !IsRealDate(*year, *month, *day)) return false;
  options.from = CivilDate{*year, *month, *day};
  if (text.size() == 10) return true;
  if (text[10] != 'T' || text[13] != ':') return false;
  const auto hour = ReadDigits(text, 11, 2);
  const auto minute = ReadDigits(text, 14, 2);
  if (!hour || !minute || *hour > 23 || *minute > 59) return false;
  options.hour = *hour;
  options.minute = *minute;
  return true;
}

bool ParseDays(std::string_view text, Options& options) {
  if (text.empty() || text.size() > 7) return false;
  const auto days = ReadDigits(text, 0, text.size());
  if (!days || *days < 1 || *days > kMaxDays) return false;
  options.days = *days;
  return true;
}

// Fills options; on a bad argument returns the one-line reason.
std::optional<std::string> ParseArguments(int argc, char** argv, Options& options) {
  bool haveDays = false;
  for (int a = 1; a < argc; ++a) {
    std::string_view flag = argv[a];
    if (flag == "--next") {
      options.next = true;
      continue;
    }
    std::optional<std::string_view> value;
    if (const auto equals = flag.find('='); flag.starts_with("--") && equals != flag.npos) {
      value = flag.substr(equals + 1);
      flag = flag.substr(0, equals);
    }
    if (flag != "--file" && flag != "--from" && flag != "--days") {
      return "unknown argument '" + std::string(argv[a]) + "'";
    }
    if (!value) {
      if (a + 1 >= argc) return std::string(flag) + " needs a value";
      value = argv[++a];
    }
    if (flag == "--file") {
      if (value->empty()) return "--file needs a path";
      options.file = *value;
    } else if (flag == "--from") {
      if (!ParseFrom(*value, options)) {
        return "bad --from '" + std::string(*value) + "': want a real date YYYY-MM-DD[THH:MM]";
      }
      options.haveFrom = true;
    } else {
      if (!ParseDays(*value, options)) {
        return "bad --days '" + std::string(*value) + "': want a whole number from 1 to " +
               std::to_string(kMaxDays);
      }
      haveDays = true;
    }
  }
  if (options.next) {
    if (haveDays) return std::string("--next takes no --days");
    return std::nullopt;
  }
  if (!options.haveFrom) return std::string("--from is missing");
  if (!haveDays) return std::string("--days is missing");
  return std::nullopt;
}

// ---- the alarms file ---------------------------------------------------------

// Loads the table as the program loads alarms.txt.
std::optional<std::string> LoadAlarmFile(AlarmTable& table, const std::string& path) {
  errno = 0;
  if (table.LoadAlarmsFrom(path)) return std::nullopt;
  return "cannot read " + path + (errno != 0 ? ": " + std::string(std::strerror(errno)) : "");
}

// ---- the simulation ----------------------------------------------------------

// "YYYY-MM-DD HH:MM " of a moment's local time.
std::string LocalStamp(const LocalClock& clock, std::int64_t moment) {
  const LocalTime local = clock.ToLocal(moment);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d ", local.year, local.month,
                local.day, local.hour, local.minute);
  return stamp;
}

class Simulation {
 public:
  Simulation(AlarmTable& table, std::FILE* out) : m_table(table), m_out(out) {
    m_watched = AlarmMinutes(m_table);
  }
  ~Simulation() { Flush(); }
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  // Every minute from start while before end gets its due check, as every
  // minute the running program sees does.
  void Run(std::int64_t start, std::int64_t end) {
    WalkMinutes(m_clock, start, end, m_watched, [this](std::int64_t moment) { Check(moment); });
  }

  bool WriteFailed() {
    Flush();
    return std::ferror(m_out) != 0;
  }

 private:
  void Check(std::int64_t moment) {
    m_clock.Set(moment);
    const ClockSnapshot snapshot = ReadClockSnapshot(m_clock);
    RunDuePass(
        m_table, snapshot, [&](int i) { Record(snapshot, i); }, [&](int i) { Remove(i); });
  }

  void Record(const ClockSnapshot& snapshot, int i) {
    std::string line = EncodeRecordLine(m_table.At(i));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    m_buffer += LocalStamp(m_clock, snapshot.now);
    m_buffer += line;
    m_buffer += '\n';
    if (m_buffer.size() > (1u << 20)) Flush();
  }

  void Remove(int i) {
    m_table.RemoveAlarmAt(i);
    m_watched = AlarmMinutes(m_table);
  }

  void Flush() {
    std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
    std::fflush(m_out);
    m_buffer.clear();
  }

  AlarmTable& m_table;
  std::FILE* m_out;
  FakeClock m_clock;
  DayMinutes m_watched{};
  std::string m_buffer;
};

void PrintNextFiring(const AlarmTable& table, const LocalClock& clock, std::int64_t after) {
  const std::optional<std::int64_t> next = NextFiring(table, clock, after);
  if (next) {
    std::printf("%s@%lld\n", LocalStamp(clock, *next).c_str(), static_cast<long long>(*next));
  } else {
    std::printf("none\n");
  }
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "tockmere-when: %s\n", message.c_str());
  return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf("%s\n", kUsage);
    return 0;
  }
  Options options;
  if (const auto error = ParseArguments(argc, argv, options)) {
    return Fail(*error + " (" + kUsage + ")");
  }
  AlarmTable table;
  if (const auto error = LoadAlarmFile(table, options.file)) return Fail(*error);

  const RealClock clock;
  const int year = static_cast<int>(options.from.year);
  const std::int64_t start =
      clock.FromLocal(year, options.from.month, options.from.day, options.hour, options.minute, 0);
  if (options.next) {
    PrintNextFiring(table, clock, options.haveFrom ? start : clock.Now());
    return std::ferror(stdout) != 0 ? 1 : 0;
  }
  const std::int64_t end =
      clock.FromLocal(year, options.from.month, options.from.day + static_cast<int>(options.days),
                      options.hour, options.minute, 0);

  Simulation simulation(table, stdout);
  simulation.Run(start, end);
  if (simulation.WriteFailed()) {
    std::fprintf(stderr, "tockmere-when: cannot write the output: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}
