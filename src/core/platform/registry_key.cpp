#include "core/platform/registry_key.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <system_error>
#include <utility>

#include "core/platform/atomic_file.h"
#include "core/platform/regular_file.h"

namespace {

std::filesystem::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : ".";
}

std::filesystem::path ConfigFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && *config == '/') return config;
  return HomeFolder() / ".config";
}

// True when the text's first line ends in CR LF.
bool EndsLinesInCrLf(std::string_view text) {
  const std::size_t end = text.find('\n');
  return end != std::string_view::npos && end > 0 && text[end - 1] == '\r';
}

std::string WithCrLf(std::string_view text) {
  std::string result;
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool IsKey(const RegSection& section, std::string_view keyName) {
  return SameRegName(section.keyName, keyName);
}

// The entry a new value goes after: the last one that is not blank.
std::vector<RegEntry>::iterator InsertionPoint(std::vector<RegEntry>& entries) {
  auto point = entries.end();
  while (point != entries.begin() && IsBlank(std::prev(point)->text)) {
    --point;
  }
  return point;
}

// Keys are set apart by a blank line.
void EndWithBlankLine(RegFile& file) {
  if (file.sections.empty()) {
    if (!file.preamble.empty() && !IsBlank(file.preamble.back())) file.preamble.emplace_back();
    return;
  }
  std::vector<RegEntry>& entries = file.sections.back().entries;
  if (entries.empty() || !IsBlank(entries.back().text)) entries.emplace_back();
}

}  // namespace

std::filesystem::path RegistryFilePath() {
  return ConfigFolder() / "Tockmere" / "registry.reg";
}

// A missing or empty file starts as regedit writes one. A file that cannot be
// read (a folder, a FIFO, no permission) is a key that cannot be opened.
bool RegistryKey::Load(bool mayBeMissing) {
  std::string bytes;
  const FileRead result = ReadRegularFile(RegistryFilePath(), bytes, &m_problem);
  if (result == FileRead::Missing && !mayBeMissing) m_problem = "it does not exist";
  if (result == FileRead::Unreadable || (result == FileRead::Missing && !mayBeMissing)) {
    return false;
  }
  DecodedText decoded = DecodeText(bytes);
  m_encoding = decoded.encoding;
  m_crLf = EndsLinesInCrLf(decoded.text);
  m_file = ParseRegText(decoded.text);
  if (m_file.sections.empty() &&
      std::all_of(m_file.preamble.begin(), m_file.preamble.end(), IsBlank)) {
    m_file.preamble = {"Windows Registry Editor Version 5.00", ""};
  }
  return true;
}

bool RegistryKey::Open(std::string_view keyName) {
  m_open = false;
  m_changed = false;
  if (!Load(false)) return false;
  for (const RegSection& section : m_file.sections) {
    if (IsKey(section, keyName)) {
      m_keyName = std::string(keyName);
      m_open = true;
    }
  }
  return m_open;
}

bool RegistryKey::Create(std::string_view keyName) {
  if (Open(keyName)) return true;
  std::error_code error;
  std::filesystem::create_directories(RegistryFilePath().parent_path(), error);
  if (error) m_problem = error.message();
  if (error || !Load(true)) return false;
  EndWithBlankLine(m_file);
  m_keyName = std::string(keyName);
  m_file.sections.push_back({"[" + m_keyName + "]", m_keyName, {}});
  m_open = true;
  m_changed = true;
  return true;
}

bool RegistryKey::QueryValue(std::string_view name, std::size_t bufferSize,
                             std::string& data) const {
  const RegEntry* entry = FindValue(name);
  if (entry == nullptr) return false;
  std::optional<std::string> bytes = RegValueData(*entry);
  if (!bytes || bytes->size() > bufferSize) return false;
  data = std::move(*bytes);
  return true;
}

void RegistryKey::SetStringValue(std::string_view name, std::string_view text) {
  if (!m_open) return;
  RegEntry value = MakeStringEntry(name, text);
  if (RegEntry* old = FindValue(name)) {
    *old = std::move(value);
  } else {
    std::vector<RegEntry>& entries = LastSectionOfKey()->entries;
    auto point = InsertionPoint(entries);
    // Hex data left open at the end of the file must not swallow the new value.
    if (point != entries.begin() && ContinuesOnNextLine(*std::prev(point))) {
      point = std::next(entries.insert(point, RegEntry{}));
    }
    entries.insert(point, std::move(value));
  }
  m_changed = true;
}

// The whole file is written in the encoding and with the line ends it was read in.
bool RegistryKey::Close() {
  const auto text = [this] {
    const std::string lines = FormatRegText(m_file);
    return EncodeText(m_crLf ? WithCrLf(lines) : lines, m_encoding);
  };
  const bool ok = !m_open || !m_changed || WriteFileAtomically(RegistryFilePath(), text());
  if (!ok) m_problem = std::strerror(errno);
  m_file = RegFile{};
  m_open = false;
  m_changed = false;
  return ok;
}

// A key may stand in the file more than once; as on import, a later value
// replaces an earlier one of the same name.
const RegEntry* RegistryKey::FindValue(std::string_view name) const {
  const RegEntry* found = nullptr;
  if (!m_open) return found;
  for (const RegSection& section : m_file.sections) {
    if (!IsKey(section, m_keyName)) continue;
    for (const RegEntry& entry : section.entries) {
      if (entry.isValue && SameRegName(entry.name, name)) found = &entry;
    }
  }
  return found;
}

RegEntry* RegistryKey::FindValue(std::string_view name) {
  return const_cast<RegEntry*>(std::as_const(*this).FindValue(name));
}

RegSection* RegistryKey::LastSectionOfKey() {
  RegSection* found = nullptr;
  for (RegSection& section : m_file.sections) {
    if (IsKey(section, m_keyName)) found = &section;
  }
  return found;
}
