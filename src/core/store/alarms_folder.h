#pragma once

#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

// The folder the user named for alarms.txt (--folder, or the default one).
// The program works in it: it is the current directory, and alarms.txt is
// named relative to it. When the folder is deleted, or moved aside and a new
// one made under the same name, while the program runs, the current directory
// is no longer that folder: the program finds it again by its path.

class AlarmsFolder {
 public:
  // The folder by its absolute path. Empty names none: the current directory
  // is then never changed.
  explicit AlarmsFolder(std::filesystem::path path = {}) : m_path(std::move(path)) {}
  const std::filesystem::path& Path() const { return m_path; }
  // entered runs each time the program has entered the folder again.
  void WhenEnteredAgain(std::function<void()> entered) { m_entered = std::move(entered); }

  // Makes the named folder the current directory again when it no longer is,
  // creating it (and the folders above it) first when `make` is set and it does
  // not exist; says on stderr what it did. False when there is no folder to work
  // in.
  bool ReenterAlarmsFolder(bool make) const;

 private:
  // "tockmere: <before> the alarms folder <path><after>", with the error's text.
  void Say(const char* before, const char* after, const std::error_code& error = {}) const;

  std::filesystem::path m_path;
  std::function<void()> m_entered;
};
