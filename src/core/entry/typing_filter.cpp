#include "core/entry/typing_filter.h"

namespace {

// One backspace: the counter goes down, and when it lands on a separator's
// place that separator goes too, with a backspace of its own.
std::string Backspace(int& count, bool (*isSeparatorPlace)(int)) {
  if (count > 0) --count;
  std::string out;
  if (isSeparatorPlace(count)) {
    out += kBackspace;
    --count;
  }
  out += kBackspace;
  return out;
}

// One typed character: when it fills the place before a separator, the
// separator follows it. When the field already ends where a separator belongs
// (an edit other than typing left "07" behind), the separator comes first.
std::string Typed(char typed, int& count, bool (*isBeforeSeparator)(int),
                  bool (*isSeparatorPlace)(int), char separator) {
  std::string out;
  if (isSeparatorPlace(count)) {
    out += separator;
    ++count;
  }
  out += typed;
  if (isBeforeSeparator(count)) {
    out += separator;
    ++count;
  }
  ++count;
  return out;
}

bool TimeSeparatorPlace(int count) {
  return count == 2;
}
bool BeforeTimeSeparator(int count) {
  return count == 1;
}
bool DateSeparatorPlace(int count) {
  return count == 2 || count == 5;
}
bool BeforeDateSeparator(int count) {
  return count == 1 || count == 4;
}
// A Monthly date field holds a plain number or word: no separators at all.
bool NoSeparator(int) {
  return false;
}

}  // namespace

std::string FilterTimeKey(int& keyCount, char typed) {
  if (typed == kBackspace) return Backspace(keyCount, TimeSeparatorPlace);
  return Typed(typed, keyCount, BeforeTimeSeparator, TimeSeparatorPlace, ':');
}

std::string FilterDateKey(int& keyCount, bool monthly, char typed) {
  if (typed == kBackspace) return Backspace(keyCount, monthly ? NoSeparator : DateSeparatorPlace);
  return Typed(typed, keyCount, monthly ? NoSeparator : BeforeDateSeparator,
               monthly ? NoSeparator : DateSeparatorPlace, '/');
}

int KeyCountForText(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;  // continuation bytes belong to the character before
  }
  return count;
}
