#include "core/store/alarm_table.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/scheduler/clock_reading.h"
#include "core/settings/settings_store.h"
#include "core/store/alarm_line.h"
#include "recording_ui.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// The table under test; each test starts from an empty one.
AlarmTable table;

using Messages = std::vector<std::pair<std::string, std::string>>;

const Messages kFileOpenError = {{"File open error.", "Error"}};
using Deletions = std::vector<std::pair<int, int>>;

// n distinct Daily alarms, one a minute from 06:00, as the file holds them.
std::string DailyLines(int n, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (int i = 0; i < n; ++i) {
    text += "1,00/00/00,0,06:" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ",";
    text += lineEnd;
  }
  return text;
}

std::vector<std::string> Times() {
  std::vector<std::string> times;
  for (int i = 0; i < table.Count(); ++i) times.push_back(table.At(i).time);
  return times;
}

std::vector<std::string> FolderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class AlarmTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table = AlarmTable{};
    table.SetListener(&m_ui);
  }
  void LoadFile(const std::string& content) {
    m_folder.Write(kAlarmsFileName, content);
    table.LoadAlarms();
  }

  ScratchFolder m_folder;
  RecordingUi m_ui;
  ClockSnapshot m_clock;  // the reading Add hands over
};

}  // namespace

TEST_F(AlarmTableTest, AppendStoresEachTypeWithTheMarker) {
  m_clock.todayText = "14/03/26";
  m_clock.tomorrowText = "15/03/26";
  table.AppendAlarm({"20:00", AlarmKind::kToday, "", ""}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"06:00", AlarmKind::kTomorrow, "", ""}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"07:00", AlarmKind::kOneDate, "", "25/12/26"}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"08:00", AlarmKind::kDaily, "", "12/12/12"}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"07:30", AlarmKind::kWeekly, "Tuesday", ""}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"09:00", AlarmKind::kFortnightly, "", "05/01/27"}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"18:00", AlarmKind::kMonthly, "Friday", "last"}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"10:00", AlarmKind::kMonthly, "None", "21"}, m_clock, DateFormat::Uk);

  const std::vector<AlarmRecord> expected = {
      {"One Date", "", "20:00", "14/03/26", "$%&"},
      {"One Date", "", "06:00", "15/03/26", "$%&"},
      {"One Date", "", "07:00", "25/12/26", "$%&"},
      {"Daily", "", "08:00", "", "$%&"},
      {"Weekly", "Tuesday", "07:30", "", "$%&"},
      {"Fortnightly", "", "09:00", "05/01/27", "$%&"},
      {"Monthly", "Friday", "18:00", "Last", "$%&"},
      {"Monthly", "None", "10:00", "21", "$%&"},
  };
  ASSERT_EQ(table.Count(), static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table.At(i), expected[i]);
  EXPECT_TRUE(m_ui.messages.empty());
  EXPECT_FALSE(fs::exists(kAlarmsFileName));
}

TEST_F(AlarmTableTest, AppendTurnsUsDatesDayFirst) {
  const DateFormat us = DateFormat::Us;
  table.AppendAlarm({"07:00", AlarmKind::kOneDate, "", "12/25/26"}, m_clock, us);
  table.AppendAlarm({"07:00", AlarmKind::kFortnightly, "", "01/05/27"}, m_clock, us);
  EXPECT_EQ(table.At(0).date, "25/12/26");
  EXPECT_EQ(table.At(1).date, "05/01/27");
}

TEST_F(AlarmTableTest, AppendToAFullTableChangesNothing) {
  LoadFile(DailyLines(12));
  const AlarmTable before = table;
  table.AppendAlarm({"23:00", AlarmKind::kDaily, "", ""}, m_clock, DateFormat::Uk);
  EXPECT_EQ(table.Count(), 12);
  EXPECT_EQ(table.TableRecords(), before.TableRecords());
}

TEST_F(AlarmTableTest, TodayReadsBackAsNoneDayAfterSaveAndLoad) {
  m_clock.todayText = "14/03/26";
  table.AppendAlarm({"20:00", AlarmKind::kToday, "", ""}, m_clock, DateFormat::Uk);
  ASSERT_TRUE(table.SaveAlarms());
  table.LoadAlarms();
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.At(0), (AlarmRecord{"One Date", "None", "20:00", "14/03/26", "$%&"}));
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), "0,26/03/14,0,20:00,$%&\r\n");
}

