#include "core/store/alarm_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

AlarmRecord Record(std::string type, std::string day, std::string time, std::string date,
                   std::string text = "") {
  return AlarmRecord{std::move(type), std::move(day), std::move(time), std::move(date),
                     std::move(text)};
}

struct Example {
  AlarmRecord added;  // as the entry form adds it
  std::string line;   // without its line feed
  AlarmRecord read;   // as it reads back
};

// The seven records of the file format's description, in their sorted order.
std::vector<Example> WorkedExamples() {
  return {
      {Record("One Date", "", "06:45", "25/12/03", "Presents|"), "0,03/12/25,0,06:45,Presents|",
       Record("One Date", "None", "06:45", "25/12/03", "Presents|")},
      {Record("Daily", "", "07:00", ""), "1,00/00/00,0,07:00,",
       Record("Daily", "None", "07:00", "")},
      {Record("Weekly", "Tuesday", "07:30", ""), "2,00/00/00,3,07:30,",
       Record("Weekly", "Tuesday", "07:30", "")},
      {Record("Fortnightly", "", "08:15", "05/01/04"), "3,04/01/05,0,08:15,",
       Record("Fortnightly", "None", "08:15", "05/01/04")},
      {Record("Monthly", "None", "09:00", "21"), "4,00000021,0,09:00,",
       Record("Monthly", "None", "09:00", "21")},
      {Record("Monthly", "Tuesday", "20:00", "2"), "5,00000002,3,20:00,",
       Record("Monthly", "Tuesday", "20:00", "2")},
      {Record("Monthly", "Friday", "18:00", "Last", "Pay|rent|"), "5,00000009,6,18:00,Pay|rent|",
       Record("Monthly", "Friday", "18:00", "Last", "Pay|rent|")},
  };
}

// Every line written keeps its separators at the fixed places.
void ExpectFixedLayout(const std::string& line) {
  ASSERT_GE(line.size(), 20u) << line;
  EXPECT_EQ(line[1], ',') << line;
  EXPECT_EQ(line[10], ',') << line;
  EXPECT_EQ(line[12], ',') << line;
  EXPECT_EQ(line[18], ',') << line;
  EXPECT_EQ(line.back(), '\n') << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
}

class AlarmLineTest : public ::testing::Test {};

}  // namespace

TEST_F(AlarmLineTest, WorkedExamplesEncodeByteForByte) {
  for (const Example& example : WorkedExamples()) {
    EXPECT_EQ(EncodeRecordLine(example.added), example.line + "\n");
    EXPECT_EQ(EncodeRecordLine(example.read), example.line + "\n");
  }
}

TEST_F(AlarmLineTest, WorkedExamplesDecodeWithNoneForAnEmptyDay) {
  for (const Example& example : WorkedExamples()) {
    EXPECT_EQ(DecodeRecordLine(example.line), example.read) << example.line;
  }
}

TEST_F(AlarmLineTest, WorkedExamplesAreInSortedOrder) {
  std::vector<std::string> lines;
  for (const Example& example : WorkedExamples()) lines.push_back(example.line + "\n");
  std::vector<std::string> shuffled(lines.rbegin(), lines.rend());
  std::rotate(shuffled.begin(), shuffled.begin() + 3, shuffled.end());
  std::sort(shuffled.begin(), shuffled.end(),
            [](const std::string& a, const std::string& b) { return CompareAlarmLines(a, b) < 0; });
  EXPECT_EQ(shuffled, lines);
}

TEST_F(AlarmLineTest, CodesAreExactTextsWithTheWeekStartingOnSunday) {
  EXPECT_EQ(EncodeType("Monthly", ""), "5");
  EXPECT_EQ(EncodeType("Today", ""), "9");
  EXPECT_EQ(EncodeType("daily", ""), "9");
  EXPECT_EQ(DecodeType("6"), "Error");
  EXPECT_EQ(DecodeType(""), "Error");
  EXPECT_EQ(EncodeDay("Sunday"), "1");
  EXPECT_EQ(EncodeDay("Saturday"), "7");
  EXPECT_EQ(EncodeDay("monday"), "9");
  EXPECT_EQ(DecodeDay("1"), "Sunday");
  EXPECT_EQ(DecodeDay("7"), "Saturday");
  EXPECT_EQ(DecodeDay(""), "error");
  EXPECT_EQ(EncodeDate("1", "25/12/03"), "00/00/00");
}

