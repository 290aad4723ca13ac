#include "core/scheduler/calendar_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "clock_at.h"
#include "core/platform/local_clock.h"
#include "core/platform/text_parts.h"
#include "core/scheduler/civil_date.h"
#include "test_support.h"

namespace {

AlarmRecord Record(std::string type, std::string day, std::string date) {
  return AlarmRecord{std::move(type), std::move(day), "07:30", std::move(date), ""};
}

// The days of a month (of `length` days) on which the record's rule fires.
std::vector<int> FiringDays(const AlarmRecord& record, int year, int month, int length) {
  std::vector<int> days;
  for (int day = 1; day <= length; ++day) {
    if (TypeAcceptsDay(record, ClockAt(year, month, day))) days.push_back(day);
  }
  return days;
}

using Days = std::vector<int>;

TEST(CivilDateTest, KnownDayNumbersAndRoundTrip) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
  EXPECT_EQ(DaysFromCivil(2038, 1, 19), 24855);
  EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
  EXPECT_EQ(WeekdayFromDays(DaysFromCivil(2003, 7, 14)), 1);  // Monday
  EXPECT_EQ(WeekdayFromDays(-1), 3);                          // Wednesday
  for (std::int64_t days = DaysFromCivil(1999, 1, 1); days < DaysFromCivil(2101, 1, 1); ++days) {
    const CivilDate date = CivilFromDays(days);
    ASSERT_EQ(DaysFromCivil(date.year, date.month, date.day), days);
    ASSERT_TRUE(IsRealDate(date.year, date.month, date.day));
  }
}

TEST(CivilDateTest, OutOfRangeFieldsCarryAsMktimeDoes) {
  EXPECT_EQ(DaysFromCivil(2003, 13, 1), DaysFromCivil(2004, 1, 1));
  EXPECT_EQ(DaysFromCivil(2003, 0, 1), DaysFromCivil(2002, 12, 1));
  EXPECT_EQ(DaysFromCivil(2004, 3, 0), DaysFromCivil(2004, 2, 29));
  EXPECT_EQ(DaysFromCivil(2003, 2, 31), DaysFromCivil(2003, 3, 3));
  EXPECT_EQ(DaysFromCivil(2099, 99, 99), DaysFromCivil(2107, 3, 1) + 98);
  EXPECT_EQ(DaysFromCivil(2000, -9, -9), DaysFromCivil(1999, 3, 1) - 10);
  EXPECT_FALSE(IsRealDate(2003, 2, 29));
  EXPECT_TRUE(IsRealDate(2000, 2, 29));
  EXPECT_FALSE(IsRealDate(2100, 2, 29));
  EXPECT_FALSE(IsRealDate(2003, 4, 31));
  EXPECT_FALSE(IsRealDate(2003, 0, 10));
  // Absurd values neither overflow nor crash.
  EXPECT_FALSE(IsRealDate(INT64_MAX, INT64_MAX, INT64_MAX));
  EXPECT_LT(DaysFromCivil(INT64_MIN, INT64_MIN, INT64_MIN), 0);
}

TEST(StoredTextTest, PartsOfShortTextsReadAsWhatExists) {
  EXPECT_EQ(TextPart("14/07/03", 3, 2), "07");
  EXPECT_EQ(TextPart("14/0", 3, 2), "0");
  EXPECT_EQ(TextPart("14", 3, 2), "");
  EXPECT_EQ(LastChars("14/07/03", 2), "03");
  EXPECT_EQ(LastChars("3", 2), "3");
  EXPECT_EQ(LastChars("", 2), "");
  const CivilDate date = ReadStoredDate("14/07/03");
  EXPECT_EQ(date.year, 2003);
  EXPECT_EQ(date.month, 7);
  EXPECT_EQ(date.day, 14);
  const CivilDate garbage = ReadStoredDate("ab");
  EXPECT_EQ(garbage.year, 2000);
  EXPECT_EQ(garbage.month, 0);
  EXPECT_EQ(garbage.day, 0);
}

TEST(CalendarRulesTest, OneDateFiresOnItsDateOnly) {
  ZoneGuard zone("Europe/London");
  const AlarmRecord record = Record("One Date", "None", "29/02/04");
  EXPECT_EQ(FiringDays(record, 2004, 2, 29), Days({29}));
  EXPECT_EQ(FiringDays(record, 2004, 3, 31), Days());
  EXPECT_TRUE(TypeAcceptsDay(Record("One Date", "None", "31/12/99"), ClockAt(2099, 12, 31)));
}

