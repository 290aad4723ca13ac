#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/platform/reg_file.h"
#include "core/platform/text_encoding.h"

// The settings registry: keys and values kept in one file of the .reg text
// form, $XDG_CONFIG_HOME/Tockmere/registry.reg (XDG_CONFIG_HOME defaults to
// ~/.config). Key names are full paths such as
// "HKEY_LOCAL_MACHINE\Software\Tockmere"; key and value names are compared
// without regard to letter case.
std::filesystem::path RegistryFilePath();

class RegistryKey {
 public:
  // Opens an existing key: the file exists, can be read and holds the key. The
  // file may be UTF-8 or, as a registry editor exports it, UTF-16 with its
  // byte-order mark; it is written back whole in the encoding it came in.
  bool Open(std::string_view keyName);
  // Opens the key, adding it when it is missing. False when the folder cannot
  // be made or an existing file cannot be read. The file is written by Close.
  bool Create(std::string_view keyName);
  // The data of a value, as the registry hands it to a buffer of bufferSize
  // bytes: false when the value is missing, unreadable or longer than that.
  bool QueryValue(std::string_view name, std::size_t bufferSize, std::string& data) const;
  // Sets a string value; it reaches the file at Close.
  void SetStringValue(std::string_view name, std::string_view text);
  // Writes the changes, whole or not at all, and closes the key. False when
  // they could not be written.
  bool Close();
  // Why the last Open, Create or Close failed, in words.
  const std::string& Problem() const { return m_problem; }

 private:
  bool Load(bool mayBeMissing);
  RegEntry* FindValue(std::string_view name);
  const RegEntry* FindValue(std::string_view name) const;
  RegSection* LastSectionOfKey();

  RegFile m_file;
  std::string m_keyName;
  bool m_open = false;
  bool m_changed = false;
  TextEncoding m_encoding = TextEncoding::Utf8;
  bool m_crLf = false;
  std::string m_problem;
};
