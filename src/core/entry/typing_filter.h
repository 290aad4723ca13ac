#pragma once

#include <string>
#include <string_view>

// The filters of the time and date fields. Each field keeps its own counter of
// the characters it holds and hands it in with each key.

inline constexpr char kBackspace = '\b';

// One character typed into the time field: updates keyCount and returns
// the characters to hand to the field, in order ('\b' removes the character
// before the caret): "7" -> "7:" after the second character, "\b" -> "\b\b"
// when the ":" goes with it.
std::string FilterTimeKey(int& keyCount, char typed);
// The same for the date field ("/" after the second and fourth character, none
// when monthly).
std::string FilterDateKey(int& keyCount, bool monthly, char typed);

// The counter value that matches a field holding text: its length in characters
// (UTF-8 aware). The interface sets a counter to it whenever the field's text
// changes otherwise than by typing or backspacing at its end (selection,
// Delete, paste), so that the separators keep appearing in the right places.
int KeyCountForText(std::string_view text);
