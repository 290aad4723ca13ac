#include "gui/scheduler/wake_up_timer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "gui/scheduler/clock_driver.h"
#include "gui_support.h"
#include "test_support.h"

namespace {

// The timer's calls are played: a pipe stands for the timerfd, and a write to
// it for the kernel's word that the timer went off. A timer made in the
// place of the first is the timer unset.
struct PlayedAlarm {
  static inline int pipe[2] = {-1, -1};
  static inline std::vector<std::int64_t> setAt;  // 0: unset
  static inline std::vector<int> clockIds;
  static inline std::vector<int> setFlags;
  static int Create(int clockId, int) {
    clockIds.push_back(clockId);
    if (pipe[1] >= 0) {
      close(pipe[1]);
      setAt.push_back(0);
    }
    return pipe2(pipe, O_NONBLOCK | O_CLOEXEC) == 0 ? pipe[0] : -1;
  }
  static int SetTime(int, int flags, const itimerspec* value, itimerspec*) {
    setFlags.push_back(flags);
    setAt.push_back(value->it_value.tv_sec);
    return 0;
  }
};

// The clock change watch's calls: a write to the pipe is the clock set.
struct PlayedClockChange {
  static inline int pipe[2] = {-1, -1};
  static int Create(int, int) { return pipe2(pipe, O_NONBLOCK | O_CLOEXEC) == 0 ? pipe[0] : -1; }
  static int SetTime(int, int, const itimerspec*, itimerspec*) { return 0; }
};

class WakeUpTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PlayedAlarm::pipe[1] = -1;
    PlayedAlarm::setAt.clear();
    PlayedAlarm::clockIds.clear();
    PlayedAlarm::setFlags.clear();
  }
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
  EXPECT_EQ(PlayedAlarm::clockIds, std::vector<int>{CLOCK_REALTIME_ALARM});
  EXPECT_EQ(PlayedAlarm::setFlags, std::vector<int>(4, TFD_TIMER_ABSTIME));
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

// An alarm beyond the search's reach is looked for again until it comes within.
TEST_F(WakeUpTimerTest, AnAlarmOutOfReachIsFoundOnceItComesWithin) {
  m_table.SetTableRecords({AlarmRecord{"One Date", "None", "07:00", "05/01/28", "far|"}});
  m_clock.Set(At(7, 6, 30));
  WakeUpTimer timer(m_table, m_clock, nullptr, {&PlayedAlarm::Create, &PlayedAlarm::SetTime}, 20);
  EXPECT_TRUE(SetFor(0));
  m_clock.Set(m_clock.FromLocal(2027, 12, 7, 6, 30, 0));
  EXPECT_TRUE(SetFor(m_clock.FromLocal(2028, 1, 5, 6, 59, 0)));
}

class NoClockHost : public ClockHost {
 public:
  bool UpdateData(bool) override { return true; }
  void MinuteTurned() override {}
  void DateFormatChanged() override {}
  void AlarmSnoozed(int) override {}
  void ShowMessage(const std::string&, const std::string&) override {}
};

// The clock driver sets the timer again when the clock is set or the computer
// resumes: from the new time (a day back) the next firing is another; and when
// the alarms change.
TEST_F(WakeUpTimerTest, SetAgainAfterTheClockChanges) {
  m_table.SetTableRecords({AlarmRecord{"Daily", "None", "07:00", "", "a|"}});
  m_clock.Set(At(7, 6, 30));
  QWidget window;
  SettingsStore settings;
  NoClockHost host;
  ClockDriver driver(&window, m_table, settings, m_clock, host,
                     {{&PlayedAlarm::Create, &PlayedAlarm::SetTime},
                      {&PlayedClockChange::Create, &PlayedClockChange::SetTime}});
  driver.Start();
  EXPECT_TRUE(SetFor(At(7, 6, 59)));
  m_clock.Set(At(6, 6, 30));
  ASSERT_EQ(write(PlayedClockChange::pipe[1], "x", 1), 1);
  EXPECT_TRUE(SetFor(At(6, 6, 59)));
  // A change of the table reaches the timer from the table itself.
  m_table.SetTableRecords({AlarmRecord{"Daily", "None", "06:45", "", "b|"}});
  EXPECT_TRUE(SetFor(At(6, 6, 44)));
  close(PlayedClockChange::pipe[1]);
}

// A missed-alarm notice at start-up may wait for hours: the computer is woken
// for the next alarm meanwhile.
TEST_F(WakeUpTimerTest, SetWhileAMissedAlarmNoticeWaits) {
  const ScratchFolder folder;
  m_table.SetTableRecords({AlarmRecord{"One Date", "None", "06:00", "07/12/26", "missed|"},
                           AlarmRecord{"Daily", "None", "07:00", "", "a|"}});
  m_clock.Set(At(7, 6, 30));
  QWidget window;
  SettingsStore settings;
  NoClockHost host;
  ClockDriver driver(&window, m_table, settings, m_clock, host,
                     {{&PlayedAlarm::Create, &PlayedAlarm::SetTime}, {}});
  driver.Tick();
  bool setDuringTheNotice = false;
  WhenModalOpens([&](QWidget*) { setDuringTheNotice = SetFor(At(7, 6, 59)); });
  driver.ClearMissedAlarms();
  EXPECT_TRUE(setDuringTheNotice);
}

}  // namespace
