#include "core/platform/simple_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(ReadNumber, SkipsWhiteSpaceTakesSignAndStopsAtFirstNonDigit) {
  EXPECT_EQ(ReadNumber(" 1"), 1);
  EXPECT_EQ(ReadNumber("\t\r\n 42"), 42);
  EXPECT_EQ(ReadNumber("3x"), 3);
  EXPECT_EQ(ReadNumber("+7"), 7);
  EXPECT_EQ(ReadNumber("-12:30"), -12);
  EXPECT_EQ(ReadNumber("00000021"), 21);
}

TEST(ReadNumber, TextWithoutDigitsGivesZero) {
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("x"), 0);
  EXPECT_EQ(ReadNumber("   "), 0);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("- 5"), 0);
  EXPECT_EQ(ReadNumber("\x01"), 0);
}

TEST(ReadNumber, StopsAtTheEndOfTheViewNotAtAZero) {
  const std::string text = "123456";
  EXPECT_EQ(ReadNumber(std::string_view(text).substr(0, 3)), 123);
}

TEST(ReadNumber, ClampsToTheRangeOfInt) {
  EXPECT_EQ(ReadNumber("2147483647"), INT_MAX);
  EXPECT_EQ(ReadNumber("2147483648"), INT_MAX);
  EXPECT_EQ(ReadNumber("-2147483648"), INT_MIN);
  EXPECT_EQ(ReadNumber("-2147483649"), INT_MIN);
  EXPECT_EQ(ReadNumber(std::string(5000, '9')), INT_MAX);
  EXPECT_EQ(ReadNumber("-" + std::string(5000, '9')), INT_MIN);
}
