#pragma once

#include <string>
#include <vector>

// The wake-up text between its stored form (each line followed by "|") and the
// lines of the alarm text editor.

// The editor's text of a stored text: every "|" a line break ("\n"), except a
// "|" at the very first position, which adds nothing, and the "|" that ends the
// text, which only closes its last line. So "Wake up|" opens as "Wake up" and
// is stored again as "Wake up|", however often it is opened and saved.
std::string EditorText(const std::string& stored);

// The stored form of the lines as the editor shows them (a wrapped line is a
// line of its own): each line without its trailing blanks, followed by "|".
// No lines at all store as one empty line, "|".
std::string StoredText(const std::vector<std::string>& lines);
