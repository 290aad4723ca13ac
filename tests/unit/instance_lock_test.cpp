// The one-copy lock: where it lives, who holds it, waking the first copy, and
// running without it when no lock file can be made.
#include "core/platform/instance_lock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class EnvGuard {
 public:
  EnvGuard(const char* name, const std::string& value) : m_name(name) {
    const char* old = std::getenv(name);
    m_hadOld = old != nullptr;
    if (m_hadOld) m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~EnvGuard() {
    if (m_hadOld) {
      setenv(m_name, m_old.c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  const char* m_name;
  std::string m_old;
  bool m_hadOld = false;
};

class InstanceLockTest : public ::testing::Test {
 protected:
  InstanceLockTest() {
    fs::create_directories("runtime");
    fs::create_directories("alarms");
  }

  ScratchFolder m_folder;
  EnvGuard m_runtime{"XDG_RUNTIME_DIR", (m_folder.path() / "runtime").string()};
  EnvGuard m_cache{"XDG_CACHE_HOME", (m_folder.path() / "cache").string()};
};

}  // namespace

TEST_F(InstanceLockTest, OneCopyPerFolderAndTheLockStaysOutOfTheFolder) {
  InstanceLock first("alarms");
  ASSERT_EQ(first.state(), InstanceLock::State::First);
  EXPECT_EQ(first.lockPath().parent_path(), m_folder.path() / "runtime");
  EXPECT_TRUE(fs::is_empty("alarms"));

  // Another path to the same folder finds the same lock.
  fs::create_directory_symlink(m_folder.path() / "alarms", "link");
  InstanceLock second("link/../alarms/.");
  EXPECT_EQ(second.state(), InstanceLock::State::Another);
  InstanceLock third("link");
  EXPECT_EQ(third.state(), InstanceLock::State::Another);

  fs::create_directory("other");
  InstanceLock elsewhere("other");
  EXPECT_EQ(elsewhere.state(), InstanceLock::State::First);
}

TEST_F(InstanceLockTest, ALaterCopyWakesTheFirstThroughItsSocket) {
  auto first = std::make_unique<InstanceLock>("alarms");
  ASSERT_GE(first->wakeSocket(), 0);
  EXPECT_EQ(first->TakeWakeRequests(), 0);
  InstanceLock second("alarms");
  ASSERT_EQ(second.state(), InstanceLock::State::Another);
  EXPECT_TRUE(second.WakeFirst(0));
  EXPECT_TRUE(second.WakeFirst(0));
  EXPECT_EQ(first->TakeWakeRequests(), 2);
  EXPECT_EQ(first->TakeWakeRequests(), 0);

  // When the first copy ends, the next one takes the lock and its socket.
  first.reset();
  EXPECT_FALSE(second.WakeFirst(0));
  InstanceLock next("alarms");
  ASSERT_EQ(next.state(), InstanceLock::State::First);
  InstanceLock later("alarms");
  EXPECT_TRUE(later.WakeFirst(0));
  EXPECT_EQ(next.TakeWakeRequests(), 1);
  EXPECT_FALSE(next.WakeFirst(0));  // only a later copy wakes the first
}

TEST_F(InstanceLockTest, WithoutAUsableRuntimeFolderTheLockGoesToTheCache) {
  m_folder.Write("not-a-folder", "");
  const EnvGuard runtime("XDG_RUNTIME_DIR", (m_folder.path() / "not-a-folder").string());
  InstanceLock first("alarms");
  ASSERT_EQ(first.state(), InstanceLock::State::First);
  EXPECT_EQ(first.lockPath().parent_path(), m_folder.path() / "cache/tockmere");
  InstanceLock second("alarms");
  EXPECT_EQ(second.state(), InstanceLock::State::Another);
}

TEST_F(InstanceLockTest, NoLockAnywhereLetsTheCopyRunAndSaysWhy) {
  m_folder.Write("not-a-folder", "");
  const EnvGuard runtime("XDG_RUNTIME_DIR", (m_folder.path() / "not-a-folder").string());
  const EnvGuard cache("XDG_CACHE_HOME", (m_folder.path() / "not-a-folder/cache").string());
  InstanceLock lock("alarms");
  EXPECT_EQ(lock.state(), InstanceLock::State::NoLock);
  EXPECT_EQ(lock.wakeSocket(), -1);
  EXPECT_NE(lock.error().find("not-a-folder"), std::string::npos) << lock.error();
  EXPECT_NE(lock.error().find("Not a directory"), std::string::npos) << lock.error();
  EXPECT_FALSE(lock.WakeFirst(0));
}
