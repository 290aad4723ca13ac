#include "core/model/alarm_kind.h"

#include <gtest/gtest.h>

#include "core/store/alarm_line.h"

namespace {

// Every row is found again by its texts and codes: no two kinds share a Type
// box text or a line code, each choice is stored as a stored kind, and a
// stored kind's line reads back as its own type.
TEST(AlarmKind, EachRowIsFoundByItsTextsAndCodes) {
  for (const KindRow& row : kKindRows) {
    SCOPED_TRACE(row.typeText);
    EXPECT_EQ(FindFormKind(row.typeText), &row);
    const KindRow& stored = RowOf(row.storedAs);
    ASSERT_TRUE(IsStored(stored));
    EXPECT_EQ(FindStoredKind(stored.typeText), &stored);
    for (const char code : {row.lineCode, row.weekLineCode}) {
      EXPECT_EQ(FindLineCode(std::string(1, code)), &stored);
    }
    for (const char* day : {"None", "Tuesday"}) {
      EXPECT_EQ(DecodeType(EncodeType(stored.typeText, day)), stored.typeText);
    }
  }
}

}  // namespace
