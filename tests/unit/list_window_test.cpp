#include "core/list/list_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

TEST(ListWindow, DeleteMovesTheFirstRow) {
  struct Case {
    int count, top, deleted, expectedTop;  // count before the deletion
  };
  const std::vector<Case> cases = {
      {8, 3, 7, 2},   // scrolled to the end, last record deleted
      {8, 0, 0, 0},   // top stays at the top
      {8, 3, 0, 2},   // the list would show a row past the end
      {12, 4, 2, 4},  // enough records below: unchanged
      {12, 4, 9, 3},  // a record beyond the sixth
      {6, 1, 3, 0},   // fewer than six records left
      {12, 0, 8, 0},  // never below zero
  };
  for (const Case& c : cases) {
    ListWindow list;
    list.ShowFrom(c.top, c.count);
    list.RecordDeleted(c.deleted, c.count - 1);
    EXPECT_EQ(list.Top(), c.expectedTop)
        << "count " << c.count << " top " << c.top << " deleted " << c.deleted;
  }
}

TEST(ListWindow, ShowFromKeepsEveryRowFilledWhenItCan) {
  ListWindow list;
  list.ShowFrom(9, 12);
  EXPECT_EQ(list.Top(), 7);
  list.ShowFrom(-1, 12);
  EXPECT_EQ(list.Top(), 0);
  list.ShowFrom(2, 4);
  EXPECT_EQ(list.Top(), 0);
}

TEST(TopForNewRecord, BringsTheNewRecordToRowThreeWhenItCan) {
  EXPECT_EQ(TopForNewRecord(10, 12), 7);  // k - 2 = 8 is past the last full window
  EXPECT_EQ(TopForNewRecord(11, 12), 7);
  EXPECT_EQ(TopForNewRecord(1, 9), 0);
  EXPECT_EQ(TopForNewRecord(4, 9), 2);
  EXPECT_EQ(TopForNewRecord(3, 9), 1);
  EXPECT_EQ(TopForNewRecord(2, 9), 0);
  EXPECT_EQ(TopForNewRecord(0, 12), 0);
  EXPECT_EQ(TopForNewRecord(6, 12), 4);
}

TEST(TopForNewRecord, FiveRecordsOrFewerShowFromTheTop) {
  EXPECT_EQ(TopForNewRecord(4, 5), 0);
  EXPECT_EQ(TopForNewRecord(0, 1), 0);
  EXPECT_EQ(TopForNewRecord(5, 6), 1);
}

TEST(TopForNewRecord, NoNewRecordShowsTheTop) {
  EXPECT_EQ(TopForNewRecord(-1, 12), 0);
  EXPECT_EQ(TopForNewRecord(-1, 0), 0);
}

TEST(ScrolledTop, ArrowsMoveOneRecordAndStopAtTheEnds) {
  EXPECT_EQ(ScrolledTop(ScrollCode::LineUp, 3, 0, 12), 2);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineUp, 0, 0, 12), 0);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineDown, 3, 0, 12), 4);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineDown, 7, 0, 12), 7);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineDown, 0, 0, 5), 0);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineDown, 0, 0, 6), 1);
  EXPECT_EQ(ScrolledTop(ScrollCode::LineDown, 0, 0, 0), 0);
}

TEST(ScrolledTop, ThumbTakesTheMessagesPositionWithinTheTable) {
  EXPECT_EQ(ScrolledTop(ScrollCode::ThumbTrack, 0, 5, 12), 5);
  EXPECT_EQ(ScrolledTop(ScrollCode::ThumbPosition, 6, 2, 12), 2);
  EXPECT_EQ(ScrolledTop(ScrollCode::ThumbTrack, 0, 9, 8), 3);
  EXPECT_EQ(ScrolledTop(ScrollCode::ThumbTrack, 2, -1, 8), 0);
  EXPECT_EQ(ScrolledTop(ScrollCode::ThumbPosition, 0, 1, 4), 0);
}

TEST(ScrolledTop, TroughAndOtherCodesLeaveTheList) {
  for (ScrollCode code : {ScrollCode::PageUp, ScrollCode::PageDown, ScrollCode::Top,
                          ScrollCode::Bottom, ScrollCode::EndScroll}) {
    EXPECT_EQ(ScrolledTop(code, 3, 6, 12), 3);
    EXPECT_FALSE(ScrollCodeMovesBar(code));
  }
  for (ScrollCode code : {ScrollCode::LineUp, ScrollCode::LineDown, ScrollCode::ThumbPosition,
                          ScrollCode::ThumbTrack}) {
    EXPECT_TRUE(ScrollCodeMovesBar(code));
  }
}

class FindNewAlarmRecordTest : public ::testing::Test {
 protected:
  void Fill(std::initializer_list<std::string> texts) {
    std::vector<AlarmRecord> records;
    for (const std::string& text : texts) records.push_back({"Daily", "None", "07:30", "", text});
    table.SetTableRecords(records);
  }

  AlarmTable table;
};

TEST_F(FindNewAlarmRecordTest, OnlyTheWholeMarkerCounts) {
  Fill({"", "$%&abc|", "Wake|", "$%&", "$%&"});
  EXPECT_EQ(FindNewAlarmRecord(table), 3);
}

TEST_F(FindNewAlarmRecordTest, AUserTextBeginningWithTheMarkerIsNotNew) {
  Fill({"$%&abc|", "$%&|", "|"});
  EXPECT_EQ(FindNewAlarmRecord(table), -1);
}

TEST_F(FindNewAlarmRecordTest, LooksOnlyAtRecordsInUse) {
  EXPECT_EQ(FindNewAlarmRecord(table), -1);
  Fill({""});
  EXPECT_EQ(FindNewAlarmRecord(table), -1);
}

}  // namespace
