#include "core/entry/form_preset.h"

#include <gtest/gtest.h>

#include "clock_at.h"
#include "test_support.h"

namespace {

constexpr DateFormat kUk = DateFormat::Uk;
constexpr DateFormat kUs = DateFormat::Us;

class FormPresetTest : public ::testing::Test {
 protected:
  // Thursday 25 December 2003.
  ClockSnapshot m_clock = ClockAt(2003, 12, 25, 14, 30);
  // What the form held before: something of every field, so that a row that
  // forgets a field shows it.
  FormPreset m_before{true, "Wednesday", false, "garbage", 3, "Old label:"};

  FormPreset Pick(const std::string& type, DateFormat dateFormat = kUk) {
    return PresetForType(type, m_before, m_clock, dateFormat);
  }
};

void ExpectForm(const FormPreset& form, bool dayEnabled, const std::string& day, bool readOnly,
                const std::string& date, int keyCount, const std::string& label) {
  EXPECT_EQ(form.dayEnabled, dayEnabled);
  EXPECT_EQ(form.day, day);
  EXPECT_EQ(form.dateReadOnly, readOnly);
  EXPECT_EQ(form.date, date);
  EXPECT_EQ(form.dateKeyCount, keyCount);
  EXPECT_EQ(form.dateLabel, label);
}

TEST_F(FormPresetTest, EveryRowOfTheTypeTableUnderTheUkSetting) {
  ExpectForm(Pick("Today"), false, "", true, "25/12/03", 8, "Date:");
  ExpectForm(Pick("Tomorrow"), false, "", true, "26/12/03", 8, "Date:");
  ExpectForm(Pick("Daily"), false, "", true, "", 0, "Date:");
  ExpectForm(Pick("Weekly"), true, "Monday", true, "", 0, "Date:");
  ExpectForm(Pick("Fortnightly"), false, "", false, "25/12/03", 8, "From Date:");
  ExpectForm(Pick("Monthly"), true, "None", false, "25", 2, "Day of month:");
  ExpectForm(Pick("One Date"), false, "", false, "25/12/03", 8, "Date:");
}

TEST_F(FormPresetTest, DatesFollowTheUsSetting) {
  ExpectForm(Pick("Today", kUs), false, "", true, "12/25/03", 8, "Date:");
  ExpectForm(Pick("Tomorrow", kUs), false, "", true, "12/26/03", 8, "Date:");
  ExpectForm(Pick("Fortnightly", kUs), false, "", false, "12/25/03", 8, "From Date:");
  ExpectForm(Pick("One Date", kUs), false, "", false, "12/25/03", 8, "Date:");
  ExpectForm(Pick("Monthly", kUs), true, "None", false, "25", 2, "Day of month:");
}

TEST_F(FormPresetTest, TomorrowCrossesTheYear) {
  m_clock = ClockAt(2003, 12, 31, 23, 59);
  EXPECT_EQ(Pick("Tomorrow").date, "01/01/04");
  EXPECT_EQ(Pick("Tomorrow", kUs).date, "01/01/04");
  m_clock = ClockAt(2004, 2, 28, 12, 0);
  EXPECT_EQ(Pick("Tomorrow", kUs).date, "02/29/04");
}

TEST_F(FormPresetTest, MonthlyDayHasNoLeadingZero) {
  m_clock = ClockAt(2004, 3, 7, 9, 0);
  ExpectForm(Pick("Monthly"), true, "None", false, "7", 1, "Day of month:");
}

TEST_F(FormPresetTest, UnknownTypeLeavesTheFormAlone) {
  ExpectForm(Pick("Yearly"), true, "Wednesday", false, "garbage", 3, "Old label:");
  ExpectForm(Pick(""), true, "Wednesday", false, "garbage", 3, "Old label:");
}

TEST_F(FormPresetTest, TodayAfterWeeklyEmptiesTheDayBox) {
  m_before = Pick("Weekly");
  m_before.day = "Tuesday";
  ExpectForm(Pick("Today"), false, "", true, "25/12/03", 8, "Date:");
}

TEST_F(FormPresetTest, MonthlyDaySwitchesBetweenDayAndWeekForms) {
  m_clock = ClockAt(2004, 3, 7, 9, 0);
  const FormPreset monthly = Pick("Monthly");

  const FormPreset week = PresetForMonthlyDay("Tuesday", monthly, m_clock);
  ExpectForm(week, true, "Tuesday", false, "1", 1, "Week in month:");

  const FormPreset day = PresetForMonthlyDay("None", week, m_clock);
  ExpectForm(day, true, "None", false, "7", 1, "Day of month:");
}

TEST_F(FormPresetTest, MonthlyDayOfTwoDigitsCountsBothKeys) {
  const FormPreset week = PresetForMonthlyDay("Friday", Pick("Monthly"), m_clock);
  ExpectForm(PresetForMonthlyDay("None", week, m_clock), true, "None", false, "25", 2,
             "Day of month:");
}

}  // namespace
