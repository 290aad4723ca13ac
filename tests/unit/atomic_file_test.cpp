// A save killed half-way leaves nothing beside the file, and a start removes
// what a killed save of an earlier run left, but nothing else: neither a
// user's file nor the temporary of a save still running.
#include "core/platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// What runs at the start of each rename of this process: a save's last step.
std::function<void()> g_beforeRename;

}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
  if (g_beforeRename) g_beforeRename();
  return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

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

// Nothing is written under the temporary's name before it is whole (where
// the file system has files without a name, as here).
TEST(AtomicFile, ASaveWritesNoFileUnderItsName) {
  ScratchFolder folder;
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(inotify_add_watch(watch, ".", IN_MODIFY), 0);
  ASSERT_TRUE(WriteFileAtomically("alarms.txt", "new"));
  alignas(inotify_event) char events[4096];
  const ssize_t n = read(watch, events, sizeof events);
  for (const char* p = events; p < events + n; p += sizeof(inotify_event)) {
    const auto* event = reinterpret_cast<const inotify_event*>(p);
    EXPECT_FALSE(std::string_view(event->name).starts_with(".alarms.txt.")) << event->name;
    p += event->len;
  }
  close(watch);
}

// A copy starting while another's save has named its temporary and not yet
// renamed it leaves it: that save still succeeds.
TEST(AtomicFile, ASaveSurvivesACopyStartingBeforeItsRename) {
  ScratchFolder folder;
  folder.Write("config/Tockmere/registry.reg", "old");
  SettingsStore starting;
  g_beforeRename = [&starting] { starting.LoadSettings(); };
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(SettingsStore().WriteSettings());
  g_beforeRename = nullptr;
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_NE(folder.Read("config/Tockmere/registry.reg").find("\"Sound\""), std::string::npos);
}

TEST(AtomicFile, AStartRemovesOnlyTheLeftoversOfKilledSaves) {
  ScratchFolder folder;
  const std::vector<std::string> leftovers = {".alarms.txt.tockmere-save-a1B2c3",
                                              ".alarms.txt.bak.tockmere-save-Zz9Yy8",
                                              "config/Tockmere/.registry.reg.tockmere-save-Q7w8E9"};
  std::vector<std::string> kept = {".alarms.txt.backup",
                                   ".alarms.txt.2026v1",
                                   ".alarms.txt.bak.old001",
                                   ".alarms.txt.notmine",
                                   ".other.txt.tockmere-save-a1B2c3",
                                   "alarms.txt.tockmere-save-a1B2c3",
                                   ".alarms.txt.tockmere-save-a1B2c",
                                   ".alarms.txt.tockmere-save-Saving"};
  for (const std::string& name : leftovers) folder.Write(name, "x");
  for (const std::string& name : kept) folder.Write(name, "x");
  folder.Write("config/Tockmere/.registry.reg.backup", "x");
  // Another user's file (where the test may give one away).
  folder.Write(".alarms.txt.tockmere-save-Theirs", "x");
  if (chown(".alarms.txt.tockmere-save-Theirs", 65534, 65534) == 0) {
    kept.push_back(".alarms.txt.tockmere-save-Theirs");
  }
  // A save of another copy that is still running holds its file locked.
  const int running = open(".alarms.txt.tockmere-save-Saving", O_RDONLY | O_CLOEXEC);
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
  EXPECT_EQ(Names(folder.path() / "config/Tockmere"),
            std::vector<std::string>{".registry.reg.backup"});
}

}  // namespace
