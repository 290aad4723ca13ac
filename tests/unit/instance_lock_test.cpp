// The one-copy guard: one guard for a folder whatever path reaches it, waking
// the first copy, giving up on one that never answers, and other users.
#include "core/platform/instance_lock.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "test_support.h"

namespace fs = std::filesystem;
using State = InstanceLock::State;
using namespace std::chrono_literals;

namespace {

class InstanceLockTest : public ::testing::Test {
 protected:
  InstanceLockTest() { fs::create_directories("alarms"); }

  std::unique_ptr<InstanceLock> Lock(const fs::path& folder,
                                     std::chrono::milliseconds patience = InstanceLock::kPatience) {
    return std::make_unique<InstanceLock>(folder, m_folder.path() / "guards", patience);
  }
  fs::path SocketPath() const {
    return m_folder.path() / "guards" / (InstanceLockName("alarms") + ".sock");
  }

  ScratchFolder m_folder;
};

// Runs act as the user nobody in a child process that stays until the object
// ends.
class AsNobody {
 public:
  explicit AsNobody(bool (*act)(const fs::path& socket), const fs::path& socket) {
    int ready[2];
    if (pipe(ready) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      if (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && act(socket) &&
          write(ready[1], "!", 1) == 1)
        pause();
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
  const auto first = Lock("alarms");
  ASSERT_EQ(first->state(), State::First) << first->error();
  EXPECT_TRUE(fs::is_empty("alarms"));

  fs::rename("alarms", "moved");
  fs::create_directory_symlink(m_folder.path() / "moved", "link");
  for (const char* path : {"moved", "link", "link/../moved/.", "link/"}) {
    EXPECT_EQ(Lock(path)->state(), State::Another) << path;
  }
  fs::create_directory("other");
  EXPECT_EQ(Lock("other")->state(), State::First);
  EXPECT_TRUE(first->Guards("link"));
  EXPECT_FALSE(first->Guards("other"));
}

TEST_F(InstanceLockTest, ALaterCopyWakesTheFirstAndTheGuardEndsWithIt) {
  using Tokens = std::vector<std::string>;
  auto first = Lock("alarms");
  ASSERT_GE(first->wakeSocket(), 0);
  EXPECT_EQ(first->TakeWakeRequests(), Tokens());
  const auto second = Lock("alarms");
  ASSERT_EQ(second->state(), State::Another);
  EXPECT_EQ(first->TakeWakeRequests(), Tokens{""}) << "a request without a token is answered";
  EXPECT_TRUE(second->WakeFirst());
  Lock("alarms");  // ends before the first copy answers
  EXPECT_EQ(first->TakeWakeRequests(), Tokens());
  EXPECT_EQ(InstanceLock("alarms", m_folder.path() / "guards", 0ms, false).state(), State::Another);
  EXPECT_EQ(first->TakeWakeRequests(), Tokens()) << "a copy that does not ask is not answered";

  // The launcher's activation token reaches the first copy with the request,
  // however long it may be; one sent a moment after connecting too.
  for (const std::string& token : {std::string("kwin-1234_TIME5"), std::string(256, 't')}) {
    const auto third = Lock("alarms");
    std::thread ask([&third, &token] { EXPECT_TRUE(third->WakeFirst(token)); });
    EXPECT_EQ(first->TakeWakeRequests(), Tokens{token});
    ask.join();
  }
  std::thread late([this] {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, SocketPath().c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(send(fd, "late\n", 5, 0), 5);
    char byte = 0;
    EXPECT_EQ(recv(fd, &byte, 1, 0), 1);
    close(fd);
  });
  pollfd request{first->wakeSocket(), POLLIN, 0};
  ASSERT_EQ(poll(&request, 1, 2000), 1);
  EXPECT_EQ(first->TakeWakeRequests(), Tokens{"late"});
  late.join();

  first.reset();
  const auto next = Lock("alarms");
  EXPECT_EQ(next->state(), State::First);
  EXPECT_FALSE(next->WakeFirst());  // only a later copy wakes the first
}

// A stopped first copy: its queue of requests fills, and no answer comes.
TEST_F(InstanceLockTest, AFirstCopyThatNeverAnswersEndsALaterStart) {
  const auto first = Lock("alarms");
  std::vector<std::unique_ptr<InstanceLock>> waiting;
  for (int i = 0; i < 40; ++i) waiting.push_back(Lock("alarms", 0ms));
  const auto later = Lock("alarms");
  EXPECT_EQ(later->state(), State::Another);
  EXPECT_FALSE(later->WakeFirst());
}

// A first copy busy for about a second (a slow paint, a loaded machine).
TEST_F(InstanceLockTest, AFirstCopyThatAnswersAfterASecondIsFound) {
  const auto first = Lock("alarms");
  const auto second = Lock("alarms");
  std::thread answer([&first] {
    std::this_thread::sleep_for(1s);
    first->TakeWakeRequests();
  });
  EXPECT_TRUE(second->WakeFirst());
  answer.join();
}

// A guard folder another user made first, or one a tmp cleaner deleted, only
// leaves the copy unreachable: a second copy never runs beside it.
TEST_F(InstanceLockTest, AGuardFolderTakenOrDeletedNeverLetsTwoCopiesRun) {
  EXPECT_NE(Lock("missing")->error().find("missing: No such file"), std::string::npos);
  const auto makeFolder = [](fs::perms mode) {
    return [mode] {
      fs::create_directory("guards");
      fs::permissions("guards", mode);
    };
  };
  const auto makeLink = [] {
    fs::create_directory("mine");
    fs::permissions("mine", fs::perms::owner_all);
    fs::create_directory_symlink("mine", "guards");
  };
  const std::vector<std::function<void()>> taken = {
      makeFolder(fs::perms::owner_all | fs::perms::group_exec), makeFolder(fs::perms::all),
      [] { std::ofstream("guards") << "x"; }, makeLink};
  for (std::size_t i = 0; i < taken.size(); ++i) {
    taken[i]();
    const auto first = Lock("alarms");
    EXPECT_EQ(first->state(), State::First) << i;
    EXPECT_NE(first->error().find("guards is not a folder private to this user"), std::string::npos)
        << i << ": " << first->error();
    EXPECT_EQ(Lock("alarms", 0ms)->state(), State::Another) << i;
    fs::remove_all("guards");
    fs::remove_all("mine");
  }

  const auto first = Lock("alarms");
  ASSERT_EQ(first->state(), State::First);
  fs::remove_all("guards");
  EXPECT_EQ(Lock("alarms", 0ms)->state(), State::Another) << "guard folder deleted";
}

// The session's runtime folder holds the guards only when it is this user's
// alone.
TEST_F(InstanceLockTest, TheRuntimeFolderServesOnlyWhenPrivate) {
  const fs::path own = fs::path("run") / std::to_string(geteuid());
  const fs::path home = fs::path(getpwuid(geteuid())->pw_dir) / ".cache" / "tockmere";
  using P = fs::perms;
  for (const P mode :
       {P::owner_all, P::owner_all | P::others_read | P::others_exec,
        P::owner_all | P::group_read | P::group_exec, P::owner_all | P::others_all}) {
    fs::create_directories(own);
    fs::permissions(own, mode);
    EXPECT_EQ(GuardFolder("run"), mode == P::owner_all ? own / "tockmere" : home)
        << static_cast<int>(mode);
    fs::remove_all("run");
  }
  fs::create_directories("run/real");
  fs::permissions("run/real", P::owner_all);
  fs::create_directory_symlink("real", own);
  EXPECT_EQ(GuardFolder("run"), home) << "a symlink";
}
// Anyone may bind any abstract socket name: one named from the user and the
// folder, held by a socket whose queue is full, is no copy of this user's.
TEST_F(InstanceLockTest, ASocketAnyoneCouldBindDoesNotStopAStart) {
  struct stat folder {};
  ASSERT_EQ(stat("alarms", &folder), 0);
  const std::string name = "tockmere-" + std::to_string(getuid()) + "-" +
                           std::to_string(folder.st_dev) + "-" + std::to_string(folder.st_ino);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  std::vector<int> held = {socket(AF_UNIX, SOCK_STREAM, 0)};
  ASSERT_EQ(bind(held[0], where, length), 0);
  ASSERT_EQ(listen(held[0], 0), 0);
  for (int i = 0; i < 3; ++i) {
    held.push_back(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0));
    connect(held.back(), where, length);
  }
  EXPECT_EQ(Lock("alarms")->state(), State::First);
  for (const int fd : held) close(fd);
}

// Another user can neither hold this user's guard nor wake the first copy,
// even through a guard opened to others after it was taken.
TEST_F(InstanceLockTest, AnotherUserCanNeitherStopNorWakeACopy) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  fs::create_directory("guards");
  fs::permissions("guards", fs::perms::owner_all);
  ASSERT_EQ(chown("guards", 65534, 65534), 0);
  {
    const auto foreign = Lock("alarms");
    EXPECT_EQ(foreign->state(), State::First);
    EXPECT_NE(foreign->error().find("(owner uid 65534, mode 0700)"), std::string::npos)
        << foreign->error();
  }

