// A save killed half-way leaves nothing beside the file, and a start removes
// what a killed save of an earlier run left, but nothing else.
#include "core/platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The process is killed (as by kill -9) when its write passes the file size limit.
[[noreturn]] void KillSelf(int) {
  std::raise(SIGKILL);
  _exit(1);
}

TEST(AtomicFile, ASaveKilledHalfWayLeavesNothingBehind) {
  ScratchFolder folder;
  folder.Write("alarms.txt", "old");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, KillSelf);
    const rlimit small{100, 100};
    setrlimit(RLIMIT_FSIZE, &small);
    WriteFileAtomically("alarms.txt", std::string(1000, 'x'));
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"alarms.txt"});
  EXPECT_EQ(folder.Read("alarms.txt"), "old");
}

TEST(AtomicFile, AStartRemovesOnlyTheLeftoversOfKilledSaves) {
  ScratchFolder folder;
  const std::vector<std::string> leftovers = {".alarms.txt.a1B2c3", ".alarms.txt.bak.Zz9Yy8",
                                              "config/Tockmere/.registry.reg.Q7w8E9"};
  const std::vector<std::string> kept = {".alarms.txt.a1B2c", ".alarms.txt.notmine",
                                         ".other.txt.a1B2c3", "alarms.txt.a1B2c3",
                                         ".alarms.txt.Saving"};
  for (const std::string& name : leftovers) folder.Write(name, "x");
  for (const std::string& name : kept) folder.Write(name, "x");
  // A save of another copy that is still running holds its file locked.
  const int running = open(".alarms.txt.Saving", O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(running, LOCK_EX), 0);

  AlarmTable table;
  table.LoadAlarmsAtStartUp();
  SettingsStore settings;
  settings.LoadSettings();
  close(running);

  std::vector<std::string> expected = kept;
  expected.push_back("config");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(folder.path()), expected);
  EXPECT_TRUE(Names(folder.path() / "config/Tockmere").empty());
}

}  // namespace
