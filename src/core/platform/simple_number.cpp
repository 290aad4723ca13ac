#include "core/platform/simple_number.h"

#include <climits>
#include <cstddef>

namespace {
// White space as the C library knows it, whatever the locale.
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
}  // namespace

int ReadNumber(std::string_view text) {
  std::size_t pos = text.find_first_not_of(kWhiteSpace);
  if (pos == std::string_view::npos) return 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Kept within one step beyond the int range, so it can never overflow.
  const long long limit = static_cast<long long>(INT_MAX) + 1;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > limit) value = limit;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}
