#include "core/scheduler/next_firing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "core/scheduler/due_pass.h"
#include "test_support.h"

namespace {

AlarmRecord Alarm(std::string type, std::string time, std::string date, std::string day = "None") {
  return AlarmRecord{std::move(type), std::move(day), std::move(time), std::move(date), "x|"};
}

class NextFiringTest : public ::testing::Test {
 protected:
  std::int64_t At(int year, int month, int day, int hour = 0, int minute = 0) const {
    return m_clock.FromLocal(year, month, day, hour, minute, 0);
  }

  ZoneGuard m_zone{"Europe/London"};
  FakeClock m_clock;
  AlarmTable m_table;
};

// Every alarm type at a minute of its own, over a year that holds both clock
// changes (31 October 2027, 26 March 2028) and a 29 February. The due pass is
// the oracle: each minute whose local time some alarm names is judged by it,
// and the chain of next firings, each looked for from the one before, must
// meet exactly the minutes it finds due.
TEST_F(NextFiringTest, MeetsEveryMinuteTheDuePassFindsDueOverAYear) {
  m_table.SetTableRecords({
      Alarm("Daily", "01:30", ""),                  // skipped in spring, twice in autumn
      Alarm("Weekly", "01:15", "", "Sunday"),       // both clock changes fall on Sundays
      Alarm("Fortnightly", "06:00", "15/04/28"),    // starts within the year
      Alarm("Monthly", "07:00", "31"),              // months of 31 days only
      Alarm("Monthly", "07:05", "29"),              // February only in 2028
      Alarm("Monthly", "08:00", "Last", "Friday"),  // the last seven days
      Alarm("Monthly", "08:30", "4", "Monday"),     // days 22-28
      Alarm("One Date", "12:00", "14/02/28"),       // once
      Alarm("One Date", "01:45", "31/10/27"),       // the repeated hour: twice
      Alarm("One Date", "10:00", "01/01/20"),       // past: never
      Alarm("Fortnightly", "18:00", "03/09/27"),    // started before the year
      Alarm("Monthly", "09:00", "0"),               // no such day: never
  });
  const std::int64_t start = At(2027, 9, 1);
  const std::int64_t end = At(2028, 9, 1);

  std::vector<bool> named(24 * 60, false);
  for (const AlarmRecord& record : m_table.TableRecords()) {
    named[static_cast<std::size_t>(std::stoi(record.time.substr(0, 2)) * 60 +
                                   std::stoi(record.time.substr(3, 2)))] = true;
  }
  std::vector<std::int64_t> due;
  for (std::int64_t t = start; t < end; t += 60) {
    const LocalTime local = m_clock.ToLocal(t);
    if (!named[static_cast<std::size_t>(local.hour * 60 + local.minute)]) continue;
    const ClockSnapshot minute = SnapshotAt(m_clock, t);
    for (const AlarmRecord& record : m_table.TableRecords()) {
      if (IsAlarmDue(record, minute)) {
        due.push_back(t);
        break;
      }
    }
  }

  std::vector<std::int64_t> chain;
  for (std::optional<std::int64_t> next = NextFiring(m_table, m_clock, start - 1);
       next && *next < end && chain.size() <= due.size();
       next = NextFiring(m_table, m_clock, *next)) {
    chain.push_back(*next);
  }
  EXPECT_GT(due.size(), 450u);
  EXPECT_EQ(chain, due);
}

TEST_F(NextFiringTest, NoneForAnEmptyTableAPastOneOffOrOneBeyondReach) {
  const std::int64_t now = At(2026, 12, 8, 11, 0);
  EXPECT_EQ(NextFiring(m_table, m_clock, now), std::nullopt);
  m_table.SetTableRecords({Alarm("One Date", "07:00", "08/12/26")});
  EXPECT_EQ(NextFiring(m_table, m_clock, now), std::nullopt);
  m_table.SetTableRecords({Alarm("One Date", "07:00", "09/12/28")});
  EXPECT_EQ(NextFiring(m_table, m_clock, now), std::nullopt);
  EXPECT_EQ(NextFiring(m_table, m_clock, At(2028, 1, 1)), At(2028, 12, 9, 7, 0));
}

// A year and a day from 11:00 on 8 December 2026 is 11:00 on 9 December 2027:
// a firing then is out of reach, one a minute earlier within it.
TEST_F(NextFiringTest, ReachEndsJustBeforeAYearAndADay) {
  const std::int64_t after = At(2026, 12, 8, 11, 0);
  m_table.SetTableRecords({Alarm("One Date", "11:00", "09/12/27")});
  EXPECT_EQ(NextFiring(m_table, m_clock, after), std::nullopt);
  m_table.SetTableRecords({Alarm("One Date", "10:59", "09/12/27")});
  EXPECT_EQ(NextFiring(m_table, m_clock, after), At(2027, 12, 9, 10, 59));
}

// The minute `after` lies in has had its check: the search starts with the next.
TEST_F(NextFiringTest, LooksFromTheMinuteAfter) {
  m_table.SetTableRecords({Alarm("Daily", "07:00", "")});
  EXPECT_EQ(NextFiring(m_table, m_clock, At(2026, 12, 8, 6, 59) + 59), At(2026, 12, 8, 7, 0));
  EXPECT_EQ(NextFiring(m_table, m_clock, At(2026, 12, 8, 7, 0)), At(2026, 12, 9, 7, 0));
}

}  // namespace