TEST(CalendarRulesTest, DailyAndWeekly) {
  ZoneGuard zone("Europe/London");
  EXPECT_EQ(FiringDays(Record("Daily", "None", ""), 2003, 2, 28).size(), 28u);
  // July 2003 began on a Tuesday.
  EXPECT_EQ(FiringDays(Record("Weekly", "Tuesday", ""), 2003, 7, 31), Days({1, 8, 15, 22, 29}));
  EXPECT_EQ(FiringDays(Record("Weekly", "Sunday", ""), 2003, 7, 31), Days({6, 13, 20, 27}));
  EXPECT_EQ(FiringDays(Record("Weekly", "tuesday", ""), 2003, 7, 31), Days());
}

TEST(CalendarRulesTest, OtherTypesNeverFire) {
  ZoneGuard zone("Europe/London");
  for (const char* type : {"", "Error", "daily", "Today", "Tomorrow", "One Date "}) {
    EXPECT_EQ(FiringDays(Record(type, "None", "01/07/03"), 2003, 7, 31), Days()) << type;
  }
}

TEST(CalendarRulesTest, MonthlyByDayOfMonth) {
  ZoneGuard zone("Europe/London");
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "31"), 2003, 1, 31), Days({31}));
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "31"), 2003, 4, 30), Days());
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "29"), 2003, 2, 28), Days());
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "29"), 2004, 2, 29), Days({29}));
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "29"), 2000, 2, 29), Days({29}));
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "1"), 2040, 3, 31), Days({1}));
  // A date that holds no number reads as 0 and never fires.
  EXPECT_EQ(FiringDays(Record("Monthly", "None", "Last"), 2003, 1, 31), Days());
}

