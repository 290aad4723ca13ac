#pragma once

#include <cstddef>
#include <string_view>

// Reading fixed places of texts that may be short, and ASCII letter case
// whatever the locale.

// width characters from offset; a part beyond the end of a short text is what
// exists of it (possibly nothing).
inline std::string_view TextPart(std::string_view text, std::size_t offset,
                                 std::size_t width = std::string_view::npos) {
  if (offset >= text.size()) return {};
  return text.substr(offset, width);
}

// The last width characters, or the whole text when it is shorter.
inline std::string_view LastChars(std::string_view text, std::size_t width) {
  return text.size() <= width ? text : text.substr(text.size() - width);
}

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal but for the letter case of A-Z.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}
