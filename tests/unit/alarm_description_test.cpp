#include "core/list/alarm_description.h"

#include <gtest/gtest.h>

#include "clock_at.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

constexpr DateFormat kUk = DateFormat::Uk;
constexpr DateFormat kUs = DateFormat::Us;

AlarmRecord Record(const std::string& type, const std::string& day, const std::string& date) {
  return {type, day, "07:30", date, ""};
}

class AlarmDescriptionTest : public ::testing::Test {
 protected:
  // Thursday 25 December 2003.
  ClockSnapshot m_clock = ClockAt(2003, 12, 25, 14, 30);

  std::string Short(const AlarmRecord& record, DateFormat dateFormat = kUk) {
    return DescribeRecord(record, m_clock, dateFormat);
  }
  std::string Long(const AlarmRecord& record, DateFormat dateFormat = kUk) {
    return DescribeAlarmLong(record, m_clock, dateFormat);
  }
};

TEST(OrdinalSuffix, FollowsTheTextOfTheDate) {
  for (const char* st : {"1", "21", "31"}) EXPECT_EQ(OrdinalSuffix(st), "st") << st;
  for (const char* nd : {"2", "22"}) EXPECT_EQ(OrdinalSuffix(nd), "nd") << nd;
  for (const char* rd : {"3", "23"}) EXPECT_EQ(OrdinalSuffix(rd), "rd") << rd;
  for (const char* th : {"4", "11", "12", "13", "20", "30", "0", ""}) {
    EXPECT_EQ(OrdinalSuffix(th), "th") << th;
  }
  EXPECT_EQ(OrdinalSuffix("Last"), "");
}

TEST_F(AlarmDescriptionTest, RecurringTypes) {
  EXPECT_EQ(Short(Record("Daily", "None", "")), "Daily");
  EXPECT_EQ(Short(Record("Weekly", "Tuesday", "")), "Tuesdays");
  EXPECT_EQ(Short(Record("Weekly", "Sunday", "")), "Sundays");
  EXPECT_EQ(Short(Record("Fortnightly", "None", "05/01/04")), "Fort. from 05/01/04");
  EXPECT_EQ(Short(Record("Fortnightly", "None", "05/01/04"), kUs), "Fort. from 01/05/04");
}

TEST_F(AlarmDescriptionTest, MonthlyDayOfMonthAndWeekInMonth) {
  EXPECT_EQ(Short(Record("Monthly", "None", "1")), "1st of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "21")), "21st of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "22")), "22nd of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "11")), "11th of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "12")), "12th of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "13")), "13th of the month");
  EXPECT_EQ(Short(Record("Monthly", "None", "31")), "31st of the month");
  EXPECT_EQ(Short(Record("Monthly", "Tuesday", "2")), "2nd Tuesday");
  EXPECT_EQ(Short(Record("Monthly", "Friday", "3")), "3rd Friday");
  EXPECT_EQ(Short(Record("Monthly", "Sunday", "4")), "4th Sunday");
  EXPECT_EQ(Short(Record("Monthly", "Friday", "Last")), "Last Friday");
  EXPECT_EQ(Short(Record("Monthly", "Monday", "Last")), "Last Monday");
}

TEST_F(AlarmDescriptionTest, OneDateIsTodayTomorrowOrTheDate) {
  EXPECT_EQ(Short(Record("One Date", "None", "25/12/03")), "Today");
  EXPECT_EQ(Short(Record("One Date", "None", "26/12/03")), "Tomorrow");
  EXPECT_EQ(Short(Record("One Date", "None", "27/12/03")), "27/12/03");
  EXPECT_EQ(Short(Record("One Date", "None", "25/12/03"), kUs), "Today");
  EXPECT_EQ(Short(Record("One Date", "None", "27/12/03"), kUs), "12/27/03");
}

TEST_F(AlarmDescriptionTest, UnknownTypesAreNotDescribed) {
  EXPECT_EQ(Short(Record("Error", "error", "99/99/99")), "");
  EXPECT_EQ(Short(Record("", "", "")), "");
  EXPECT_EQ(Short(Record("daily", "None", "")), "");
}

TEST_F(AlarmDescriptionTest, LongDescriptionsOfTheTextDialog) {
  EXPECT_EQ(Long(Record("One Date", "None", "25/12/03")), "Today");
  EXPECT_EQ(Long(Record("One Date", "None", "26/12/03")), "Tomorrow");
  EXPECT_EQ(Long(Record("One Date", "None", "27/12/03"), kUs), "12/27/03");
  EXPECT_EQ(Long(Record("Weekly", "Sunday", "")), "Every Sunday");
  EXPECT_EQ(Long(Record("Weekly", "Tuesday", "")), "Every Tuesday");
  EXPECT_EQ(Long(Record("Fortnightly", "None", "05/01/04")), "Fortnightly from 05/01/04");
  EXPECT_EQ(Long(Record("Fortnightly", "None", "05/01/04"), kUs), "Fortnightly from 01/05/04");
  EXPECT_EQ(Long(Record("Monthly", "None", "21")), "21st of the month");
  EXPECT_EQ(Long(Record("Monthly", "None", "12")), "12th of the month");
  EXPECT_EQ(Long(Record("Monthly", "Monday", "1")), "1st Monday in the month");
  EXPECT_EQ(Long(Record("Monthly", "Tuesday", "2")), "2nd Tuesday in the month");
  EXPECT_EQ(Long(Record("Monthly", "Wednesday", "3")), "3rd Wednesday in the month");
  EXPECT_EQ(Long(Record("Monthly", "Sunday", "4")), "4th Sunday in the month");
  EXPECT_EQ(Long(Record("Monthly", "Friday", "Last")), "Last Friday in the month");
  EXPECT_EQ(Long(Record("Daily", "None", "")), "Daily");
  EXPECT_EQ(Long(Record("Error", "error", "99/99/99")), "Error");
}

TEST_F(AlarmDescriptionTest, LongWeekInMonthGivesASuffixToWeeksOneToFourOnly) {
  // A week number no Add lets through, as a damaged file may hold it.
  EXPECT_EQ(Long(Record("Monthly", "Friday", "7")), "7 Friday in the month");
  EXPECT_EQ(Long(Record("Monthly", "Friday", "21")), "21 Friday in the month");
}

TEST_F(AlarmDescriptionTest, DescribeAlarmUsesTheTableClockAndDateFormat) {
  AlarmTable table;
  table.SetTableRecords(
      {Record("One Date", "None", "26/12/03"), Record("One Date", "None", "02/01/04")});
  EXPECT_EQ(DescribeAlarm(table, 0, m_clock, kUs), "Tomorrow");
  EXPECT_EQ(DescribeAlarm(table, 1, m_clock, kUs), "01/02/04");
  EXPECT_EQ(DescribeAlarm(table, 2, m_clock, kUs), "");
  EXPECT_EQ(DescribeAlarm(table, -1, m_clock, kUs), "");
  EXPECT_EQ(DescribeAlarm(table, 99, m_clock, kUs), "");
}

}  // namespace
