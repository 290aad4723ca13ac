#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The .reg text form of the file that holds the settings key:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Tockmere]
//   "Sound"="0"
//   "Other"=dword:00000001
//   "Bytes"=hex:01,02,03
//
// Hex data may go on over the next line after a trailing backslash.
// Parsing keeps every line as it stands, so that writing the file back keeps
// keys, values and comments that this program does not know.

// One line of a section, or a value continued over several lines.
struct RegEntry {
  std::string text;      // as it stands in the file; continued lines joined by "\n"
  bool isValue = false;  // text is "name"=data or @=data
  std::string name;      // the value's name; empty for @, the default value
  std::string dataText;  // what follows "=", continuation backslashes removed
};

struct RegSection {
  std::string header;   // the "[...]" line as it stands
  std::string keyName;  // the key path inside the brackets
  std::vector<RegEntry> entries;
};

struct RegFile {
  std::vector<std::string> preamble;  // the lines before the first section
  std::vector<RegSection> sections;
};

RegFile ParseRegText(std::string_view text);
std::string FormatRegText(const RegFile& file);

// The data of a value as the registry holds it: a string with its terminating
// zero byte, a dword as four bytes with the lowest first, hex bytes as listed.
// Nothing for a value deleted ("-") or whose data cannot be read.
std::optional<std::string> RegValueData(const RegEntry& entry);

// A string value entry, with \ and " escaped.
RegEntry MakeStringEntry(std::string_view name, std::string_view value);

// Hex data goes on over the next line when its line ends in a backslash.
bool ContinuesOnNextLine(const RegEntry& entry);

// Key and value names are compared without regard to letter case.
bool SameRegName(std::string_view a, std::string_view b);
