#include "core/scheduler/late_alarm_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(LateAlarmText, SaysTheTimeAndHowLateInDaysHoursAndMinutes) {
  const struct {
    std::int64_t minutesLate;
    const char* text;
  } cases[] = {
      {0, "07:00"},
      {-3, "07:00"},  // a clock set back: not late
      {1, "07:00, 1 min late"},
      {12, "07:00, 12 min late"},
      {60, "07:00, 1 h late"},
      {72, "07:00, 1 h 12 min late"},
      {1439, "07:00, 23 h 59 min late"},
      {1440, "07:00, 1 d late"},
      {1440 + 12, "07:00, 1 d 12 min late"},
      {3 * 1440 + 180, "07:00, 3 d 3 h late"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LateAlarmText("07:00", c.minutesLate), c.text) << c.minutesLate;
  }
}

}  // namespace
