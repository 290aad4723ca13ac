#include "gui/scheduler/wake_up_timer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <cstdint>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

// The timer's calls are played: a pipe stands for the timerfd, and a write to
// it for the kernel's word that the timer went off.
struct PlayedAlarm {
  static inline int pipe[2] = {-1, -1};
  static inline std::vector<std::int64_t> setAt;  // 0: unset
  static int Create(int, int) { return pipe2(pipe, O_NONBLOCK | O_CLOEXEC) == 0 ? pipe[0] : -1; }
  static int SetTime(int, int, const itimerspec* value, itimerspec*) {
    setAt.push_back(value->it_value.tv_sec);
    return 0;
  }
};

class WakeUpTimerTest : public ::testing::Test {
 protected:
  void SetUp() override { PlayedAlarm::setAt.clear(); }
  void TearDown() override { close(PlayedAlarm::pipe[1]); }
  std::int64_t At(int day, int hour, int minute) const {
    return m_clock.FromLocal(2026, 12, day, hour, minute, 0);
  }
  // The kernel's timer goes off at the moment.
  static void GoesOffAt(FakeClock& clock, std::int64_t moment) {
    clock.Set(moment);
    const std::uint64_t once = 1;
    ASSERT_EQ(write(PlayedAlarm::pipe[1], &once, sizeof once), 8);
  }
  static bool SetFor(std::int64_t moment) {
    for (int waited = 0; waited < 2000; waited += 10) {
      if (!PlayedAlarm::setAt.empty() && PlayedAlarm::setAt.back() == moment) return true;
      QTest::qWait(10);
    }
    return false;
  }

  ZoneGuard m_zone{"Europe/London"};
  FakeClock m_clock;
  AlarmTable m_table;
};

// A minute before each firing, then the firing's own minute, then the next;
// two alarms a minute apart give no wake-up in between.
TEST_F(WakeUpTimerTest, SetAMinuteBeforeEachFiringThenForTheMinuteItself) {
  m_table.SetTableRecords({AlarmRecord{"Daily", "None", "07:00", "", "a|"},
                           AlarmRecord{"Daily", "None", "07:01", "", "b|"}});
  m_clock.Set(At(7, 6, 30));
  WakeUpTimer timer(m_table, m_clock, nullptr, {&PlayedAlarm::Create, &PlayedAlarm::SetTime});
  EXPECT_TRUE(SetFor(At(7, 6, 59)));
  GoesOffAt(m_clock, At(7, 6, 59));
  EXPECT_TRUE(SetFor(At(7, 7, 0)));
  GoesOffAt(m_clock, At(7, 7, 0));
  EXPECT_TRUE(SetFor(At(7, 7, 1)));
  GoesOffAt(m_clock, At(7, 7, 1));
  EXPECT_TRUE(SetFor(At(8, 6, 59)));
  EXPECT_EQ(PlayedAlarm::setAt.size(), 4u);
}

// A burst of changes is one search; with no alarm left the timer is unset.
// A timer that goes off before the program's clock reaches its moment (a
// preloaded fake clock) is not set again, which would go off without end.
TEST_F(WakeUpTimerTest, ChangesComeToOneSearchAndAForeignClockIsNotChased) {
  m_table.SetTableRecords({AlarmRecord{"Daily", "None", "07:00", "", "a|"}});
  m_clock.Set(At(7, 6, 30));
  WakeUpTimer timer(m_table, m_clock, nullptr, {&PlayedAlarm::Create, &PlayedAlarm::SetTime});
  EXPECT_TRUE(SetFor(At(7, 6, 59)));
  GoesOffAt(m_clock, At(7, 6, 40));
  QTest::qWait(50);
  EXPECT_EQ(PlayedAlarm::setAt.size(), 1u);
  m_table.SetTableRecords({});
  for (int i = 0; i < 5; ++i) timer.Rearm();
  EXPECT_TRUE(SetFor(0));
  EXPECT_EQ(PlayedAlarm::setAt.size(), 2u);
}

}  // namespace