TEST_F(AlarmLineTest, SameDateCodeMeansDayNineOrLastByType) {
  const AlarmRecord ninth = Record("Monthly", "None", "10:00", "9");
  const AlarmRecord last = Record("Monthly", "Friday", "10:00", "Last");
  EXPECT_EQ(EncodeRecordLine(ninth), "4,00000009,0,10:00,\n");
  EXPECT_EQ(EncodeRecordLine(last), "5,00000009,6,10:00,\n");
  EXPECT_EQ(DecodeRecordLine("4,00000009,0,10:00,").date, "9");
  EXPECT_EQ(DecodeRecordLine("5,00000009,6,10:00,").date, "Last");
}

TEST_F(AlarmLineTest, UnknownCodesReadAsErrorAndAreWrittenAsNine) {
  const AlarmRecord record = DecodeRecordLine("7,03/12/25,8,06:45,Hello|");
  EXPECT_EQ(record.type, "Error");
  EXPECT_EQ(record.date, "99/99/99");
  EXPECT_EQ(record.day, "error");
  EXPECT_EQ(record.time, "06:45");
  EXPECT_EQ(record.text, "Hello|");
  EXPECT_EQ(EncodeRecordLine(record), "9,00000000,9,06:45,Hello|\n");
  EXPECT_EQ(DecodeRecordLine("9,00000000,9,06:45,Hello|"), record);
}

TEST_F(AlarmLineTest, CommasAndBarsInTheTextSurviveTheRoundTrip) {
  const AlarmRecord record = Record("Weekly", "Sunday", "11:11", "", "Up, now|,,|a,b");
  const std::string line = EncodeRecordLine(record);
  EXPECT_EQ(line, "2,00/00/00,1,11:11,Up, now|,,|a,b\n");
  EXPECT_EQ(DecodeRecordLine(std::string_view(line).substr(0, line.size() - 1)), record);
}

TEST_F(AlarmLineTest, SeparatorsAreNeverLookedAt) {
  const AlarmRecord record = DecodeRecordLine("2x00/00/00x3x07:30xWake");
  EXPECT_EQ(record, Record("Weekly", "Tuesday", "07:30", "", "Wake"));
}

TEST_F(AlarmLineTest, ShortLinesReadTheCharactersThatExist) {
  EXPECT_EQ(DecodeRecordLine("1,00/00/00,0,07:00"), Record("Daily", "None", "07:00", ""));
  EXPECT_EQ(DecodeRecordLine("2,00/00/00,3,07"), Record("Weekly", "Tuesday", "07", ""));
  EXPECT_EQ(DecodeRecordLine("2,00/00/00,3"), Record("Weekly", "Tuesday", "", ""));
  EXPECT_EQ(DecodeRecordLine("2,00/00/00,"), Record("Weekly", "error", "", ""));
  EXPECT_EQ(DecodeRecordLine("4,00000021"), Record("Monthly", "error", "", "21"));
  EXPECT_EQ(DecodeRecordLine("4,0002"), Record("Monthly", "error", "", "2"));
  EXPECT_EQ(DecodeRecordLine("0,03/1"), Record("One Date", "error", "", "/1/103"));
  EXPECT_EQ(DecodeRecordLine("0"), Record("One Date", "error", "", ""));
  EXPECT_EQ(DecodeRecordLine(""), Record("Error", "error", "", "99/99/99"));
}

