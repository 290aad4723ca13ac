#include "core/scheduler/catch_up.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/scheduler/minute_walk.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

// The table under test; each test starts from an empty one.
AlarmTable table;

using Texts = std::vector<std::string>;

AlarmRecord Alarm(std::string type, std::string time, std::string text, std::string date = "",
                  std::string day = "None") {
  return AlarmRecord{std::move(type), std::move(day), std::move(time), std::move(date),
                     std::move(text)};
}

void SetTable(const std::vector<AlarmRecord>& records) {
  table.SetTableRecords(records);
}

Texts TableTexts() {
  Texts texts;
  for (int i = 0; i < table.Count(); ++i) texts.push_back(table.At(i).text);
  return texts;
}

void RemoveInMemory(int i) {
  table.RemoveAlarmAt(i);
}

// The program's tick on a fake clock: a check whenever the minute of real
// time differs from the one checked last. Records the fired texts with the
// local time of the tick that fired them.
class Ticker {
 public:
  explicit Ticker(std::int64_t start) : m_lastMinute(MinuteOf(start)) {}

  void TickAt(std::int64_t moment) {
    m_clock.Set(moment);
    const ClockSnapshot snapshot = ReadClockSnapshot(m_clock);
    if (MinuteOf(moment) == m_lastMinute) return;
    const std::int64_t since = m_lastMinute;
    m_lastMinute = MinuteOf(moment);
    CheckMinutesSince(
        table, since, snapshot, m_clock,
        [&](int i, std::int64_t dueMinute) {
          fired.push_back(snapshot.timeText + " " + table.At(i).text);
          minutesLate.push_back(MinuteOf(moment) - dueMinute);
        },
        [&](int i) {
          removed.push_back(table.At(i).text);
          RemoveInMemory(i);
        });
  }

  // One tick a minute, at second 5, from `from` up to `to`.
  void TickEveryMinute(std::int64_t from, std::int64_t to) {
    for (std::int64_t t = from; t <= to; t += 60) TickAt(t);
  }

  Texts fired;
  std::vector<std::int64_t> minutesLate;  // of each fired alarm, at its tick
  Texts removed;

 private:
  FakeClock m_clock;
  std::int64_t m_lastMinute;
};

class CatchUpTest : public ::testing::Test {
 protected:
  void SetUp() override { table = AlarmTable{}; }
  std::int64_t At(int year, int month, int day, int hour, int minute, int second = 0) const {
    return m_clock.FromLocal(year, month, day, hour, minute, second);
  }

  ZoneGuard m_zone{"Europe/London"};
  FakeClock m_clock;
};

TEST_F(CatchUpTest, NextMinuteIsTheOrdinaryPassAndTheSameMinuteChecksNothing) {
  SetTable({Alarm("Daily", "07:31", "b"), Alarm("Daily", "07:30", "a")});
  Ticker ticker(At(2026, 12, 7, 7, 29, 50));
  ticker.TickAt(At(2026, 12, 7, 7, 29, 59));
  ticker.TickAt(At(2026, 12, 7, 7, 30, 0));
  ticker.TickAt(At(2026, 12, 7, 7, 30, 59));
  ticker.TickAt(At(2026, 12, 7, 7, 31, 1));
  EXPECT_EQ(ticker.fired, Texts({"07:30 a", "07:31 b"}));
}

TEST_F(CatchUpTest, JumpOverOneAlarmsMinuteFiresItLateOnceAndRemovesAOneOff) {
  SetTable({Alarm("One Date", "07:30", "dentist", "07/12/26"), Alarm("Daily", "07:45", "later")});
  Ticker ticker(At(2026, 12, 7, 7, 29, 5));
  ticker.TickAt(At(2026, 12, 7, 7, 34, 10));
  EXPECT_EQ(ticker.fired, Texts({"07:34 dentist"}));
  EXPECT_EQ(ticker.removed, Texts({"dentist"}));
  ticker.TickEveryMinute(At(2026, 12, 7, 7, 35, 5), At(2026, 12, 7, 7, 50, 5));
  EXPECT_EQ(ticker.fired, Texts({"07:34 dentist", "07:45 later"}));
}

// The minute checked last is not walked again: its Daily alarm fired then.
TEST_F(CatchUpTest, JumpFromAnAlarmsMinuteDoesNotFireItAgain) {
  SetTable({Alarm("Daily", "07:30", "once")});
  Ticker ticker(At(2026, 12, 7, 7, 29, 50));
  ticker.TickAt(At(2026, 12, 7, 7, 30, 0));
  ticker.TickAt(At(2026, 12, 7, 7, 35, 0));
  EXPECT_EQ(ticker.fired, Texts({"07:30 once"}));
}

