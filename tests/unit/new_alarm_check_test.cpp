#include "core/entry/new_alarm_check.h"

#include <gtest/gtest.h>

#include "clock_at.h"
#include "test_support.h"

namespace {

constexpr DateFormat kUk = DateFormat::Uk;
constexpr DateFormat kUs = DateFormat::Us;

class NewAlarmCheck : public ::testing::Test {
 protected:
  // Thursday 25 December 2003, 14:30.
  ClockSnapshot m_clock = ClockAt(2003, 12, 25, 14, 30);

  std::string Check(const std::string& time, const std::string& type, const std::string& day,
                    const std::string& date, DateFormat dateFormat = kUk) {
    return CheckNewAlarm({time, type, day, date}, m_clock, dateFormat);
  }
};

TEST_F(NewAlarmCheck, TimeMustBeTwoDigitsColonTwoDigitsWithinTheDay) {
  EXPECT_EQ(Check("23:59", "Daily", "", ""), "");
  EXPECT_EQ(Check("00:00", "Daily", "", ""), "");
  for (const char* bad : {"24:00", "12:60", "9:30", "", "07.30", "07:300", "07:3"}) {
    EXPECT_EQ(Check(bad, "Daily", "", ""), "Time must be HH:MM.") << bad;
  }
}

TEST_F(NewAlarmCheck, TimeWithAnythingButDigitsAroundTheColonIsRefused) {
  for (const char* bad : {"0a:30", "1 :30", " 7:30", "07:3x", "07: 5", "-1:30", "+1:30", "ab:cd"}) {
    EXPECT_EQ(Check(bad, "Daily", "", ""), "Time must be HH:MM.") << bad;
  }
}

TEST_F(NewAlarmCheck, ChecksComeInTheirFixedOrder) {
  // Everything wrong: the time is reported first.
  EXPECT_EQ(Check("99:99", "", "", "x"), "Time must be HH:MM.");
  EXPECT_EQ(Check("07:30", "", "", "x"), "No type selected.");
  EXPECT_EQ(Check("07:30", "Weekly", "None", ""), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Monthly", "Tuesday", ""), "No day of month selected.");
  // The date's form before its calendar, the calendar before the past.
  EXPECT_EQ(Check("07:30", "One Date", "", "32/13/9x"), "Date must be DD/MM/YY.");
  EXPECT_EQ(Check("07:30", "One Date", "", "32/13/02"), "Invalid date.");
}

TEST_F(NewAlarmCheck, TypeMustBeOneOfTheBoxItems) {
  EXPECT_EQ(Check("07:30", "", "", ""), "No type selected.");
  EXPECT_EQ(Check("07:30", "Yearly", "", ""), "No type selected.");
  EXPECT_EQ(Check("07:30", "daily", "", ""), "No type selected.");
}

TEST_F(NewAlarmCheck, WeeklyAndMonthlyNeedARealDay) {
  EXPECT_EQ(Check("07:30", "Weekly", "", ""), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Weekly", "None", ""), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Weekly", "Funday", ""), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Weekly", "Sunday", ""), "");
  EXPECT_EQ(Check("07:30", "Monthly", "", "2"), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Monthly", "Funday", "2"), "No day of week selected.");
  EXPECT_EQ(Check("07:30", "Monthly", "None", "2"), "");
  // The other types ignore the Day box.
  EXPECT_EQ(Check("07:30", "Daily", "Tuesday", ""), "");
}

TEST_F(NewAlarmCheck, EmptyDateMessagesByType) {
  EXPECT_EQ(Check("07:30", "One Date", "", ""), "No date selected.");
  EXPECT_EQ(Check("07:30", "Monthly", "None", ""), "No day of month selected.");
  EXPECT_EQ(Check("07:30", "Fortnightly", "", ""), "No start date selected.");
  EXPECT_EQ(Check("15:00", "Today", "", ""), "");
  EXPECT_EQ(Check("07:30", "Tomorrow", "", ""), "");
  EXPECT_EQ(Check("07:30", "Daily", "", ""), "");
}

TEST_F(NewAlarmCheck, DateFormMessageFollowsTheSetting) {
  for (const char* type : {"One Date", "Fortnightly"}) {
    EXPECT_EQ(Check("07:30", type, "", "1/2/2003", kUk), "Date must be DD/MM/YY.") << type;
    EXPECT_EQ(Check("07:30", type, "", "1/2/2003", kUs), "Date must be MM/DD/YY.") << type;
  }
  for (const char* bad : {"25/12/4", "25-12-04", "25/12/041", "251/2/04", "25/1/204"}) {
    EXPECT_EQ(Check("07:30", "One Date", "", bad), "Date must be DD/MM/YY.") << bad;
  }
}

TEST_F(NewAlarmCheck, DateWithAnythingButDigitsAroundTheSlashesIsRefused) {
  for (const char* bad : {"2a/12/04", " 5/01/04", "05/1 /04", "05/01/0x", "05/+1/04", "-5/01/04"}) {
    EXPECT_EQ(Check("07:30", "One Date", "", bad, kUk), "Date must be DD/MM/YY.") << bad;
    EXPECT_EQ(Check("07:30", "Fortnightly", "", bad, kUs), "Date must be MM/DD/YY.") << bad;
  }
}

TEST_F(NewAlarmCheck, CalendarDatesUnderTheUkSetting) {
  EXPECT_EQ(Check("07:30", "One Date", "", "29/02/04"), "");
  EXPECT_EQ(Check("07:30", "One Date", "", "30/04/04"), "");
  EXPECT_EQ(Check("07:30", "One Date", "", "31/12/99"), "");
  for (const char* bad : {"29/02/05", "31/04/05", "31/06/05", "31/09/05", "31/11/05", "32/01/05",
                          "00/01/05", "01/00/05", "01/13/05"}) {
    EXPECT_EQ(Check("07:30", "One Date", "", bad), "Invalid date.") << bad;
  }
}

TEST_F(NewAlarmCheck, ImpossibleDatesInTheCurrentYearAreRefused) {
  m_clock = ClockAt(2003, 1, 10, 9, 0);
  EXPECT_EQ(Check("07:30", "One Date", "", "29/02/03"), "Invalid date.");
  EXPECT_EQ(Check("07:30", "One Date", "", "28/02/03"), "");
}

TEST_F(NewAlarmCheck, YearZeroIsALeapYear) {
  m_clock = ClockAt(2000, 1, 1, 0, 0);
  EXPECT_EQ(Check("07:30", "One Date", "", "29/02/00"), "");
  EXPECT_EQ(Check("07:30", "One Date", "", "29/02/01"), "Invalid date.");
}

TEST_F(NewAlarmCheck, UsSettingReadsTheMonthFirst) {
  EXPECT_EQ(Check("07:30", "One Date", "", "02/29/04", kUs), "");
  EXPECT_EQ(Check("07:30", "One Date", "", "29/02/04", kUs), "Invalid date.");
  EXPECT_EQ(Check("07:30", "Fortnightly", "", "12/26/03", kUs), "");
  EXPECT_EQ(Check("07:30", "Fortnightly", "", "12/24/03", kUs), "Invalid date.");
}

TEST_F(NewAlarmCheck, DatesBeforeTodayAreRefused) {
  for (const char* type : {"One Date", "Fortnightly"}) {
    EXPECT_EQ(Check("07:30", type, "", "24/12/03"), "Invalid date.") << type;
    EXPECT_EQ(Check("23:59", type, "", "26/11/03"), "Invalid date.") << type;
    EXPECT_EQ(Check("07:30", type, "", "31/12/02"), "Invalid date.") << type;
    EXPECT_EQ(Check("00:00", type, "", "26/12/03"), "") << type;
    EXPECT_EQ(Check("07:30", type, "", "01/01/04"), "") << type;
  }
}

TEST_F(NewAlarmCheck, TodaysDateNeedsALaterMinute) {
  for (const char* type : {"One Date", "Fortnightly"}) {
    EXPECT_EQ(Check("14:30", type, "", "25/12/03"), "Invalid date/time.") << type;
    EXPECT_EQ(Check("14:29", type, "", "25/12/03"), "Invalid date/time.") << type;
    EXPECT_EQ(Check("13:45", type, "", "25/12/03"), "Invalid date/time.") << type;
    EXPECT_EQ(Check("14:31", type, "", "25/12/03"), "") << type;
    EXPECT_EQ(Check("15:00", type, "", "25/12/03"), "") << type;
  }
  EXPECT_EQ(Check("14:30", "One Date", "", "12/25/03", kUs), "Invalid date/time.");
}

TEST_F(NewAlarmCheck, TodayNeedsALaterMinuteTomorrowDoesNot) {
  EXPECT_EQ(Check("14:30", "Today", "", "25/12/03"), "Invalid time.");
  EXPECT_EQ(Check("14:29", "Today", "", "25/12/03"), "Invalid time.");
  EXPECT_EQ(Check("13:59", "Today", "", "25/12/03"), "Invalid time.");
  EXPECT_EQ(Check("14:31", "Today", "", "25/12/03"), "");
  EXPECT_EQ(Check("00:00", "Tomorrow", "", "26/12/03"), "");
  EXPECT_EQ(Check("14:30", "Tomorrow", "", "26/12/03"), "");
  EXPECT_EQ(Check("00:00", "Daily", "", ""), "");
}

TEST_F(NewAlarmCheck, YearBoundary) {
  m_clock = ClockAt(2003, 12, 31, 23, 59);
  EXPECT_EQ(Check("23:59", "Today", "", "31/12/03"), "Invalid time.");
  EXPECT_EQ(Check("00:00", "Tomorrow", "", "01/01/04"), "");
  EXPECT_EQ(Check("00:00", "One Date", "", "01/01/04"), "");
  EXPECT_EQ(Check("23:59", "One Date", "", "31/12/03"), "Invalid date/time.");
  EXPECT_EQ(Check("00:00", "One Date", "", "31/12/03"), "Invalid date/time.");
  m_clock = ClockAt(2004, 1, 1, 0, 0);
  EXPECT_EQ(Check("23:59", "One Date", "", "31/12/03"), "Invalid date.");
  EXPECT_EQ(Check("00:01", "One Date", "", "01/01/04"), "");
  EXPECT_EQ(Check("00:00", "Today", "", "01/01/04"), "Invalid time.");
}

TEST_F(NewAlarmCheck, MonthlyDayOfMonthFromOneTo31) {
  for (const char* good : {"1", "9", "31", "05", "031"}) {
    EXPECT_EQ(Check("07:30", "Monthly", "None", good), "") << good;
  }
  for (const char* bad : {"32", "0", "00", "99999999", "5x", "x", "-5", "+5", " 5", "5 ", "Last"}) {
    EXPECT_EQ(Check("07:30", "Monthly", "None", bad), "Invalid day of month.") << bad;
  }
}

TEST_F(NewAlarmCheck, MonthlyWeekInMonthFromOneTo4OrLast) {
  for (const char* good : {"1", "4", "04", "last", "Last", "LAST", "lAsT"}) {
    EXPECT_EQ(Check("07:30", "Monthly", "Friday", good), "") << good;
  }
  for (const char* bad : {"5", "0", "lst", "LST", "lastt", "4th", "x", "-1", " 1", "first"}) {
    EXPECT_EQ(Check("07:30", "Monthly", "Friday", bad), "Invalid week in the month.") << bad;
  }
}

TEST(NormalisedFormDate, MonthlyLosesLeadingZerosAndSpellsLastOneWay) {
  auto monthly = [](const std::string& day, const std::string& date) {
    return NormalisedFormDate({"07:30", "Monthly", day, date});
  };
  EXPECT_EQ(monthly("None", "05"), "5");
  EXPECT_EQ(monthly("None", "031"), "31");
  EXPECT_EQ(monthly("None", "21"), "21");
  EXPECT_EQ(monthly("Friday", "04"), "4");
  EXPECT_EQ(monthly("Friday", "last"), "Last");
  EXPECT_EQ(monthly("Friday", "LAST"), "Last");
  EXPECT_EQ(monthly("Friday", "Last"), "Last");
}

TEST(NormalisedFormDate, OtherTypesKeepTheDateAsTyped) {
  EXPECT_EQ(NormalisedFormDate({"07:30", "One Date", "", "05/01/04"}), "05/01/04");
  EXPECT_EQ(NormalisedFormDate({"07:30", "Fortnightly", "", "01/05/04"}), "01/05/04");
  EXPECT_EQ(NormalisedFormDate({"07:30", "Today", "", "25/12/03"}), "25/12/03");
  EXPECT_EQ(NormalisedFormDate({"07:30", "Daily", "", ""}), "");
}

}  // namespace
