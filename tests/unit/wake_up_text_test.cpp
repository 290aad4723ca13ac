#include "core/list/wake_up_text.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorText, TurnsBarsIntoLineBreaksButTheFirstAndTheLast) {
  EXPECT_EQ(EditorText(""), "");
  EXPECT_EQ(EditorText("|"), "");
  EXPECT_EQ(EditorText("Wake up|"), "Wake up");
  EXPECT_EQ(EditorText("Pay|rent|"), "Pay\nrent");
  EXPECT_EQ(EditorText("|Wake|"), "Wake");
  EXPECT_EQ(EditorText("Up||"), "Up\n");
  // A hand-written text without the closing bar keeps its last character.
  EXPECT_EQ(EditorText("Wake"), "Wake");
  EXPECT_EQ(EditorText("a|b"), "a\nb");
}

TEST(StoredText, EndsEveryLineWithABarWithoutTrailingBlanks) {
  EXPECT_EQ(StoredText({}), "|");
  EXPECT_EQ(StoredText({""}), "|");
  EXPECT_EQ(StoredText({"Wake up"}), "Wake up|");
  EXPECT_EQ(StoredText({"Pay", "rent"}), "Pay|rent|");
  EXPECT_EQ(StoredText({"Up now   "}), "Up now|");
  EXPECT_EQ(StoredText({"   "}), "|");
  EXPECT_EQ(StoredText({"  Indented"}), "  Indented|");
  EXPECT_EQ(StoredText({"Up", ""}), "Up||");
}

// Opening and saving without a change gives back what was stored.
TEST(WakeUpText, RoundTripsUnchanged) {
  for (const std::string stored : {"|", "Wake up|", "Pay|rent|", "Up||", "a|b|c|", "||x|"}) {
    std::vector<std::string> lines;
    std::string text = EditorText(stored);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    const std::string saved = StoredText(lines);
    if (stored[0] == '|' && stored.size() > 1) {
      EXPECT_EQ(saved, stored.substr(1)) << stored;  // a leading bar adds nothing
    } else {
      EXPECT_EQ(saved, stored) << stored;
    }
  }
}

}  // namespace
