#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/model/core_ui.h"
#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "tockmere-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  m_path = pattern;
  m_oldCwd = fs::current_path();
  fs::current_path(m_path);
  setenv("XDG_CONFIG_HOME", (m_path / "config").c_str(), 1);
}

ScratchFolder::~ScratchFolder() {
  fs::current_path(m_oldCwd);
  std::error_code ignored;
  fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(m_path, ignored);
}

std::string ScratchFolder::Read(const std::string& name) const {
  std::ifstream in(m_path / name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const {
  fs::create_directories((m_path / name).parent_path());
  std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
  out << content;
}

ZoneGuard::ZoneGuard(const char* zone) {
  const char* old = std::getenv("TZ");
  m_hadOld = old != nullptr;
  if (m_hadOld) m_old = old;
  setenv("TZ", zone, 1);
  tzset();
}

ZoneGuard::~ZoneGuard() {
  if (m_hadOld) {
    setenv("TZ", m_old.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
