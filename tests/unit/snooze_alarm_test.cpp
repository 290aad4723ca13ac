#include "core/entry/snooze_alarm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "recording_ui.h"
#include "test_support.h"

namespace {

class SnoozeAlarmTest : public ::testing::Test {
 protected:
  void SetUp() override { table.SetListener(&ui); }

  std::int64_t At(int year, int month, int day, int hour, int minute, int second = 0) const {
    return clock.FromLocal(year, month, day, hour, minute, second);
  }

  ScratchFolder folder;
  ZoneGuard zone{"Europe/London"};
  FakeClock clock;
  RecordingUi ui;
  AlarmTable table;
};

// Ten minutes of real time, read on the local clock: over midnight it is
// tomorrow's alarm, and on the nights the clocks change the wall time jumps.
TEST_F(SnoozeAlarmTest, FormIsTenRealMinutesLaterOnTheLocalClock) {
  const std::int64_t autumnHalfPastMidnight = At(2026, 10, 25, 0, 30);  // BST, one hour to go
  struct Case {
    std::int64_t now;
    const char* time;
    const char* type;
  };
  const std::vector<Case> cases = {
      {At(2026, 10, 22, 7, 31, 20), "07:41", "Today"},
      {At(2026, 10, 22, 23, 49, 59), "23:59", "Today"},
      {At(2026, 10, 22, 23, 50, 0), "00:00", "Tomorrow"},
      {At(2026, 12, 31, 23, 55), "00:05", "Tomorrow"},
      {At(2026, 3, 29, 0, 55), "02:05", "Today"},            // 01:00 GMT becomes 02:00 BST
      {autumnHalfPastMidnight + 85 * 60, "01:05", "Today"},  // 01:55 BST, then 01:05 GMT
  };
  for (const Case& c : cases) {
    const NewAlarm form = SnoozeForm(clock, c.now);
    EXPECT_EQ(form.time, c.time) << c.now;
    EXPECT_EQ(RowOf(form.kind).typeText, c.type) << c.now;
    EXPECT_EQ(form.day, "None");
  }
}

// The line is the one Add would write for a one-off alarm, with the text as
// it was, characters the line's fields are split by and all.
TEST_F(SnoozeAlarmTest, AddsAndSavesAOneOffAlarmWithTheSameText) {
  folder.Write("alarms.txt", "2,00/00/00,2,07:30,Bins, then <tea> & caf\xC3\xA9|Line 2|\r\n");
  table.LoadAlarms();
  const std::string text = table.At(0).text;
  clock.Set(At(2026, 12, 31, 23, 57, 30));
  const SnoozeAdded added = AddSnoozedAlarm(table, text, clock);
  EXPECT_EQ(added.message, "");
  ASSERT_EQ(table.Count(), 2);
  ASSERT_GE(added.index, 0);
  EXPECT_EQ(table.At(added.index), (AlarmRecord{"One Date", "None", "00:07", "01/01/27", text}));
  EXPECT_EQ(folder.Read("alarms.txt"),
            "0,27/01/01,0,00:07,Bins, then <tea> & caf\xC3\xA9|Line 2|\r\n"
            "2,00/00/00,2,07:30,Bins, then <tea> & caf\xC3\xA9|Line 2|\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

// A full table keeps its twelve alarms and the file, and says why: counted
// after reading in what another program wrote meanwhile.
TEST_F(SnoozeAlarmTest, FullTableRefusesWithTheMessageOfAdd) {
  std::string lines;
  for (int i = 10; i < 21; ++i) lines += "1,00/00/00,0,06:" + std::to_string(i) + ",x|\r\n";
  folder.Write("alarms.txt", lines);
  table.LoadAlarms();
  lines += "1,00/00/00,0,06:21,added by hand|\r\n";
  folder.Write("alarms.txt", lines);
  clock.Set(At(2026, 10, 22, 7, 31));
  const SnoozeAdded added = AddSnoozedAlarm(table, "x|", clock);
  EXPECT_EQ(added.index, -1);
  EXPECT_EQ(added.message, "You already have the max of 12 alarms.");
  EXPECT_EQ(table.Count(), 12);
  EXPECT_EQ(folder.Read("alarms.txt"), lines);
}

// An alarm the save could not write is taken out again, also the first of
// the table: here alarms.txt can be neither written nor read back (a folder
// has its name), so the table is not reloaded.
TEST_F(SnoozeAlarmTest, AlarmTheSaveCouldNotWriteIsTakenOut) {
  std::filesystem::create_directory(folder.path() / "alarms.txt");
  clock.Set(At(2026, 10, 22, 7, 31));
  EXPECT_EQ(AddSnoozedAlarm(table, "Bins|", clock).index, -1);
  EXPECT_EQ(table.Count(), 0);
}

}  // namespace
