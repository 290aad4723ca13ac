#include "core/list/list_window.h"

#include <gtest/gtest.h>

#include "core/store/alarm_table.h"
#include "test_support.h"

namespace {

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
    int i = 0;
    for (const std::string& text : texts) {
      g_alarms.records[static_cast<std::size_t>(i++)] = {"Daily", "None", "07:30", "", text};
    }
    g_alarms.count = i;
  }

 private:
  ScratchFolder m_folder;
};

TEST_F(FindNewAlarmRecordTest, OnlyTheWholeMarkerCounts) {
  Fill({"", "$%&abc|", "Wake|", "$%&", "$%&"});
  EXPECT_EQ(FindNewAlarmRecord(), 3);
}

TEST_F(FindNewAlarmRecordTest, AUserTextBeginningWithTheMarkerIsNotNew) {
  Fill({"$%&abc|", "$%&|", "|"});
  EXPECT_EQ(FindNewAlarmRecord(), -1);
}

TEST_F(FindNewAlarmRecordTest, LooksOnlyAtRecordsInUse) {
  EXPECT_EQ(FindNewAlarmRecord(), -1);
  Fill({"", "$%&"});
  g_alarms.count = 1;
  EXPECT_EQ(FindNewAlarmRecord(), -1);
}

}  // namespace
