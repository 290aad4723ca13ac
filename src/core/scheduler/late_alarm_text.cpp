#include "core/scheduler/late_alarm_text.h"

#include <array>

namespace {

struct LateUnit {
  std::int64_t minutes;
  const char* name;
};

constexpr std::array<LateUnit, 3> kUnits = {
    {{24 * 60, "d"}, {60, "h"}, {1, "min"}},
};

}  // namespace

std::string LateAlarmText(std::string_view time, std::int64_t minutesLate) {
  std::string text(time);
  if (minutesLate <= 0) return text;
  text += ',';
  std::int64_t left = minutesLate;
  for (const LateUnit& unit : kUnits) {
    const std::int64_t count = left / unit.minutes;
    left %= unit.minutes;
    if (count == 0) continue;
    text += ' ' + std::to_string(count) + ' ' + unit.name;
  }
  return text + " late";
}
