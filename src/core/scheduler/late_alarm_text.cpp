#include "core/scheduler/late_alarm_text.h"

#include <array>

namespace {

struct LateUnit {
  std::int64_t minutes;
  const char* name;  // %n stands for the count
};

constexpr std::array<LateUnit, 3> kUnits = {{
    {24 * 60, TOCK_TR_N_NOOP("Late alarm", "%n d")},
    {60, TOCK_TR_N_NOOP("Late alarm", "%n h")},
    {1, TOCK_TR_N_NOOP("Late alarm", "%n min")},
}};

}  // namespace

Phrase LateAlarmPhrase(std::string_view time, std::int64_t minutesLate) {
  if (minutesLate <= 0) return Plain(std::string(time));
  Phrase units = Plain("");
  std::int64_t left = minutesLate;
  for (const LateUnit& unit : kUnits) {
    const std::int64_t count = left / unit.minutes;
    left %= unit.minutes;
    if (count == 0) continue;
    Phrase part = Marked("Late alarm", unit.name);
    part.count = static_cast<int>(count);
    units = units.text.empty() ? part : Phrase{nullptr, "%1 %2", {units, part}, -1};
  }
  return Marked("Late alarm", TOCK_TR_NOOP("Late alarm", "%1, %2 late"),
                {Plain(std::string(time)), units});
}

std::string LateAlarmText(std::string_view time, std::int64_t minutesLate) {
  return English(LateAlarmPhrase(time, minutesLate));
}