TEST_F(AlarmTableTest, SaveWritesSortedLinesWithCrLf) {
  table.AppendAlarm({"09:00", AlarmKind::kMonthly, "None", "21"}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"07:30", AlarmKind::kWeekly, "Tuesday", ""}, m_clock, DateFormat::Uk);
  table.AppendAlarm({"07:00", AlarmKind::kDaily, "", ""}, m_clock, DateFormat::Uk);
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName),
            "1,00/00/00,0,07:00,$%&\r\n2,00/00/00,3,07:30,$%&\r\n4,00000021,0,09:00,$%&\r\n");
  // The table keeps its own order until it is loaded again.
  EXPECT_EQ(table.At(0).type, "Monthly");
  table.LoadAlarms();
  EXPECT_EQ(Times(), (std::vector<std::string>{"07:00", "07:30", "09:00"}));
}

TEST_F(AlarmTableTest, LoadReadsCrLfAndLfAloneAndALastLineWithoutEnd) {
  LoadFile("1,00/00/00,0,06:00,a|\r\n1,00/00/00,0,06:01,b|\n1,00/00/00,0,06:02,c|");
  EXPECT_EQ(Times(), (std::vector<std::string>{"06:00", "06:01", "06:02"}));
  EXPECT_EQ(table.At(0).text, "a|");
  EXPECT_EQ(table.At(2).text, "c|");
}

TEST_F(AlarmTableTest, LoadStopsAfterTwelveLinesAndTheNextSaveWritesTwelve) {
  LoadFile(DailyLines(15));
  EXPECT_EQ(table.Count(), 12);
  EXPECT_EQ(table.At(11).time, "06:11");
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(12));
}

// Deleting the file is no way to say "no alarms": while the program runs the
// table stays and the next save writes the file again. Only at start-up does
// a missing file give an empty table.
TEST_F(AlarmTableTest, MissingFileKeepsTheTableWhileRunningAndIsEmptyAtStart) {
  LoadFile(DailyLines(3));
  fs::remove(kAlarmsFileName);
  table.LoadAlarms();
  EXPECT_EQ(table.Count(), 3);
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(3));
  fs::remove(kAlarmsFileName);
  table.LoadAlarmsAtStartUp();
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.At(0), AlarmRecord{});
  EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(AlarmTableTest, ByteOrderMarkAtTheStartIsSkipped) {
  LoadFile("\xEF\xBB\xBF" + DailyLines(2));
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.At(0).type, "Daily");
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(2));
}

TEST_F(AlarmTableTest, ZeroBytesAndHugeLinesAreKept) {
  const std::string big(3'000'000, 'z');
  LoadFile("1,00/00/00,0,06:00,a\0b|\r\n"s + "2,00/00/00,1,06:00," + big + "\r\n");
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.At(0).text, "a\0b|"s);
  EXPECT_EQ(table.At(1).text, big);
  ASSERT_TRUE(table.SaveAlarms());
  table.LoadAlarms();
  EXPECT_EQ(table.At(0).text, "a\0b|"s);
  EXPECT_EQ(table.At(1).text.size(), big.size());
}

TEST_F(AlarmTableTest, TenThousandLinesLoadOnlyTheFirstTwelve) {
  LoadFile(DailyLines(10'000, "\n"));
  EXPECT_EQ(table.Count(), 12);
  EXPECT_EQ(table.At(11).time, "06:11");
}

TEST_F(AlarmTableTest, DeleteShiftsLaterEntriesSavesLoadsAndRefreshes) {
  LoadFile(DailyLines(3));
  table.DeleteAlarm(1);
  EXPECT_EQ(Times(), (std::vector<std::string>{"06:00", "06:02"}));
  EXPECT_EQ(table.At(2), AlarmRecord{});
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), "1,00/00/00,0,06:00,\r\n1,00/00/00,0,06:02,\r\n");
  EXPECT_EQ(m_ui.deletions, (Deletions{{1, 2}}));
}

// Whoever keeps something worked out from the alarms (the wake-up timer) hears
// of every change, whatever makes it, and not of a load that changes nothing.
TEST_F(AlarmTableTest, TellsTheListenerOfEachChangeOfTheAlarms) {
  LoadFile(DailyLines(2));
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"append",
       [&] {
         table.AppendAlarm({"07:00", AlarmKind::kDaily, "None", ""}, m_clock, DateFormat::Uk);
       }},
      {"remove", [] { table.RemoveAlarmAt(0); }},
      {"text", [] { table.SetText(0, "Tea|"); }},
      {"file read in", [&] { LoadFile(DailyLines(3)); }},
  };
  for (const auto& [name, change] : changes) {
    const int before = m_ui.changes;
    change();
    EXPECT_GT(m_ui.changes, before) << name;
  }
  const int before = m_ui.changes;
  table.LoadAlarms();
  table.RemoveAlarmAt(99);
  EXPECT_EQ(m_ui.changes, before);
}