  ASSERT_EQ(chown("guards", 0, 0), 0);
  const auto first = Lock("alarms");
  ASSERT_EQ(first->state(), State::First);
  for (const fs::path& path : {m_folder.path(), m_folder.path() / "guards", SocketPath()}) {
    fs::permissions(path, fs::perms::others_all, fs::perm_options::add);
  }
  const AsNobody caller(
      [](const fs::path& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        return connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
      },
      SocketPath());
  ASSERT_TRUE(caller.ready());
  EXPECT_TRUE(first->TakeWakeRequests().empty());
}

// Another user who may read the alarms folder locks it: the copy still runs,
// guarded by the lock file of its own guard folder.
TEST_F(InstanceLockTest, AnotherUsersLockOnTheFolderNeitherStopsNorDoubles) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  for (fs::path up = fs::current_path(); up != up.root_path(); up = up.parent_path()) {
    fs::permissions(up, fs::perms::others_exec, fs::perm_options::add);
  }
  fs::permissions("alarms", fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
  const AsNobody locker(
      [](const fs::path& folder) {
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        return fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
      },
      fs::current_path() / "alarms");
  ASSERT_TRUE(locker.ready());
  const auto first = Lock("alarms", 0ms);
  EXPECT_EQ(first->state(), State::First) << first->error();
  EXPECT_EQ(Lock("alarms", 0ms)->state(), State::Another);
}
