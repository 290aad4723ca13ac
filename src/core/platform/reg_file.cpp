#include "core/platform/reg_file.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/platform/text_parts.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameRegName(text.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A quoted text starting at text[0] == '"', with \\ and \" unescaped; pos is
// left after the closing quote. Nothing when the quote is never closed.
std::optional<std::string> ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string result;
  for (pos = 1; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '"') {
      ++pos;
      return result;
    }
    if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
      ++pos;
    }
    result += text[pos];
  }
  return std::nullopt;
}

// Fills name and dataText when the line is a value: "name"=data or @=data.
void ReadValueLine(std::string_view line, RegEntry& entry) {
  std::string_view rest = Trimmed(line);
  std::string name;
  if (rest.starts_with('@')) {
    rest.remove_prefix(1);
  } else if (rest.starts_with('"')) {
    std::size_t end = 0;
    std::optional<std::string> quoted = ReadQuoted(rest, end);
    if (!quoted) return;
    name = *quoted;
    rest.remove_prefix(end);
  } else {
    return;
  }
  rest = Trimmed(rest);
  if (!rest.starts_with('=')) return;
  entry.isValue = true;
  entry.name = name;
  entry.dataText = std::string(Trimmed(rest.substr(1)));
}

std::optional<std::string> StringData(std::string_view data) {
  std::size_t end = 0;
  std::optional<std::string> text = ReadQuoted(data, end);
  if (!text) return std::nullopt;
  *text += '\0';
  return text;
}

std::optional<std::string> DwordData(std::string_view digits) {
  digits = Trimmed(digits);
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// "aa,bb,..." with blanks allowed around the commas.
std::optional<std::string> HexBytes(std::string_view list) {
  std::string bytes;
  std::size_t pos = 0;
  const auto skipBlanks = [&] {
    while (pos < list.size() && (list[pos] == ' ' || list[pos] == '\t')) ++pos;
  };
  skipBlanks();
  while (pos < list.size()) {
    int value = 0;
    int digits = 0;
    for (; pos < list.size() && digits < 2 && HexDigit(list[pos]) >= 0; ++pos, ++digits) {
      value = value * 16 + HexDigit(list[pos]);
    }
    if (digits == 0) return std::nullopt;
    bytes += static_cast<char>(value);
    skipBlanks();
    if (pos == list.size()) break;
    if (list[pos] != ',') return std::nullopt;
    ++pos;
    skipBlanks();
  }
  return bytes;
}

// hex:... or hex(n):...
std::optional<std::string> HexData(std::string_view data) {
  const std::size_t colon = data.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view kind = data.substr(0, colon);
  if (kind.size() != 3 && !(kind.size() > 5 && kind[3] == '(' && kind.back() == ')')) {
    return std::nullopt;
  }
  return HexBytes(data.substr(colon + 1));
}

std::string Escaped(std::string_view text) {
  std::string result;
  for (const char c : text) {
    if (c == '\\' || c == '"') result += '\\';
    result += c;
  }
  return result;
}

// A string of the .reg form: in double quotes, with \ and " escaped.
std::string Quoted(std::string_view text) {
  std::string result = "\"";
  result += Escaped(text);
  result += '"';
  return result;
}

}  // namespace

bool ContinuesOnNextLine(const RegEntry& entry) {
  return entry.isValue && StartsWithNoCase(entry.dataText, "hex") && entry.dataText.ends_with('\\');
}

bool SameRegName(std::string_view a, std::string_view b) {
  return EqualsNoCase(a, b);
}

RegFile ParseRegText(std::string_view text) {
  while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  RegFile file;
  bool continued = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    while (line.ends_with('\r')) line.remove_suffix(1);

    const std::string_view trimmed = Trimmed(line);
    const bool header = trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
    // Hex data goes on over lines ending in "\"; a key's header or a blank
    // line ends it, so data left open can never swallow the next key.
    if (continued && !header) {
      RegEntry& entry = file.sections.back().entries.back();
      entry.text += '\n';
      entry.text += line;
      entry.dataText.pop_back();
      entry.dataText += trimmed;
      continued = !trimmed.empty() && ContinuesOnNextLine(entry);
      continue;
    }
    continued = false;
    if (header) {
      file.sections.push_back(
          {std::string(line), std::string(trimmed.substr(1, trimmed.size() - 2)), {}});
    } else if (file.sections.empty()) {
      file.preamble.emplace_back(line);
    } else {
      RegEntry entry;
      entry.text = std::string(line);
      ReadValueLine(line, entry);
      continued = ContinuesOnNextLine(entry);
      file.sections.back().entries.push_back(std::move(entry));
    }
  }
  return file;
}

std::string FormatRegText(const RegFile& file) {
  std::string text;
  for (const std::string& line : file.preamble) {
    text += line;
    text += '\n';
  }
  for (const RegSection& section : file.sections) {
    text += section.header;
    text += '\n';
    for (const RegEntry& entry : section.entries) {
      text += entry.text;
      text += '\n';
    }
  }
  return text;
}

std::optional<std::string> RegValueData(const RegEntry& entry) {
  if (!entry.isValue) return std::nullopt;
  const std::string_view data = entry.dataText;
  if (data.starts_with('"')) return StringData(data);
  if (StartsWithNoCase(data, "dword:")) return DwordData(data.substr(6));
  if (StartsWithNoCase(data, "hex")) return HexData(data);
  return std::nullopt;
}

RegEntry MakeStringEntry(std::string_view name, std::string_view value) {
  RegEntry entry;
  entry.isValue = true;
  entry.name = std::string(name);
  entry.dataText = Quoted(value);
  entry.text = name.empty() ? std::string("@") : Quoted(name);
  entry.text += "=";
  entry.text += entry.dataText;
  return entry;
}
