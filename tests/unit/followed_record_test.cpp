#include "core/store/followed_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

AlarmRecord Daily(const std::string& time) {
  return AlarmRecord{"Daily", "None", time, "", ""};
}

TEST(FollowedRecord, AReloadKeepsMovesOrLosesTheRecord) {
  const std::vector<AlarmRecord> before = {Daily("06:00"), Daily("07:00"), Daily("08:00")};
  struct Case {
    int index;
    std::vector<AlarmRecord> after;
    int expectedIndex;
    bool expectedGone;
  };
  const std::vector<Case> cases = {
      {1, {Daily("05:00"), Daily("07:00")}, 1, false},                  // still in its place
      {1, {Daily("05:00"), Daily("06:00"), Daily("07:00")}, 2, false},  // moved down
      {2, {Daily("08:00")}, 0, false},                                  // moved up
      {1, {Daily("06:00"), Daily("08:00")}, 1, true},                   // taken out
      {5, {}, 5, false},  // an index outside the table follows nothing
  };
  for (const Case& c : cases) {
    FollowedRecord record(c.index);
    record.Replaced(before, c.after);
    EXPECT_EQ(record.Index(), c.expectedIndex) << "index " << c.index;
    EXPECT_EQ(record.Gone(), c.expectedGone) << "index " << c.index;
  }
}

TEST(FollowedRecord, AGoneRecordStaysGone) {
  FollowedRecord record(0);
  record.Removed(0);
  record.Replaced({Daily("06:00")}, {Daily("06:00")});
  EXPECT_TRUE(record.Gone());
}

}  // namespace
