// The entry form follows the Type and Day boxes.
#include "entry_form_fixture.h"

namespace {

struct TypeRow {
  const char* type;
  bool dayEnabled;
  const char* day;
  bool dateReadOnly;
  const char* date;
  int dateKeyCount;
  const char* label;
};

// Monday 7 July 2003: a day of the month below 10, tomorrow in the same month.
// Each row starts from the form the row before it left.
const TypeRow kTypeRows[] = {
    {"Weekly", true, "Monday", true, "", 0, "Date:"},
    {"Today", false, "", true, "07/07/03", 8, "Date:"},
    {"Monthly", true, "None", false, "7", 1, "Day of month:"},
    {"Tomorrow", false, "", true, "08/07/03", 8, "Date:"},
    {"Fortnightly", false, "", false, "07/07/03", 8, "From Date:"},
    {"Daily", false, "", true, "", 0, "Date:"},
    {"One Date", false, "", false, "07/07/03", 8, "Date:"},
    {"Monthly", true, "None", false, "7", 1, "Day of month:"},
    {"Today", false, "", true, "07/07/03", 8, "Date:"},
};

TEST_F(EntryFormTest, EachTypeSetsUpDayDateAndLabel) {
  Open(At(2003, 7, 7, 9, 5, 20));
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.type);
    Pick(TypeBox(), row.type);
    EXPECT_EQ(TypeBox()->currentText(), row.type);
    EXPECT_EQ(DayBox()->isEnabled(), row.dayEnabled);
    EXPECT_EQ(DayBox()->currentText(), row.day);
    EXPECT_EQ(DateEdit()->isReadOnly(), row.dateReadOnly);
    EXPECT_EQ(DateEdit()->text(), row.date);
    EXPECT_EQ(DateEdit()->KeyCount(), row.dateKeyCount);
    EXPECT_EQ(DateLabel(), row.label);
    EXPECT_EQ(DateEdit()->Monthly(), row.type == std::string("Monthly"));
    // The time field and the Type box are never taken away from the user.
    EXPECT_TRUE(TimeEdit()->isEnabled());
    EXPECT_FALSE(TimeEdit()->isReadOnly());
    EXPECT_TRUE(TypeBox()->isEnabled());
    EXPECT_EQ(TimeEdit()->text(), "09:05");
    EXPECT_EQ(TimeEdit()->maxLength(), 5);
    EXPECT_EQ(DateEdit()->maxLength(), 8);
  }
  EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(EntryFormTest, PresetDatesFollowTheUsOrder) {
  WriteSettingsKey("\"DateFormat\"=\"1\"\r\n");
  Open(At(2003, 12, 25, 9, 5));
  Pick(TypeBox(), "One Date");
  EXPECT_EQ(DateEdit()->text(), "12/25/03");
  Pick(TypeBox(), "Tomorrow");
  EXPECT_EQ(DateEdit()->text(), "12/26/03");
  Pick(TypeBox(), "Fortnightly");
  EXPECT_EQ(DateEdit()->text(), "12/25/03");
  // A day of the month has no order; two digits count as two characters.
  Pick(TypeBox(), "Monthly");
  EXPECT_EQ(DateEdit()->text(), "25");
  EXPECT_EQ(DateEdit()->KeyCount(), 2);
}

TEST_F(EntryFormTest, MonthlySwitchesBetweenDayOfMonthAndWeekInMonth) {
  Open(At(2003, 7, 7, 9, 5));
  Pick(TypeBox(), "Monthly");
  Pick(DayBox(), "Tuesday");
  EXPECT_EQ(DayBox()->currentText(), "Tuesday");
  EXPECT_EQ(DateLabel(), "Week in month:");
  EXPECT_EQ(DateEdit()->text(), "1");
  EXPECT_EQ(DateEdit()->KeyCount(), 1);
  EXPECT_TRUE(DateEdit()->Monthly());

  Retype(DateEdit(), "3");
  Pick(DayBox(), "Friday");
  EXPECT_EQ(DateEdit()->text(), "1");
  EXPECT_EQ(DateLabel(), "Week in month:");

  Pick(DayBox(), "None");
  EXPECT_EQ(DateLabel(), "Day of month:");
  EXPECT_EQ(DateEdit()->text(), "7");
  EXPECT_EQ(DateEdit()->KeyCount(), 1);
  EXPECT_FALSE(DateEdit()->isReadOnly());
}

TEST_F(EntryFormTest, WeeklyDayPickLeavesTheDateAlone) {
  Open(At(2003, 7, 7, 9, 5));
  Pick(TypeBox(), "Weekly");
  Pick(DayBox(), "Friday");
  EXPECT_EQ(DayBox()->currentText(), "Friday");
  EXPECT_EQ(DateEdit()->text(), "");
  EXPECT_TRUE(DateEdit()->isReadOnly());
  EXPECT_EQ(DateLabel(), "Date:");
  EXPECT_FALSE(DateEdit()->Monthly());
}

TEST_F(EntryFormTest, TimeTypedBeforeAChangeSurvivesIt) {
  Open(At(2003, 7, 7, 9, 5));
  Retype(TimeEdit(), "073");
  EXPECT_EQ(TimeEdit()->text(), "07:3");
  Pick(TypeBox(), "Weekly");
  EXPECT_EQ(TimeEdit()->text(), "07:3");
  QTest::keyClicks(TimeEdit(), "0");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
  Pick(DayBox(), "Tuesday");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
  EXPECT_EQ(dlg->Entry().m_time, "07:30");

  // Only one digit typed when the type changes: the ":" still comes after the
  // second, although the change sets the time counter to a full field.
  Retype(TimeEdit(), "1");
  Pick(TypeBox(), "Monthly");
  EXPECT_EQ(TimeEdit()->KeyCount(), 5);
  QTest::keyClicks(TimeEdit(), "945");
  EXPECT_EQ(TimeEdit()->text(), "19:45");
  Retype(TimeEdit(), "2");
  Pick(DayBox(), "Sunday");
  QTest::keyClicks(TimeEdit(), "030");
  EXPECT_EQ(TimeEdit()->text(), "20:30");
}

}  // namespace
