#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "clock_at.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "test_support.h"

namespace {

TEST(LocalClockTest, ToLocalFollowsTheZoneInTz) {
  FakeClock clock;
  const std::int64_t noonUtc = 1'057'924'800;  // 2003-07-11 12:00:00 UTC
  {
    ZoneGuard zone("Europe/London");
    EXPECT_EQ(clock.ToLocal(noonUtc).hour, 13);
  }
  {
    ZoneGuard zone("America/New_York");
    const LocalTime local = clock.ToLocal(noonUtc);
    EXPECT_EQ(local.hour, 8);
    EXPECT_EQ(local.day, 11);
    EXPECT_EQ(local.weekday, 5);  // Friday
  }
}

TEST(LocalClockTest, FromLocalNormalisesAndDecidesDaylightSaving) {
  ZoneGuard zone("Europe/London");
  FakeClock clock;
  // Month 13 and day 0 carry over as mktime does.
  EXPECT_EQ(clock.FromLocal(2003, 13, 1, 0, 0, 0), clock.FromLocal(2004, 1, 1, 0, 0, 0));
  EXPECT_EQ(clock.FromLocal(2004, 3, 0, 0, 0, 0), clock.FromLocal(2004, 2, 29, 0, 0, 0));
  // Summer time is one hour ahead of GMT, winter time is not.
  EXPECT_EQ(clock.FromLocal(2026, 7, 1, 12, 0, 0), 1'782'903'600);  // 11:00 UTC
  EXPECT_EQ(clock.FromLocal(2026, 1, 1, 12, 0, 0), 1'767'268'800);  // 12:00 UTC
}

TEST(LocalClockTest, DatesAfter2038RoundTrip) {
  ZoneGuard zone("America/New_York");
  FakeClock clock;
  for (const int year : {2038, 2040, 2099}) {
    const std::int64_t moment = clock.FromLocal(year, 6, 30, 23, 59, 58);
    EXPECT_GT(moment, std::int64_t{2'147'483'647}) << year;
    const LocalTime local = clock.ToLocal(moment);
    EXPECT_EQ(local.year, year);
    EXPECT_EQ(local.month, 6);
    EXPECT_EQ(local.day, 30);
    EXPECT_EQ(local.hour, 23);
    EXPECT_EQ(local.minute, 59);
    EXPECT_EQ(local.second, 58);
  }
}

TEST(ClockSnapshotTest, FieldsAndTextsComeFromOneReading) {
  ZoneGuard zone("Europe/London");
  FakeClock clock;
  clock.Set(clock.FromLocal(2003, 7, 14, 9, 5, 7));
  const ClockSnapshot snapshot = ReadClockSnapshot(clock);
  EXPECT_EQ(snapshot.now, clock.Now());
  EXPECT_EQ(snapshot.hour, 9);
  EXPECT_EQ(snapshot.minute, 5);
  EXPECT_EQ(snapshot.second, 7);
  EXPECT_EQ(snapshot.day, 14);
  EXPECT_EQ(snapshot.month, 7);
  EXPECT_EQ(snapshot.year, 3);
  EXPECT_EQ(snapshot.weekdayName, "Monday");
  EXPECT_EQ(snapshot.daysInMonth, 31);
  EXPECT_EQ(snapshot.timeText, "09:05");
  EXPECT_EQ(snapshot.todayText, "14/07/03");
  EXPECT_EQ(snapshot.tomorrowText, "15/07/03");
}

TEST(ClockSnapshotTest, ClockLineInBothDateOrders) {
  ZoneGuard zone("Europe/London");
  const ClockSnapshot snapshot = ClockAt(2003, 7, 14, 9, 5);
  EXPECT_EQ(ClockLineText(snapshot, DateFormat::Uk), "09:05   Monday   14/07/03");
  EXPECT_EQ(ClockLineText(snapshot, DateFormat::Us), "09:05   Monday   07/14/03");
  EXPECT_EQ(ClockLineText(snapshot, DateFormatOf(7)),
            "09:05   Monday   07/14/03");  // any value but 0
  EXPECT_EQ(ClockLineText(ClockAt(2010, 1, 3, 0, 0), DateFormat::Uk), "00:00   Sunday   03/01/10");
}

TEST(ClockSnapshotTest, EveryWeekdayName) {
  ZoneGuard zone("Europe/London");
  const std::vector<std::string> names = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
  for (int i = 0; i < 7; ++i) {  // 6 July 2003 was a Sunday
    EXPECT_EQ(ClockAt(2003, 7, 6 + i, 12, 0).weekdayName, names[static_cast<std::size_t>(i)]);
  }
}

TEST(ClockSnapshotTest, DaysInMonth) {
  ZoneGuard zone("Europe/London");
  const std::vector<int> lengths2003 = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(ClockAt(2003, month, 1, 12, 0).daysInMonth,
              lengths2003[static_cast<std::size_t>(month - 1)])
        << month;
  }
  EXPECT_EQ(ClockAt(2000, 2, 10, 12, 0).daysInMonth, 29);
  EXPECT_EQ(ClockAt(2004, 2, 10, 12, 0).daysInMonth, 29);
  EXPECT_EQ(ClockAt(2040, 2, 10, 12, 0).daysInMonth, 29);
  EXPECT_EQ(ClockAt(2041, 2, 10, 12, 0).daysInMonth, 28);
}

TEST(ClockSnapshotTest, TomorrowAtMonthAndYearEnds) {
  ZoneGuard zone("Europe/London");
  EXPECT_EQ(ClockAt(2003, 12, 31, 23, 59).tomorrowText, "01/01/04");
  EXPECT_EQ(ClockAt(2003, 2, 28, 12, 0).tomorrowText, "01/03/03");
  EXPECT_EQ(ClockAt(2004, 2, 28, 12, 0).tomorrowText, "29/02/04");
  EXPECT_EQ(ClockAt(2004, 2, 29, 0, 0).tomorrowText, "01/03/04");
  EXPECT_EQ(ClockAt(2005, 4, 30, 18, 0).tomorrowText, "01/05/05");
  EXPECT_EQ(ClockAt(2000, 2, 28, 12, 0).tomorrowText, "29/02/00");
}

// On the days the clocks change a day lasts 23 or 25 hours, so "now plus 24
// hours" would land on the wrong date near midnight.
TEST(ClockSnapshotTest, TomorrowAroundDaylightSavingChanges) {
  struct Case {
    const char* zone;
    int month, day, hour, minute;
    const char* today;
    const char* tomorrow;
  };
  const std::vector<Case> cases = {
      // Europe/London: forward on Sunday 29 March 2026, back on Sunday 25 October 2026.
      {"Europe/London", 3, 28, 23, 30, "28/03/26", "29/03/26"},
      {"Europe/London", 3, 29, 0, 30, "29/03/26", "30/03/26"},
      {"Europe/London", 3, 29, 23, 30, "29/03/26", "30/03/26"},
      {"Europe/London", 10, 24, 23, 30, "24/10/26", "25/10/26"},
      {"Europe/London", 10, 25, 0, 30, "25/10/26", "26/10/26"},
      {"Europe/London", 10, 25, 23, 30, "25/10/26", "26/10/26"},
      // America/New_York: forward on 8 March 2026, back on 1 November 2026.
      {"America/New_York", 3, 7, 23, 30, "07/03/26", "08/03/26"},
      {"America/New_York", 3, 8, 0, 30, "08/03/26", "09/03/26"},
      {"America/New_York", 3, 8, 23, 30, "08/03/26", "09/03/26"},
      {"America/New_York", 10, 31, 23, 30, "31/10/26", "01/11/26"},
      {"America/New_York", 11, 1, 0, 30, "01/11/26", "02/11/26"},
      {"America/New_York", 11, 1, 23, 30, "01/11/26", "02/11/26"},
  };
  for (const Case& c : cases) {
    ZoneGuard zone(c.zone);
    const ClockSnapshot snapshot = ClockAt(2026, c.month, c.day, c.hour, c.minute);
    EXPECT_EQ(snapshot.todayText, c.today) << c.zone;
    EXPECT_EQ(snapshot.tomorrowText, c.tomorrow) << c.zone << " " << c.today;
  }
}

TEST(ClockSnapshotTest, DatesAfter2038) {
  ZoneGuard zone("America/New_York");
  const ClockSnapshot leapDay = ClockAt(2040, 2, 29, 7, 45);
  EXPECT_GT(leapDay.now, std::int64_t{2'147'483'647});
  EXPECT_EQ(leapDay.year, 40);
  EXPECT_EQ(leapDay.weekdayName, "Wednesday");
  EXPECT_EQ(leapDay.todayText, "29/02/40");
  EXPECT_EQ(leapDay.tomorrowText, "01/03/40");
  EXPECT_EQ(leapDay.timeText, "07:45");

  const ClockSnapshot lastYear = ClockAt(2099, 12, 30, 23, 59);
  EXPECT_EQ(lastYear.weekdayName, "Wednesday");
  EXPECT_EQ(lastYear.todayText, "30/12/99");
  EXPECT_EQ(lastYear.tomorrowText, "31/12/99");
  EXPECT_EQ(ClockLineText(lastYear, DateFormat::Us), "23:59   Wednesday   12/30/99");
}

}  // namespace
