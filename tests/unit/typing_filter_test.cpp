#include "core/entry/typing_filter.h"

#include <gtest/gtest.h>

#include "clock_at.h"
#include "core/entry/new_alarm_check.h"

namespace {

// An edit control that takes characters at its end within a length limit, as
// the form's two fields do with the caret at the end.
struct Field {
  std::string text;
  std::size_t limit;

  void Apply(const std::string& keys) {
    for (char c : keys) {
      if (c == kBackspace) {
        if (!text.empty()) text.pop_back();
      } else if (text.size() < limit) {
        text += c;
      }
    }
  }
};

class TypingFilterTest : public ::testing::Test {
 protected:
  Field m_time{"", 5};
  Field m_date{"", 8};

  void TypeTime(const std::string& keys) {
    for (char c : keys) m_time.Apply(FilterTimeKey(m_timeCount, c));
  }
  void TypeDate(const std::string& keys) {
    for (char c : keys) m_date.Apply(FilterDateKey(m_dateCount, m_monthly, c));
  }
  int m_timeCount = 0;  // the counters the two fields keep
  int m_dateCount = 0;
  bool m_monthly = false;
};

TEST_F(TypingFilterTest, ColonComesAfterTheSecondDigit) {
  m_timeCount = 0;
  EXPECT_EQ(FilterTimeKey(m_timeCount, '0'), "0");
  EXPECT_EQ(FilterTimeKey(m_timeCount, '7'), "7:");
  EXPECT_EQ(FilterTimeKey(m_timeCount, '3'), "3");
  EXPECT_EQ(m_timeCount, 4);
}

TEST_F(TypingFilterTest, TimeTypedIntoAnEmptyField) {
  m_timeCount = 0;
  TypeTime("0730");
  EXPECT_EQ(m_time.text, "07:30");
  EXPECT_EQ(m_timeCount, 5);
  TypeTime("9");  // the field is full
  EXPECT_EQ(m_time.text, "07:30");
}

TEST_F(TypingFilterTest, FourBackspacesEmptyAPresetTime) {
  m_time.text = "07:30";
  m_timeCount = 5;
  TypeTime("\b");
  EXPECT_EQ(m_time.text, "07:3");
  TypeTime("\b");
  EXPECT_EQ(m_time.text, "07:");
  EXPECT_EQ(FilterTimeKey(m_timeCount, kBackspace), "\b\b");  // the ":" goes with the 7
  m_time.Apply("\b\b");
  EXPECT_EQ(m_time.text, "0");
  TypeTime("\b");
  EXPECT_EQ(m_time.text, "");
  EXPECT_EQ(m_timeCount, 0);
  TypeTime("1945");
  EXPECT_EQ(m_time.text, "19:45");
}

TEST_F(TypingFilterTest, BackspaceInAnEmptyFieldKeepsTheCountAtZero) {
  m_timeCount = 0;
  TypeTime("\b\b");
  EXPECT_EQ(m_timeCount, 0);
  TypeTime("0730");
  EXPECT_EQ(m_time.text, "07:30");
}

TEST_F(TypingFilterTest, TypingOverASelectedPresetTimeGivesNoColon) {
  m_timeCount = 5;  // the preset time was selected and is replaced
  TypeTime("0730");
  EXPECT_EQ(m_time.text, "0730");
  const ClockSnapshot clock = ClockAt(2003, 12, 25, 6, 0);
  EXPECT_EQ(CheckNewAlarm({m_time.text, "Daily", "", ""}, clock, DateFormat::Uk),
            "Time must be HH:MM.");
}

TEST_F(TypingFilterTest, LettersAreTakenLikeDigits) {
  m_timeCount = 0;
  TypeTime("ab");
  EXPECT_EQ(m_time.text, "ab:");
}

TEST_F(TypingFilterTest, DateGetsSlashesAndLosesThemWithTheirDigit) {
  m_monthly = false;
  m_dateCount = 0;
  TypeDate("251203");
  EXPECT_EQ(m_date.text, "25/12/03");
  EXPECT_EQ(m_dateCount, 8);

  const char* afterEachBackspace[] = {"25/12/0", "25/12/", "25/1", "25/", "2", ""};
  for (const char* expected : afterEachBackspace) {
    TypeDate("\b");
    EXPECT_EQ(m_date.text, expected);
  }
  EXPECT_EQ(m_dateCount, 0);
}

TEST_F(TypingFilterTest, SixBackspacesEmptyAPresetDate) {
  m_monthly = false;
  m_date.text = "25/12/03";
  m_dateCount = 8;
  TypeDate("\b\b\b\b\b\b");
  EXPECT_EQ(m_date.text, "");
}

TEST_F(TypingFilterTest, MonthlyDateHasNoSeparators) {
  m_monthly = true;
  m_dateCount = 0;
  TypeDate("15");
  EXPECT_EQ(m_date.text, "15");
  TypeDate("\b\b");
  EXPECT_EQ(m_date.text, "");
  TypeDate("last");
  EXPECT_EQ(m_date.text, "last");
  EXPECT_EQ(m_dateCount, 4);
  // At the counts where other types lose a "/" with its digit, Monthly loses one character.
  m_dateCount = 3;
  EXPECT_EQ(FilterDateKey(m_dateCount, m_monthly, kBackspace), "\b");
  EXPECT_EQ(m_dateCount, 2);
}

TEST_F(TypingFilterTest, KeyCountForTextPutsTheCounterBackInStep) {
  EXPECT_EQ(KeyCountForText(""), 0);
  EXPECT_EQ(KeyCountForText("07:3"), 4);
  EXPECT_EQ(KeyCountForText("25/12/03"), 8);
  EXPECT_EQ(KeyCountForText("\xC3\xA9t\xC3\xA9"), 3);  // "été": three characters

  // The user selected ":30" of "07:30" and deleted it; typing goes on at the end.
  m_time.text = "07";
  m_timeCount = KeyCountForText(m_time.text);
  TypeTime("\b");
  EXPECT_EQ(m_time.text, "0");
  TypeTime("845");
  EXPECT_EQ(m_time.text, "08:45");

  m_monthly = false;
  m_date.text = "25/1";
  m_dateCount = KeyCountForText(m_date.text);
  TypeDate("204");
  EXPECT_EQ(m_date.text, "25/12/04");
}

// A field left ending where a separator belongs ("07" after deleting ":30")
// gets the separator before the next character.
TEST_F(TypingFilterTest, SeparatorGoesInFirstWhenTheFieldEndsAtItsPlace) {
  m_time.text = "07";
  m_timeCount = KeyCountForText(m_time.text);
  TypeTime("30");
  EXPECT_EQ(m_time.text, "07:30");

  m_monthly = false;
  m_date.text = "25/12";
  m_dateCount = KeyCountForText(m_date.text);
  TypeDate("03");
  EXPECT_EQ(m_date.text, "25/12/03");

  m_monthly = true;
  m_date.text = "12";
  m_dateCount = KeyCountForText(m_date.text);
  TypeDate("3");
  EXPECT_EQ(m_date.text, "123");
}

}  // namespace
