#pragma once

#include <string>
#include <vector>

// Marks a text for the translators where it stands (lupdate reads it as
// QT_TRANSLATE_NOOP); the text itself is unchanged, so what the core compares
// and stores stays English. The window puts it in the user's language by its
// context and text.
#define TOCK_TR_NOOP(context, text) text
// The same for a text with %n, which each language writes in its plural forms
// (lupdate reads it as QT_TRANSLATE_N_NOOP).
#define TOCK_TR_N_NOOP(context, text) text

// A text the program shows, kept in its parts so that the window can put it
// in the user's language: a marked English pattern whose %1, %2, %3 stand for
// its arguments and %n for a count (which also chooses a language's plural
// form), or a plain text shown as it stands, with its %1 ... filled in when it
// has arguments.
struct Phrase {
  const char* context = nullptr;  // the translators' context; nullptr for a plain text
  std::string text;
  std::vector<Phrase> args;
  int count = -1;  // what %n stands for; -1 when there is no %n
};

// A text shown as it stands (a time, a date, a number).
Phrase Plain(std::string text);
// A marked text and what its %1 ... stand for.
Phrase Marked(const char* context, std::string text, std::vector<Phrase> args = {});
// The phrase in English: each %1 ... filled with its argument, %n with the count.
std::string English(const Phrase& phrase);
