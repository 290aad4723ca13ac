#include "core/store/alarms_folder.h"

#include <cstdio>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path s_folder;

// "tockmere: <before> the alarms folder <path><after>", with the error's text.
void Say(const char* before, const char* after, const std::error_code& error = {}) {
  std::string line = std::string("tockmere: ") + before + "the alarms folder " + s_folder.string();
  line += after;
  if (error) line += ": " + error.message();
  std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

void SetAlarmsFolder(const fs::path& folder) {
  s_folder = folder;
}

const fs::path& AlarmsFolder() {
  return s_folder;
}

bool ReenterAlarmsFolder(bool make) {
  if (s_folder.empty()) return true;
  std::error_code error;
  if (fs::equivalent(".", s_folder, error)) return true;
  const bool made = !fs::is_directory(s_folder, error);
  if (made) {
    if (!make) return false;
    fs::create_directories(s_folder, error);
    if (error) {
      Say("cannot make ", " again", error);
      return false;
    }
  }
  fs::current_path(s_folder, error);
  if (error) {
    Say("cannot enter ", "", error);
    return false;
  }
  if (made) {
    Say("made ", " again (it was gone)");
  } else {
    Say("working in ", " again");
  }
  return true;
}
