#pragma once

#include <string>
#include <string_view>

// Typing counters shared by the form and the two filtered fields.
extern int g_timeKeyCount;
extern int g_dateKeyCount;
extern std::string g_currentType;
// Puts the three back to their state at program start.
void ResetTypingState();

inline constexpr char kBackspace = '\b';

// One character typed into the time field: updates g_timeKeyCount and returns
// the characters to hand to the field, in order ('\b' removes the character
// before the caret): "7" -> "7:" after the second character, "\b" -> "\b\b"
// when the ":" goes with it.
std::string FilterTimeKey(char typed);
// The same for the date field ("/" after the second and fourth character, none
// for Monthly).
std::string FilterDateKey(char typed);

// The counter value that matches a field holding text: its length in characters
// (UTF-8 aware). The interface sets a counter to it whenever the field's text
// changes otherwise than by typing or backspacing at its end (selection,
// Delete, paste), so that the separators keep appearing in the right places.
int KeyCountForText(std::string_view text);
