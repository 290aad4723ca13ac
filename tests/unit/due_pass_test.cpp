#include "core/scheduler/due_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "clock_at.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/catch_up.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/missed_pass.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

// The table under test; each test starts from an empty one.
AlarmTable table;

AlarmRecord Alarm(std::string type, std::string time, std::string date = "",
                  std::string day = "None", std::string text = "") {
  return AlarmRecord{std::move(type), std::move(day), std::move(time), std::move(date),
                     std::move(text)};
}

void SetTable(const std::vector<AlarmRecord>& records) {
  table.SetTableRecords(records);
}

std::vector<AlarmRecord> Table() {
  return table.TableRecords();
}

// Removal as the table does it in memory: later entries move up by one.
void RemoveInMemory(int i) {
  ASSERT_GE(i, 0);
  ASSERT_LT(i, table.Count());
  table.RemoveAlarmAt(i);
}

// Records what the pass fires and removes, checking every index it hands out.
struct PassLog {
  std::vector<std::string> fired;    // texts of the fired records, in order
  std::vector<std::string> removed;  // texts of the removed records, in order

  std::function<void(int)> Fire() {
    return [this](int i) {
      ASSERT_GE(i, 0);
      ASSERT_LT(i, table.Count());
      fired.push_back(table.At(i).text);
    };
  }
  std::function<void(int)> Remove() {
    return [this](int i) {
      ASSERT_GE(i, 0);
      ASSERT_LT(i, table.Count());
      removed.push_back(table.At(i).text);
      RemoveInMemory(i);
    };
  }
};

using Texts = std::vector<std::string>;

class DuePassTest : public ::testing::Test {
 protected:
  void SetUp() override { table = AlarmTable{}; }
  ScratchFolder m_folder;
  ZoneGuard m_zone{"Europe/London"};
  // Monday 14 July 2003, 07:30.
  ClockSnapshot m_monday = ClockAt(2003, 7, 14, 7, 30);
};

TEST_F(DuePassTest, FiresInTableOrderAndRemovesOnlyOneOffs) {
  SetTable({Alarm("Daily", "07:30", "", "None", "a"), Alarm("Daily", "08:00", "", "None", "b"),
            Alarm("One Date", "07:30", "14/07/03", "None", "c"),
            Alarm("Weekly", "07:30", "", "Monday", "d"),
            Alarm("One Date", "07:30", "15/07/03", "None", "e"),
            Alarm("Monthly", "07:30", "14", "None", "f"), Alarm("Daily", "7:30", "", "None", "g"),
            Alarm("Weekly", "07:30", "", "Tuesday", "h"), Alarm("", "07:30", "", "None", "i")});
  PassLog log;
  RunDuePass(table, m_monday, log.Fire(), log.Remove());
  EXPECT_EQ(log.fired, Texts({"a", "c", "d", "f"}));
  EXPECT_EQ(log.removed, Texts({"c"}));
  ASSERT_EQ(table.Count(), 8);
  EXPECT_EQ(table.At(2).text, "d");
  EXPECT_TRUE(table.At(8).type.empty());
}

TEST_F(DuePassTest, EntryAfterARemovedOneOffIsExaminedAtTheSameIndex) {
  SetTable({Alarm("One Date", "07:30", "14/07/03", "None", "a"),
            Alarm("One Date", "07:30", "14/07/03", "None", "b"),
            Alarm("One Date", "07:31", "14/07/03", "None", "c"),
            Alarm("Daily", "07:30", "", "None", "d")});
  PassLog log;
  RunDuePass(table, m_monday, log.Fire(), log.Remove());
  EXPECT_EQ(log.fired, Texts({"a", "b", "d"}));
  EXPECT_EQ(log.removed, Texts({"a", "b"}));
  EXPECT_EQ(Table(), std::vector<AlarmRecord>({Alarm("One Date", "07:31", "14/07/03", "None", "c"),
                                               Alarm("Daily", "07:30", "", "None", "d")}));
}