TEST_F(CatchUpTest, JumpOverTwoAlarmsFiresThemInTimeOrderNotTableOrder) {
  SetTable({Alarm("Daily", "07:40", "second"), Alarm("Weekly", "07:35", "other day", "", "Tuesday"),
            Alarm("One Date", "07:32", "first", "07/12/26"),
            Alarm("One Date", "07:33", "not today", "08/12/26"), Alarm("Daily", "07:50", "now")});
  Ticker ticker(At(2026, 12, 7, 7, 30, 5));  // a Monday
  ticker.TickAt(At(2026, 12, 7, 7, 50, 30));
  EXPECT_EQ(ticker.fired, Texts({"07:50 first", "07:50 second", "07:50 now"}));
  EXPECT_EQ(ticker.minutesLate, std::vector<std::int64_t>({18, 10, 0}));
  EXPECT_EQ(TableTexts(), Texts({"second", "other day", "not today", "now"}));
}

// The skipped minutes are judged by their own local time: 01:00-01:59 does not
// exist on the night the clocks go forward, so an alarm then never fires.
TEST_F(CatchUpTest, JumpOverTheSpringForwardNightJudgesEachMinuteByItsLocalTime) {
  SetTable({Alarm("Daily", "00:59", "before"), Alarm("Daily", "01:30", "skipped hour"),
            Alarm("Daily", "02:10", "after"), Alarm("Daily", "02:40", "not yet")});
  Ticker ticker(At(2026, 3, 29, 0, 58, 5));
  ticker.TickAt(At(2026, 3, 29, 2, 20, 5));  // 82 minutes of real time later
  EXPECT_EQ(ticker.fired, Texts({"02:20 before", "02:20 after"}));
}

TEST_F(CatchUpTest, RepeatedAutumnHourFiresTwiceMinuteByMinuteButOnceInACatchUp) {
  SetTable({Alarm("Daily", "01:30", "twice")});
  Ticker steady(At(2026, 10, 25, 0, 0, 5));
  steady.TickEveryMinute(At(2026, 10, 25, 0, 1, 5), At(2026, 10, 25, 3, 0, 5));
  EXPECT_EQ(steady.fired, Texts({"01:30 twice", "01:30 twice"}));

  Ticker jumped(At(2026, 10, 25, 0, 0, 5));
  jumped.TickAt(At(2026, 10, 25, 3, 0, 5));
  EXPECT_EQ(jumped.fired, Texts({"03:00 twice"}));
}

// A step of the clock back repeats minutes, as the autumn night does; the
// minute it lands on is checked too.
TEST_F(CatchUpTest, ClockSetBackRepeatsItsMinutes) {
  SetTable({Alarm("Daily", "07:30", "again"), Alarm("One Date", "07:45", "once", "07/12/26")});
  Ticker ticker(At(2026, 12, 7, 7, 0, 5));
  ticker.TickEveryMinute(At(2026, 12, 7, 7, 1, 5), At(2026, 12, 7, 8, 0, 5));
  ticker.TickEveryMinute(At(2026, 12, 7, 7, 30, 30), At(2026, 12, 7, 8, 0, 30));
  EXPECT_EQ(ticker.fired, Texts({"07:30 again", "07:45 once", "07:30 again"}));
  EXPECT_EQ(TableTexts(), Texts({"again"}));
}

TEST_F(CatchUpTest, ThreeDayJumpGivesEachAlarmOneLatePopUp) {
  SetTable({Alarm("Daily", "07:30", "daily"), Alarm("Weekly", "09:00", "weekly", "", "Tuesday"),
            Alarm("One Date", "12:00", "past one-off", "08/12/26"),
            Alarm("One Date", "12:00", "ahead", "11/12/26")});
  Ticker ticker(At(2026, 12, 7, 7, 0, 5));  // Monday
  ticker.TickAt(At(2026, 12, 10, 7, 0, 5));
  EXPECT_EQ(ticker.fired, Texts({"07:00 daily", "07:00 weekly", "07:00 past one-off"}));
  EXPECT_EQ(TableTexts(), Texts({"daily", "weekly", "ahead"}));
}

