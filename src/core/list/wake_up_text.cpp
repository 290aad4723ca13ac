#include "core/list/wake_up_text.h"

std::string EditorText(const std::string& stored) {
  std::string text;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char c = stored[i];
    if (c != '|') {
      text += c;
    } else if (i != 0 && i + 1 != stored.size()) {
      text += '\n';
    }
  }
  return text;
}

std::string StoredText(const std::vector<std::string>& lines) {
  if (lines.empty()) return "|";
  std::string stored;
  for (const std::string& line : lines) {
    const std::size_t end = line.find_last_not_of(' ');
    stored += end == std::string::npos ? std::string() : line.substr(0, end + 1);
    stored += '|';
  }
  return stored;
}
