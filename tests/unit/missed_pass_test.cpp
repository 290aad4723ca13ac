#include "core/scheduler/missed_pass.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

// The table under test; each test starts from an empty one.
AlarmTable table;

AlarmRecord OneOff(std::string date, std::string time, std::string text = "") {
  return AlarmRecord{"One Date", "None", std::move(time), std::move(date), std::move(text)};
}

AlarmRecord WithType(std::string type, std::string date, std::string time, std::string text) {
  return AlarmRecord{std::move(type), "None", std::move(time), std::move(date), std::move(text)};
}

void SetTable(const std::vector<AlarmRecord>& records) {
  table.SetTableRecords(records);
}

std::vector<std::string> TableTexts() {
  std::vector<std::string> texts;
  for (int i = 0; i < table.Count(); ++i) {
    texts.push_back(table.At(i).text);
  }
  return texts;
}

using Texts = std::vector<std::string>;

TEST(NoticeTextTest, ComposesTheClearedNotice) {
  EXPECT_EQ(ComposeNoticeText(OneOff("14/07/03", "07:30", "Dentist|Bring card|")),
            "\nThe Alarm Call for 07:30 on 14/07/03\nwith text:\n'Dentist , Bring card'\n"
            "has been cleared.\n");
  EXPECT_EQ(ComposeNoticeText(OneOff("25/12/03", "06:45", "")),
            "\nThe Alarm Call for 06:45 on 25/12/03\nwith text:\n''\nhas been cleared.\n");
}

TEST(NoticeTextTest, ShortensTheWakeUpText) {
  struct Case {
    const char* text;
    const char* quoted;
  };
  const std::vector<Case> cases = {
      {"Dentist|", "'Dentist'"}, {"|", "''"},       {"x", "''"},     {"ab", "'a'"},
      {"a||", "'a , '"},         {"|a|", "' , a'"}, {"$%&", "'$%'"}, {"Up, now|", "'Up, now'"}};
  for (const Case& c : cases) {
    const std::string notice = ComposeNoticeText(OneOff("01/01/04", "00:00", c.text));
    EXPECT_NE(notice.find(std::string("\nwith text:\n") + c.quoted + "\nhas been cleared.\n"),
              std::string::npos)
        << c.text << " gave " << notice;
  }
}

class MissedPassTest : public ::testing::Test {
 protected:
  void SetUp() override { table = AlarmTable{}; }
  ScratchFolder m_folder;
  ZoneGuard m_zone{"Europe/London"};
  FakeClock m_clock;
  // Start-up on Monday 14 July 2003 at 09:05:30.
  std::int64_t m_now = m_clock.FromLocal(2003, 7, 14, 9, 5, 30);
};

TEST_F(MissedPassTest, WhichAlarmsAreMissed) {
  EXPECT_TRUE(IsMissedAlarm(OneOff("14/07/03", "09:05"), m_now, m_clock));  // the start-up minute
  EXPECT_TRUE(IsMissedAlarm(OneOff("14/07/03", "09:04"), m_now, m_clock));
  EXPECT_TRUE(IsMissedAlarm(OneOff("13/07/03", "23:59"), m_now, m_clock));
  EXPECT_TRUE(IsMissedAlarm(OneOff("01/01/00", "00:00"), m_now, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("14/07/03", "09:06"), m_now, m_clock));  // one minute ahead
  EXPECT_FALSE(IsMissedAlarm(OneOff("15/07/03", "00:00"), m_now, m_clock));
  for (const char* type : {"Daily", "Weekly", "Fortnightly", "Monthly", "one date", ""}) {
    EXPECT_FALSE(IsMissedAlarm(WithType(type, "01/01/00", "00:00", ""), m_now, m_clock)) << type;
  }
  // Texts without numbers read as 0: "" is 0/0/2000, long gone.
  EXPECT_TRUE(IsMissedAlarm(OneOff("", ""), m_now, m_clock));
}

