#include "core/store/alarms_folder.h"

#include <cstdio>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

void AlarmsFolder::Say(const char* before, const char* after, const std::error_code& error) const {
  std::string line = std::string("tockmere: ") + before + "the alarms folder " + m_path.string();
  line += after;
  if (error) line += ": " + error.message();
  std::fprintf(stderr, "%s\n", line.c_str());
}

bool AlarmsFolder::ReenterAlarmsFolder(bool make) const {
  if (m_path.empty()) return true;
  std::error_code error;
  if (fs::equivalent(".", m_path, error)) return true;
  const bool made = !fs::is_directory(m_path, error);
  if (made) {
    if (!make) return false;
    fs::create_directories(m_path, error);
    if (error) {
      Say("cannot make ", " again", error);
      return false;
    }
  }
  fs::current_path(m_path, error);
  if (error) {
    Say("cannot enter ", "", error);
    return false;
  }
  if (made) {
    Say("made ", " again (it was gone)");
  } else {
    Say("working in ", " again");
  }
  if (m_entered) m_entered();
  return true;
}
