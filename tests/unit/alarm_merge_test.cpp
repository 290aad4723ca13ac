// A change another program made to alarms.txt put together with this
// program's own changes since it last read or wrote the file.
#include "core/store/alarm_merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Records = std::vector<AlarmRecord>;

AlarmRecord Daily(const std::string& time, const std::string& text = "") {
  return AlarmRecord{"Daily", "", time, "", text};
}

const AlarmRecord kA = Daily("06:00");
const AlarmRecord kB = Daily("07:00");
const AlarmRecord kC = Daily("08:00");
const AlarmRecord kANewText = Daily("06:00", "Tea|");
// One-offs at the same time with the same text, a day apart.
const AlarmRecord kMonday{"One Date", "", "07:00", "15/06/26", "Tea|"};
const AlarmRecord kTuesday{"One Date", "", "07:00", "16/06/26", "Tea|"};

TEST(AlarmMergeTest, EachSidesChangeIsKept) {
  struct Case {
    const char* what;
    Records base, ours, theirs, merged;
  };
  Records twelve;
  for (int i = 10; i < 22; ++i) twelve.push_back(Daily("09:" + std::to_string(i)));
  const std::vector<Case> cases = {
      {"only theirs changed", {kA}, {kA}, {kB, kC}, {kB, kC}},
      {"both added", {kA}, {kA, kB}, {kA, kC}, {kA, kC, kB}},
      {"we removed what they kept", {kA, kB}, {kB}, {kA, kB, kC}, {kB, kC}},
      {"both removed it", {kA, kB}, {kB}, {kB}, {kB}},
      {"our new text on their alarm", {kA, kB}, {kANewText, kB}, {kC, kA}, {kC, kANewText}},
      {"our new text on an alarm they took out", {kA, kB}, {kANewText, kB}, {kB}, {kB}},
      {"their new text", {kA}, {kA}, {kANewText}, {kANewText}},
      {"no room for our addition", {}, {kA}, twelve, twelve},
      {"our one-off of another day", {kMonday}, {kTuesday}, {}, {kTuesday}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MergeAlarmChanges(c.base, c.ours, c.theirs), c.merged) << c.what;
  }
}

TEST(AlarmMergeTest, NewAlarmsAreThoseNotThereBeforeWhateverTheirText) {
  EXPECT_EQ(NewAlarms({kA, kB}, {kANewText, kC, kB}), Records{kC});
  EXPECT_EQ(NewAlarms({kA}, {kA, kA}), Records{kA});
  EXPECT_EQ(NewAlarms({kA, kB}, {}), Records{});
  EXPECT_EQ(NewAlarms({kMonday}, {kTuesday}), Records{kTuesday});
}

}  // namespace
