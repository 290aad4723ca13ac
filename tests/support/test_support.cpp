#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "core/entry/typing_filter.h"
#include "core/model/core_ui.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_snapshot.h"
#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"

namespace fs = std::filesystem;

void ResetProgramState() {
  ResetAlarmTable();
  g_settings = AlarmSettings{};
  g_firstRun = false;
  g_clockSnapshot = ClockSnapshot{};
  g_timeKeyCount = 0;
  g_dateKeyCount = 0;
  g_currentType.clear();
  SetClock(nullptr);
  SetCoreUi(nullptr);
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "tockmere-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
  oldCwd_ = fs::current_path();
  fs::current_path(path_);
  setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
  ResetProgramState();
}

ScratchFolder::~ScratchFolder() {
  ResetProgramState();
  fs::current_path(oldCwd_);
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ScratchFolder::Read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const {
  fs::create_directories((path_ / name).parent_path());
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << content;
}

ZoneGuard::ZoneGuard(const char* zone) {
  const char* old = std::getenv("TZ");
  hadOld_ = old != nullptr;
  if (hadOld_) old_ = old;
  setenv("TZ", zone, 1);
  tzset();
}

ZoneGuard::~ZoneGuard() {
  if (hadOld_) {
    setenv("TZ", old_.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