// When the file cannot be written the delete reads the old file back and the
// fired alarm returns at its index: it must not pop up again in the same pass.
TEST_F(DuePassTest, OneOffWhoseRemovalFailsFiresOnce) {
  SetTable({Alarm("One Date", "07:30", "14/07/03", "None", "a"),
            Alarm("Daily", "07:30", "", "None", "b")});
  const std::vector<AlarmRecord> before = Table();
  PassLog log;
  int removals = 0;
  RunDuePass(table, m_monday, log.Fire(), [&](int i) {
    ++removals;
    ASSERT_LT(removals, 10) << "the pass keeps removing";
    RemoveInMemory(i);
    SetTable(before);  // the old file comes back
  });
  EXPECT_EQ(log.fired, Texts({"a", "b"}));
  EXPECT_EQ(removals, 1);
  EXPECT_EQ(Table(), before);
}

// A pop-up left open into the next minute lets a nested pass run inside
// fire(i); it removes entries ahead of the fired one, which moves up.
TEST_F(DuePassTest, NestedPassMovesTheFiredRecord) {
  SetTable({Alarm("One Date", "07:31", "14/07/03", "None", "n1"),
            Alarm("One Date", "07:31", "14/07/03", "None", "n2"),
            Alarm("One Date", "07:30", "14/07/03", "None", "r"),
            Alarm("Daily", "07:30", "", "None", "s"), Alarm("Daily", "07:31", "", "None", "t")});
  ClockSnapshot live = m_monday;  // the window's last reading
  PassLog log;
  bool nested = false;
  auto fire = [&](int i) {
    log.Fire()(i);
    if (nested) return;
    nested = true;
    live = ClockAt(2003, 7, 14, 7, 31);  // the tick of the next minute
    RunDuePass(table, live, log.Fire(), log.Remove());
  };
  // The outer pass is handed the live snapshot, which the nested tick overwrites.
  RunDuePass(table, live, fire, log.Remove());
  // Outer: r (07:30) fires; nested (07:31): n1, n2 and t; outer goes on with s
  // against its own minute, 07:30.
  EXPECT_EQ(log.fired, Texts({"r", "n1", "n2", "t", "s"}));
  EXPECT_EQ(log.removed, Texts({"n1", "n2", "r"}));
  EXPECT_EQ(Table(), std::vector<AlarmRecord>({Alarm("Daily", "07:30", "", "None", "s"),
                                               Alarm("Daily", "07:31", "", "None", "t")}));
}

TEST_F(DuePassTest, FiredRecordGoneWhenFireReturns) {
  SetTable({Alarm("Daily", "07:31", "", "None", "x"),
            Alarm("One Date", "07:30", "14/07/03", "None", "r"),
            Alarm("Daily", "07:30", "", "None", "s")});
  PassLog log;
  bool first = true;
  auto fire = [&](int i) {
    log.Fire()(i);
    if (first) RemoveInMemory(i);  // r is cleared elsewhere while its pop-up is open
    first = false;
  };
  RunDuePass(table, m_monday, fire, log.Remove());
  // r is not found again: nothing is removed in its name, and s, which moved
  // up into r's place, is examined next.
  EXPECT_EQ(log.fired, Texts({"r", "s"}));
  EXPECT_EQ(log.removed, Texts());
  EXPECT_EQ(Table(), std::vector<AlarmRecord>({Alarm("Daily", "07:31", "", "None", "x"),
                                               Alarm("Daily", "07:30", "", "None", "s")}));
}

TEST_F(DuePassTest, FireEmptyingTheTableEndsThePass) {
  SetTable({Alarm("Daily", "07:30", "", "None", "a"), Alarm("Daily", "07:30", "", "None", "b"),
            Alarm("One Date", "07:30", "14/07/03", "None", "c")});
  PassLog log;
  RunDuePass(
      table, m_monday,
      [&](int i) {
        log.Fire()(i);
        table = AlarmTable{};
      },
      log.Remove());
  EXPECT_EQ(log.fired, Texts({"a"}));
  EXPECT_EQ(log.removed, Texts());
}