TEST_F(AlarmLineTest, OddFieldsStillGiveTheFixedLayout) {
  const std::vector<AlarmRecord> odd = {
      Record("Monthly", "None", "09:00", "05"),
      Record("Monthly", "Friday", "09:00", "LAST"),
      Record("Monthly", "None", "09:00", "123"),
      Record("Monthly", "None", "09:00", "-4"),
      Record("One Date", "", "9:30", "1/2/3"),
      Record("Fortnightly", "", "09:00", ""),
      Record("Daily", "", "", "", "two\nlines"),
      Record("One Date", "", "07:00:00", "25/12/2003"),
      Record("", "", "", "", ""),
      Record("Fortnightly", "", "0\n:00", "12/\n1/26"),
  };
  for (const AlarmRecord& record : odd) ExpectFixedLayout(EncodeRecordLine(record));

  EXPECT_EQ(EncodeRecordLine(odd[0]), "4,00000005,0,09:00,\n");
  EXPECT_EQ(EncodeRecordLine(odd[1]), "5,00000009,6,09:00,\n");
  EXPECT_EQ(EncodeRecordLine(odd[6]), "1,00/00/00,0,     ,two|lines\n");
}

TEST_F(AlarmLineTest, SortOrderFollowsTypeDateDayTimeAndText) {
  const std::vector<std::string> sorted = {
      "0,00/01/01,0,23:59,\n",        // 01/01/2000
      "0,03/12/31,0,06:00,\n",        // 31/12/2003
      "0,04/01/02,0,05:00,\n",        // 02/01/2004
      "0,99/12/31,0,00:00,\n",        // 31/12/2099
      "1,00/00/00,0,07:00,\n",        // Daily
      "2,00/00/00,1,23:00,\n",        // Weekly Sunday
      "2,00/00/00,2,06:00,\n",        // Weekly Monday
      "3,04/01/05,0,08:15,\n",        // Fortnightly
      "4,00000002,0,09:00,\n",        // Monthly on the 2nd
      "4,00000010,0,09:00,\n",        // Monthly on the 10th
      "5,00000004,1,09:00,\n",        // fourth Sunday
      "5,00000009,1,09:00,\n",        // last Sunday
      "5,00000009,1,09:00,apple|\n",  // same, with text
      "5,00000009,1,09:00,Banana|\n",
  };
  std::vector<std::string> lines(sorted.rbegin(), sorted.rend());
  std::sort(lines.begin(), lines.end(),
            [](const std::string& a, const std::string& b) { return CompareAlarmLines(a, b) < 0; });
  EXPECT_EQ(lines, sorted);
}

TEST_F(AlarmLineTest, ComparisonIgnoresLetterCaseAndUsesUnsignedBytes) {
  EXPECT_EQ(CompareAlarmLines("abc", "ABC"), 0);
  EXPECT_LT(CompareAlarmLines("0,zzz", "1,aaa"), 0);
  EXPECT_LT(CompareAlarmLines("ab", "abc"), 0);
  EXPECT_GT(CompareAlarmLines("abc", "ab"), 0);
  EXPECT_LT(CompareAlarmLines("x\n", "x \n"), 0);
  EXPECT_LT(CompareAlarmLines("z", "\xC3\xA9"), 0);
  // '[' lies between 'Z' and 'a': letters are folded before the bytes are compared.
  EXPECT_LT(CompareAlarmLines("[", "a"), 0);
  EXPECT_GT(CompareAlarmLines("A", "["), 0);
  EXPECT_EQ(CompareAlarmLines("", ""), 0);
}

TEST_F(AlarmLineTest, SwapDateOrderFollowsTheDateFormat) {
  const DateFormat us = DateFormatOf(1);
  EXPECT_EQ(SwapDateOrder("12/25/03", us), "25/12/03");
  EXPECT_EQ(SwapDateOrder("25/12/03", us), "12/25/03");
  EXPECT_EQ(SwapDateOrder("1/2/03", us), "1/2/03");
  EXPECT_EQ(SwapDateOrder("", us), "");
  EXPECT_EQ(SwapDateOrder("12/25/03", DateFormatOf(0)), "12/25/03");
  EXPECT_EQ(SwapDateOrder("12/25/03", DateFormatOf(2)), "12/25/03");
}