// A pop-up may stay open into later minutes, whose nested passes can remove or
// move the alarms still waiting for their late pop-up.
TEST_F(CatchUpTest, LateAlarmRemovedUnderAnEarlierPopUpIsNotFired) {
  SetTable({Alarm("Daily", "07:31", "a"), Alarm("One Date", "07:32", "b", "07/12/26"),
            Alarm("Daily", "07:33", "c")});
  FakeClock clock(At(2026, 12, 7, 7, 40, 5));
  Texts fired;
  CheckMinutesSince(
      table, MinuteOf(At(2026, 12, 7, 7, 30)), ReadClockSnapshot(clock), clock,
      [&](int i, std::int64_t) {
        fired.push_back(table.At(i).text);
        if (table.At(i).text == "a") RemoveInMemory(1);  // a nested pass took b
      },
      [&](int i) { RemoveInMemory(i); });
  EXPECT_EQ(fired, Texts({"a", "c"}));
  EXPECT_EQ(TableTexts(), Texts({"a", "c"}));
}

TEST_F(CatchUpTest, LongJumpOfYearsEndsAndFiresEachAlarmOnce) {
  SetTable(
      {Alarm("Monthly", "06:00", "rent", "1"), Alarm("Fortnightly", "08:00", "bins", "05/01/26")});
  Ticker ticker(At(2026, 1, 1, 0, 0, 5));
  ticker.TickAt(At(2036, 1, 1, 0, 0, 5));
  EXPECT_EQ(ticker.fired, Texts({"00:00 rent", "00:00 bins"}));
}

// Alarms a late read-in of the file brought were not in the table when the
// minutes since the change began were judged: those due in one of them go off
// once now; the rest wait for their minute, and alarms already there then
// are not fired again.
TEST_F(CatchUpTest, AlarmsReadInLateGoOffOnceForTheMinutesTheyMissed) {
  const std::vector<AlarmRecord> brought = {
      Alarm("Daily", "07:30", "new"), Alarm("One Date", "07:31", "dentist", "07/12/26"),
      Alarm("Daily", "07:29", "before"), Alarm("Daily", "07:33", "after")};
  SetTable({Alarm("Daily", "07:30", "old"), brought[0], brought[1], brought[2], brought[3]});
  Texts fired;
  Texts removed;
  std::vector<std::int64_t> dueMinutes;
  CheckRecordsReadIn(
      table, brought, MinuteOf(At(2026, 12, 7, 7, 30)), MinuteOf(At(2026, 12, 7, 7, 32)), m_clock,
      [&](int i, std::int64_t minute) {
        fired.push_back(table.At(i).text);
        dueMinutes.push_back(minute);
      },
      [&](int i) {
        removed.push_back(table.At(i).text);
        RemoveInMemory(i);
      });
  EXPECT_EQ(fired, Texts({"new", "dentist"}));
  EXPECT_EQ(dueMinutes, std::vector<std::int64_t>(
                            {MinuteOf(At(2026, 12, 7, 7, 30)), MinuteOf(At(2026, 12, 7, 7, 31))}));
  EXPECT_EQ(removed, Texts({"dentist"}));
  EXPECT_EQ(TableTexts(), Texts({"old", "new", "before", "after"}));
}

// Two identical lines read in are two alarms: both go off and both go.
TEST_F(CatchUpTest, TwoIdenticalOneOffsReadInBothFireAndGo) {
  const AlarmRecord twin = Alarm("One Date", "07:30", "twin", "07/12/26");
  SetTable({twin, twin});
  int fired = 0;
  CheckRecordsReadIn(
      table, {twin, twin}, MinuteOf(At(2026, 12, 7, 7, 30)), MinuteOf(At(2026, 12, 7, 7, 31)),
      m_clock, [&](int, std::int64_t) { ++fired; }, [](int i) { RemoveInMemory(i); });
  EXPECT_EQ(fired, 2);
  EXPECT_EQ(table.Count(), 0);
}

TEST_F(CatchUpTest, MinuteWalkSkipsTheSpringHourAndVisitsTheAutumnHourTwice) {
  DayMinutes watched{};
  watched[MinuteOfDayOf("01:30")] = true;
  int spring = 0;
  WalkMinutes(m_clock, At(2026, 3, 29, 0, 0), At(2026, 3, 30, 0, 0), watched,
              [&](std::int64_t) { ++spring; });
  std::vector<std::int64_t> autumn;
  WalkMinutes(m_clock, At(2026, 10, 25, 0, 0), At(2026, 10, 26, 0, 0), watched,
              [&](std::int64_t moment) { autumn.push_back(moment); });
  EXPECT_EQ(spring, 0);
  ASSERT_EQ(autumn.size(), 2u);
  EXPECT_EQ(autumn[1] - autumn[0], 3600);
  EXPECT_EQ(MinuteOfDayOf("7:30"), -1);
  EXPECT_EQ(MinuteOfDayOf("24:00"), -1);
  EXPECT_EQ(MinuteOfDayOf("23:59"), 1439);
}

}  // namespace