TEST(CalendarRulesTest, MonthlyByWeekInMonth) {
  ZoneGuard zone("Europe/London");
  // July 2003 (31 days): Thursdays 3, 10, 17, 24, 31; Fridays 4, 11, 18, 25.
  EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", "1"), 2003, 7, 31), Days({3}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", "2"), 2003, 7, 31), Days({10}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", "3"), 2003, 7, 31), Days({17}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", "4"), 2003, 7, 31), Days({24}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", "Last"), 2003, 7, 31), Days({31}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Friday", "4"), 2003, 7, 31), Days({25}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Friday", "Last"), 2003, 7, 31), Days({25}));
  // April 2003 (30 days): Tuesdays 1, 8, 15, 22, 29.
  EXPECT_EQ(FiringDays(Record("Monthly", "Tuesday", "4"), 2003, 4, 30), Days({22}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Tuesday", "Last"), 2003, 4, 30), Days({29}));
  // February 2003 (28 days): Fridays 7, 14, 21, 28.
  EXPECT_EQ(FiringDays(Record("Monthly", "Friday", "4"), 2003, 2, 28), Days({28}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Friday", "Last"), 2003, 2, 28), Days({28}));
  // February 2004 (29 days): Sundays 1, 8, 15, 22, 29.
  EXPECT_EQ(FiringDays(Record("Monthly", "Sunday", "4"), 2004, 2, 29), Days({22}));
  EXPECT_EQ(FiringDays(Record("Monthly", "Sunday", "Last"), 2004, 2, 29), Days({29}));
  // February 2000 (29 days): Tuesdays 1, 8, 15, 22, 29.
  EXPECT_EQ(FiringDays(Record("Monthly", "Tuesday", "Last"), 2000, 2, 29), Days({29}));
  // Only the table's texts count, and only on the record's weekday.
  for (const char* week : {"0", "5", "last", "", "01", " 1"}) {
    EXPECT_EQ(FiringDays(Record("Monthly", "Thursday", week), 2003, 7, 31), Days()) << week;
  }
  EXPECT_EQ(FiringDays(Record("Monthly", "Someday", "1"), 2003, 7, 31), Days());
}

TEST(MonthWeekCoversTest, LastCoversTheLastSevenDays) {
  for (const int length : {28, 29, 30, 31}) {
    for (int day = 1; day <= length; ++day) {
      EXPECT_EQ(MonthWeekCovers("Last", day, length), day > length - 7) << length << " " << day;
      EXPECT_EQ(MonthWeekCovers("4", day, length), day >= 22 && day <= 28);
    }
  }
}

// A fortnightly alarm fires on its start date and every 14th calendar day
// after, never before, whatever the clocks do in between.
void ExpectEveryFortnight(const char* zone, int hour, int minute) {
  ZoneGuard guard(zone);
  const AlarmRecord record = Record("Fortnightly", "None", "04/01/26");  // Sunday 4 January 2026
  for (int offset = -20; offset < 400; ++offset) {
    // FromLocal carries the day over into later months and 2027.
    const ClockSnapshot snapshot = ClockAt(2026, 1, 4 + offset, hour, minute);
    ASSERT_EQ(snapshot.hour, hour);
    EXPECT_EQ(TypeAcceptsDay(record, snapshot), offset >= 0 && offset % 14 == 0)
        << zone << " " << snapshot.todayText << " " << snapshot.timeText;
  }
}

TEST(FortnightlyTest, EveryFourteenDaysAcrossDaylightSavingInLondon) {
  ExpectEveryFortnight("Europe/London", 0, 30);
  ExpectEveryFortnight("Europe/London", 23, 30);
}

TEST(FortnightlyTest, EveryFourteenDaysAcrossDaylightSavingInNewYork) {
  ExpectEveryFortnight("America/New_York", 0, 30);
  ExpectEveryFortnight("America/New_York", 23, 30);
}

TEST(FortnightlyTest, TheFortnightsAfterEachClockChange) {
  // Start dates a fortnight before each change, checked near both midnights of
  // the day two weeks on.
  struct Case {
    const char* zone;
    const char* start;
    int month, day;
  };
  const std::vector<Case> cases = {{"Europe/London", "15/03/26", 3, 29},
                                   {"Europe/London", "18/10/26", 11, 1},
                                   {"America/New_York", "22/02/26", 3, 8},
                                   {"America/New_York", "25/10/26", 11, 8}};
  for (const Case& c : cases) {
    ZoneGuard zone(c.zone);
    const AlarmRecord record = Record("Fortnightly", "None", c.start);
    for (const int hour : {0, 23}) {
      EXPECT_TRUE(TypeAcceptsDay(record, ClockAt(2026, c.month, c.day, hour, 30)))
          << c.zone << " " << c.start << " " << hour;
      EXPECT_FALSE(TypeAcceptsDay(record, ClockAt(2026, c.month, c.day - 1, hour, 30)));
      EXPECT_FALSE(TypeAcceptsDay(record, ClockAt(2026, c.month, c.day + 1, hour, 30)));
    }
  }
}

TEST(FortnightlyTest, StartInTheFutureAndAfter2038) {
  EXPECT_FALSE(FortnightlyFallsOn("15/01/40", 2040, 1, 1));
  EXPECT_TRUE(FortnightlyFallsOn("15/01/40", 2040, 1, 15));
  EXPECT_TRUE(FortnightlyFallsOn("15/01/40", 2040, 1, 29));
  EXPECT_TRUE(FortnightlyFallsOn("15/01/40", 2040, 2, 12));
  EXPECT_TRUE(FortnightlyFallsOn("15/01/40", 2040, 2, 26));
  EXPECT_TRUE(FortnightlyFallsOn("15/01/40", 2040, 3, 11));  // across 29 February
  EXPECT_FALSE(FortnightlyFallsOn("15/01/40", 2040, 3, 12));
  // 20 years of 14-day steps from 29 February 2000 land on 24 December 2099.
  EXPECT_TRUE(FortnightlyFallsOn("29/02/00", 2000, 2, 29));
  EXPECT_TRUE(FortnightlyFallsOn("29/02/00", 2000, 3, 14));
  const std::int64_t lastFire =
      DaysFromCivil(2000, 2, 29) +
      (DaysFromCivil(2099, 12, 31) - DaysFromCivil(2000, 2, 29)) / 14 * 14;
  const CivilDate last = CivilFromDays(lastFire);
  EXPECT_TRUE(FortnightlyFallsOn("29/02/00", last.year, last.month, last.day));
  EXPECT_FALSE(FortnightlyFallsOn("29/02/00", last.year, last.month, last.day + 1));
}

TEST(FortnightlyTest, OddStartDatesCarryOverAndNeverCrash) {
  EXPECT_TRUE(FortnightlyFallsOn("31/02/03", 2003, 3, 3));    // 31 February is 3 March
  EXPECT_TRUE(FortnightlyFallsOn("00/01/04", 2003, 12, 31));  // day 0 is the day before the 1st
  EXPECT_TRUE(FortnightlyFallsOn("01/13/03", 2004, 1, 15));   // month 13 is January next year
  EXPECT_TRUE(FortnightlyFallsOn("ab/cd/ef", 1999, 11, 30));  // all zero: 0/0/2000
  for (const char* start : {"", "1", "99/99/99", "-9/-9/-9", "//////////", "\xff\xfe"}) {
    int fires = 0;
    for (int day = 1; day <= 28; ++day) fires += FortnightlyFallsOn(start, 2026, 2, day) ? 1 : 0;
    EXPECT_LE(fires, 2) << start;
  }
}

}  // namespace
