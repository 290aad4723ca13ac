#pragma once

#include <filesystem>
#include <string>

// Runs a test in a fresh temporary folder (the working directory, which holds
// alarms.txt) with its own XDG_CONFIG_HOME.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  // The whole content of a file below the folder ("" when it is missing).
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path m_path;
  std::filesystem::path m_oldCwd;
};

// Sets TZ for the life of the object and restores the old value.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone);
  ~ZoneGuard();
  ZoneGuard(const ZoneGuard&) = delete;
  ZoneGuard& operator=(const ZoneGuard&) = delete;

 private:
  std::string m_old;
  bool m_hadOld;
};
