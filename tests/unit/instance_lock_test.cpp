// The one-copy guard: one name for a folder whatever path reaches it, waking
// the first copy, giving up on one that never answers, and other users.
#include "core/platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "test_support.h"

namespace fs = std::filesystem;
using State = InstanceLock::State;
using namespace std::chrono_literals;

namespace {

class InstanceLockTest : public ::testing::Test {
 protected:
  InstanceLockTest() { fs::create_directories("alarms"); }

  ScratchFolder m_folder;
};

// Runs act as the user nobody in a child process that stays until the object
// ends; act's socket is what the child holds.
class AsNobody {
 public:
  explicit AsNobody(int (*act)(int fd, const sockaddr* address, socklen_t length)) {
    sockaddr_un address{};
    const socklen_t length = AbstractSocketAddress(InstanceLockName("alarms"), address);
    int ready[2];
    if (pipe(ready) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      if (setuid(65534) == 0 && act(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
          write(ready[1], "!", 1) == 1) {
        pause();
      }
      _exit(0);
    }
    close(ready[1]);
    char byte = 0;
    m_ready = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
  }
  ~AsNobody() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
  }
  AsNobody(const AsNobody&) = delete;
  AsNobody& operator=(const AsNobody&) = delete;

  bool ready() const { return m_ready; }

 private:
  pid_t m_pid = -1;
  bool m_ready = false;
};

}  // namespace

TEST_F(InstanceLockTest, EveryPathToTheFolderFindsTheSameGuard) {
  InstanceLock first("alarms");
  ASSERT_EQ(first.state(), State::First);
  EXPECT_TRUE(fs::is_empty("alarms"));

  fs::rename("alarms", "moved");
  fs::create_directory_symlink(m_folder.path() / "moved", "link");
  for (const char* path : {"moved", "link", "link/../moved/.", "link/"}) {
    const InstanceLock lock(path);
    EXPECT_EQ(lock.state(), State::Another) << path << ": " << lock.error();
  }
  fs::create_directory("other");
  EXPECT_EQ(InstanceLock("other").state(), State::First);
}

TEST_F(InstanceLockTest, ALaterCopyWakesTheFirstAndTheNameEndsWithIt) {
  auto first = std::make_unique<InstanceLock>("alarms");
  ASSERT_GE(first->wakeSocket(), 0);
  EXPECT_EQ(first->TakeWakeRequests(), 0);
  InstanceLock second("alarms");
  ASSERT_EQ(second.state(), State::Another);
  EXPECT_EQ(first->TakeWakeRequests(), 1);
  EXPECT_TRUE(second.WakeFirst());
  {
    const InstanceLock gaveUp("alarms");  // ends before the first copy answers
  }
  EXPECT_EQ(first->TakeWakeRequests(), 0);

  first.reset();
  InstanceLock next("alarms");
  EXPECT_EQ(next.state(), State::First);
  EXPECT_FALSE(next.WakeFirst());  // only a later copy wakes the first
}

// A stopped first copy: its queue of requests fills, and no answer comes.
TEST_F(InstanceLockTest, AFirstCopyThatNeverAnswersEndsALaterStart) {
  const InstanceLock first("alarms");
  std::vector<std::unique_ptr<InstanceLock>> waiting;
  for (int i = 0; i < 40; ++i) waiting.push_back(std::make_unique<InstanceLock>("alarms", 0ms));
  InstanceLock later("alarms");
  EXPECT_EQ(later.state(), State::Another);
  EXPECT_FALSE(later.WakeFirst());
}

TEST_F(InstanceLockTest, WithoutAGuardTheCopyRunsAndSaysWhy) {
  const InstanceLock missing("missing");
  EXPECT_EQ(missing.state(), State::Unguarded);
  EXPECT_NE(missing.error().find("missing: No such file"), std::string::npos) << missing.error();

  // Bound, never listening.
  sockaddr_un address{};
  const socklen_t length = AbstractSocketAddress(InstanceLockName("alarms"), address);
  const int squatter = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(squatter, reinterpret_cast<const sockaddr*>(&address), length), 0);
  const InstanceLock refused("alarms", 100ms);
  EXPECT_EQ(refused.state(), State::Unguarded);
  EXPECT_NE(refused.error().find("takes no connections"), std::string::npos) << refused.error();
  close(squatter);
}

// Another user can neither hold this user's guard nor wake the first copy.
TEST_F(InstanceLockTest, AnotherUserCanNeitherStopNorWakeACopy) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  {
    const AsNobody squatter([](int fd, const sockaddr* address, socklen_t length) {
      return bind(fd, address, length) == 0 && listen(fd, 1) == 0 ? 0 : -1;
    });
    ASSERT_TRUE(squatter.ready());
    const InstanceLock lock("alarms");
    EXPECT_EQ(lock.state(), State::Unguarded);
    EXPECT_NE(lock.error().find("another user (uid 65534)"), std::string::npos) << lock.error();
  }
  InstanceLock first("alarms");
  ASSERT_EQ(first.state(), State::First);
  const AsNobody caller([](int fd, const sockaddr* address, socklen_t length) {
    return connect(fd, address, length);
  });
  ASSERT_TRUE(caller.ready());
  EXPECT_EQ(first.TakeWakeRequests(), 0);
}