// A hand edit that appends leaves the lines out of order. Fired with the real
// removal, which saves and reads the table back sorted under the running
// pass, each alarm of the minute still goes off exactly once, in every order:
// in the minute's own pass, after skipped minutes and as missed at start-up.
TEST_F(DuePassTest, EachAlarmGoesOffOnceWhateverTheOrderOfTheFile) {
  std::vector<AlarmRecord> lines = {Alarm("Daily", "07:30", "", "None", "Alarm"),
                                    Alarm("One Date", "07:30", "14/07/03", "None", "Dentist"),
                                    Alarm("One Date", "07:30", "13/07/03", "None", "Missed"),
                                    Alarm("Daily", "07:30", "", "None", "Tea")};
  const FakeClock clock(m_monday.now);
  using Fire = std::function<void(int)>;
  const std::vector<std::pair<std::function<void(const Fire&)>, Texts>> passes = {
      {[&](const Fire& fire) {
         RunDuePass(table, m_monday, fire, [](int i) { table.DeleteAlarm(i); });
       },
       {"Alarm", "Dentist", "Tea"}},
      {[&](const Fire& fire) {
         CheckMinutesSince(
             table, MinuteOf(m_monday.now) - 5, m_monday, clock,
             [&](int i, std::int64_t) { fire(i); }, [](int i) { table.DeleteAlarm(i); });
       },
       {"Alarm", "Dentist", "Tea"}},
      {[&](const Fire& fire) {
         RunMissedPass(table, m_monday.now, clock, fire, [](int i) { table.DeleteAlarm(i); });
       },
       {"Dentist", "Missed"}}};
  const auto byText = [](const AlarmRecord& a, const AlarmRecord& b) { return a.text < b.text; };
  do {
    for (const auto& [pass, expected] : passes) {
      SetTable(lines);
      Texts fired;
      pass([&](int i) { fired.push_back(table.At(i).text); });
      std::sort(fired.begin(), fired.end());
      EXPECT_EQ(fired, expected) << "first line " << lines[0].text << ", then " << lines[1].text
                                 << ", " << lines[2].text;
    }
  } while (std::next_permutation(lines.begin(), lines.end(), byText));
}

// Drives the pass as the clock tick does, one tick per minute over three
// local days from midnight of the given date, and returns the moments at
// which something fired.
std::vector<std::int64_t> DriveThreeDays(int year, int month, int day) {
  FakeClock clock(0);
  const std::int64_t end = clock.FromLocal(year, month, day + 3, 0, 0, 0);
  clock.Set(clock.FromLocal(year, month, day, 0, 0, 0));
  std::vector<std::int64_t> fired;
  int lastMinute = -1;
  for (; clock.Now() < end; clock.Advance(60)) {
    const ClockSnapshot snapshot = ReadClockSnapshot(clock);
    if (snapshot.minute == lastMinute) continue;
    lastMinute = snapshot.minute;
    RunDuePass(
        table, snapshot, [&](int) { fired.push_back(clock.Now()); }, RemoveInMemory);
  }
  return fired;
}

TEST_F(DuePassTest, SkippedHourNeverFiresAndRepeatedHourFiresTwice) {
  // The clocks go forward on Sunday 29 March 2026 and back on Sunday 25 October 2026.
  SetTable({Alarm("Daily", "01:30")});
  const std::vector<std::int64_t> spring = DriveThreeDays(2026, 3, 28);
  ASSERT_EQ(spring.size(), 2u);  // 28 and 30 March; 01:30 does not exist on the 29th
  EXPECT_EQ(spring[1] - spring[0], 2 * 86400 - 3600);

  SetTable({Alarm("Daily", "01:30")});
  const std::vector<std::int64_t> autumn = DriveThreeDays(2026, 10, 24);
  ASSERT_EQ(autumn.size(), 4u);  // 24, 25 (01:30 BST and 01:30 GMT) and 26 October
  EXPECT_EQ(autumn[2] - autumn[1], 3600);

  // Either side of the changed hour, once a day.
  SetTable({Alarm("Daily", "00:30"), Alarm("Daily", "02:30")});
  EXPECT_EQ(DriveThreeDays(2026, 3, 28).size(), 6u);
  SetTable({Alarm("Daily", "00:30"), Alarm("Daily", "02:30")});
  EXPECT_EQ(DriveThreeDays(2026, 10, 24).size(), 6u);

  // A one-off in the repeated hour fires once and leaves the table.
  SetTable({Alarm("One Date", "01:30", "25/10/26"), Alarm("Weekly", "01:30", "", "Sunday")});
  EXPECT_EQ(DriveThreeDays(2026, 10, 24).size(), 3u);  // the one-off once, the Weekly twice
  EXPECT_EQ(Table(), std::vector<AlarmRecord>({Alarm("Weekly", "01:30", "", "Sunday")}));
}

}  // namespace
