#include "core/platform/wake_alarm.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

// What the fake timerfd calls saw and how they answer.
int g_createError = 0;
std::vector<itimerspec> g_set;

int FakeCreate(int clockId, int) {
  if (clockId != CLOCK_REALTIME_ALARM) return -1;
  if (g_createError != 0) {
    errno = g_createError;
    return -1;
  }
  return open("/dev/null", O_RDONLY);  // a descriptor the alarm may close
}

int FakeSetTime(int, int flags, const itimerspec* value, itimerspec*) {
  if (flags != TFD_TIMER_ABSTIME) return -1;
  g_set.push_back(*value);
  return 0;
}

TEST(WakeAlarm, WithoutTheCapabilityOrAnRtcAlarmItSaysWhyAndSetsNothing) {
  for (const int error : {EPERM, EINVAL}) {
    g_createError = error;
    g_set.clear();
    WakeAlarm alarm(TimerCalls{FakeCreate, FakeSetTime});
    EXPECT_FALSE(alarm.Made());
    EXPECT_EQ(alarm.MakeError(), error);
    EXPECT_EQ(alarm.SetAt(2'000'000'000), error);
    alarm.Acknowledge();
    EXPECT_TRUE(g_set.empty());
  }
  EXPECT_NE(WakeAlarmAvailability(EPERM).find("CAP_WAKE_ALARM"), std::string::npos);
  EXPECT_NE(WakeAlarmAvailability(EINVAL), WakeAlarmAvailability(0));
}

// An absolute time of 0 would unset the timer instead of setting it.
TEST(WakeAlarm, SetsAnAbsoluteMomentAndNeverUnsetsByMistake) {
  g_createError = 0;
  g_set.clear();
  {
    WakeAlarm alarm(TimerCalls{FakeCreate, FakeSetTime});
    ASSERT_TRUE(alarm.Made());
    EXPECT_EQ(alarm.SetAt(1'796'713'140), 0);
    EXPECT_EQ(alarm.SetAt(0), 0);
    EXPECT_EQ(alarm.Unset(), 0);
  }
  ASSERT_EQ(g_set.size(), 3u);
  EXPECT_EQ(g_set[0].it_value.tv_sec, 1'796'713'140);
  EXPECT_EQ(g_set[1].it_value.tv_sec, 1);
  EXPECT_EQ(g_set[2].it_value.tv_sec, 0);
  EXPECT_EQ(g_set[0].it_interval.tv_sec, 0);
}

}  // namespace