TEST_F(AlarmTableTest, DeletingTheOnlyRecordWritesAnEmptyFileAndLeavesNoOtherFile) {
  LoadFile(DailyLines(1));
  table.DeleteAlarm(0);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), "");
  EXPECT_EQ(FolderNames(m_folder.path()), std::vector<std::string>{kAlarmsFileName});
}

TEST_F(AlarmTableTest, DeleteOutsideTheTableDoesNothing) {
  LoadFile(DailyLines(2));
  table.DeleteAlarm(2);
  table.DeleteAlarm(-1);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_TRUE(m_ui.deletions.empty());
}

TEST_F(AlarmTableTest, DeleteKeepsTheFollowedRecordOnItsEntry) {
  LoadFile(DailyLines(5));
  FollowedRecord record(3);
  table.Follow(&record);
  table.DeleteAlarm(1);
  EXPECT_EQ(record.Index(), 2);
  EXPECT_FALSE(record.Gone());
  table.DeleteAlarm(2);
  EXPECT_TRUE(record.Gone());
  EXPECT_EQ(record.Index(), 2);

  FollowedRecord first(0);
  table.Follow(&first);
  table.DeleteAlarm(1);
  EXPECT_EQ(first.Index(), 0);
  EXPECT_FALSE(first.Gone());

  table.Follow(nullptr);
  table.DeleteAlarm(0);
  EXPECT_FALSE(first.Gone());
}

TEST_F(AlarmTableTest, DeleteWithoutAnInterfaceStillSavesAndLoads) {
  table.SetListener(nullptr);
  LoadFile(DailyLines(2));
  table.DeleteAlarm(0);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), "1,00/00/00,0,06:01,\r\n");
}

TEST_F(AlarmTableTest, ReadOnlyFileIsNotReplacedAndAddIsLost) {
  LoadFile(DailyLines(2));
  ASSERT_EQ(chmod(kAlarmsFileName, 0444), 0);
  table.AppendAlarm({"23:00", AlarmKind::kDaily, "", ""}, m_clock, DateFormat::Uk);
  EXPECT_FALSE(table.SaveAlarms());
  EXPECT_EQ(m_ui.messages, kFileOpenError);
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(2));
  table.LoadAlarms();
  EXPECT_EQ(table.Count(), 2);
}

TEST_F(AlarmTableTest, FailedDeleteBringsTheRecordBack) {
  LoadFile(DailyLines(2));
  ASSERT_EQ(chmod(kAlarmsFileName, 0444), 0);
  table.DeleteAlarm(0);
  EXPECT_EQ(m_ui.messages, kFileOpenError);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(m_ui.deletions, (Deletions{{0, 1}}));
}

TEST_F(AlarmTableTest, ReadOnlyFolderGivesFileOpenErrorAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
  LoadFile(DailyLines(2));
  ASSERT_EQ(chmod(m_folder.path().c_str(), 0555), 0);
  table.AppendAlarm({"23:00", AlarmKind::kDaily, "", ""}, m_clock, DateFormat::Uk);
  EXPECT_FALSE(table.SaveAlarms());
  chmod(m_folder.path().c_str(), 0755);
  EXPECT_EQ(m_ui.messages, kFileOpenError);
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(2));
}

TEST_F(AlarmTableTest, WriteFailingHalfWayKeepsTheOldFileWhole) {
  LoadFile(DailyLines(2));
  for (int i = 0; i < 10; ++i)
    table.AppendAlarm({"23:0" + std::to_string(i), AlarmKind::kDaily, "", ""}, m_clock,
                      DateFormat::Uk);
  // A file size limit makes the write fail part way, as a full disk would.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ::testing::internal::CaptureStderr();
  const bool saved = table.SaveAlarms();
  const bool savedAgain = table.SaveAlarms();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved || savedAgain);
  EXPECT_EQ(m_ui.messages, Messages(2, kFileOpenError[0]));
  // Said once on stderr, with why.
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "tockmere: cannot save alarms.txt: File too large; the alarms in memory go off as "
            "before\n");
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), DailyLines(2));
  EXPECT_EQ(FolderNames(m_folder.path()), std::vector<std::string>{kAlarmsFileName});
}