TEST_F(MissedPassTest, MomentIsLocalTimeWithDaylightSaving) {
  // 01:00 to 01:59 on 25 October 2026 come twice, in BST and in GMT: such an
  // alarm is missed only once its GMT minute has come.
  const std::int64_t midnight = m_clock.FromLocal(2026, 10, 25, 0, 0, 0);  // 23:00 UTC
  const std::int64_t gmtOne = midnight + 2 * 3600;                         // 01:00 GMT
  EXPECT_FALSE(IsMissedAlarm(OneOff("25/10/26", "01:30"), midnight + 3600, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("25/10/26", "01:30"), gmtOne, m_clock));
  EXPECT_TRUE(IsMissedAlarm(OneOff("25/10/26", "01:30"), midnight + 3 * 3600, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("25/10/26", "01:00"), gmtOne - 10, m_clock));  // 01:59:50 BST
  EXPECT_TRUE(IsMissedAlarm(OneOff("25/10/26", "01:00"), gmtOne, m_clock));
  EXPECT_TRUE(IsMissedAlarm(OneOff("25/10/26", "00:59"), gmtOne - 10, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("25/10/26", "02:00"), gmtOne + 3599, m_clock));
  // After 2038.
  const std::int64_t newYear2040 = m_clock.FromLocal(2040, 1, 1, 0, 0, 0);
  EXPECT_TRUE(IsMissedAlarm(OneOff("31/12/39", "23:59"), newYear2040, m_clock));
  EXPECT_TRUE(IsMissedAlarm(OneOff("01/01/40", "00:00"), newYear2040, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("01/01/40", "00:01"), newYear2040, m_clock));
  EXPECT_FALSE(IsMissedAlarm(OneOff("31/12/99", "23:59"), newYear2040, m_clock));
}

TEST_F(MissedPassTest, ClearsEachMissedOneOffInTableOrder) {
  SetTable({OneOff("13/07/03", "10:00", "a"), WithType("Daily", "", "08:00", "b"),
            OneOff("14/07/03", "09:05", "c"), OneOff("14/07/03", "09:06", "d"),
            OneOff("01/01/01", "00:00", "e")});
  Texts notices;
  Texts removed;
  RunMissedPass(
      table, m_now, m_clock, [&](int i) { notices.push_back(table.At(i).text); },
      [&](int i) {
        removed.push_back(table.At(i).text);
        table.RemoveAlarmAt(i);
      });
  EXPECT_EQ(notices, Texts({"a", "c", "e"}));
  EXPECT_EQ(removed, Texts({"a", "c", "e"}));
  EXPECT_EQ(TableTexts(), Texts({"b", "d"}));
}

// A removal that cannot be saved brings the old file, and the alarm, back:
// each alarm still gives one notice, and the pass ends.
TEST_F(MissedPassTest, FailedRemovalGivesOneNoticeEach) {
  const std::vector<AlarmRecord> file = {OneOff("13/07/03", "10:00", "a"),
                                         OneOff("14/07/03", "09:06", "b"),
                                         OneOff("14/07/03", "08:00", "c")};
  SetTable(file);
  Texts notices;
  int removals = 0;
  RunMissedPass(
      table, m_now, m_clock,
      [&](int i) {
        notices.push_back(table.At(i).text);
        if (notices.size() > 10) table = AlarmTable{};  // stop a runaway pass
      },
      [&](int i) {
        ++removals;
        table.RemoveAlarmAt(i);
        SetTable(file);  // the old file is read back
      });
  EXPECT_EQ(notices, Texts({"a", "c"}));
  EXPECT_EQ(removals, 2);
  EXPECT_EQ(TableTexts(), Texts({"a", "b", "c"}));
}

// With the real table operations: every clearing is saved before the next notice.
TEST_F(MissedPassTest, ClearingThroughDeleteAlarmRewritesTheFile) {
  m_folder.Write("alarms.txt",
                 "0,03/07/13,0,10:00,a|\r\n0,03/07/14,0,09:06,b|\r\n0,03/07/14,0,09:05,c|\r\n"
                 "1,00/00/00,0,09:00,d|\r\n");
  table.LoadAlarms();
  ASSERT_EQ(table.Count(), 4);
  std::vector<std::string> filesSeen;
  Texts notices;
  RunMissedPass(
      table, m_now, m_clock,
      [&](int i) {
        notices.push_back(ComposeNoticeText(table.At(i)));
        filesSeen.push_back(m_folder.Read("alarms.txt"));
      },
      [](int i) { table.DeleteAlarm(i); });
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0],
            "\nThe Alarm Call for 10:00 on 13/07/03\nwith text:\n'a'\nhas been cleared.\n");
  EXPECT_EQ(notices[1],
            "\nThe Alarm Call for 09:05 on 14/07/03\nwith text:\n'c'\nhas been cleared.\n");
  EXPECT_EQ(filesSeen[1],
            "0,03/07/14,0,09:05,c|\r\n0,03/07/14,0,09:06,b|\r\n1,00/00/00,0,09:00,d|\r\n");
  EXPECT_EQ(m_folder.Read("alarms.txt"), "0,03/07/14,0,09:06,b|\r\n1,00/00/00,0,09:00,d|\r\n");
  EXPECT_EQ(TableTexts(), Texts({"b|", "d|"}));
}

}  // namespace
