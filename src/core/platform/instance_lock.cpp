#include "core/platform/instance_lock.h"

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/platform/lock_holders.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRetryMs = 20;
constexpr int kBacklog = 8;
// A token is sent right after connecting; a request without one (from an
// older copy) is answered after this wait. Tokens are far shorter than the
// limit.
constexpr int kTokenWaitMs = 250;
constexpr std::size_t kMaxTokenBytes = 256;

int NewSocket() {
  return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// The socket's address; false when its path does not fit.
bool SocketAddress(const fs::path& path, sockaddr_un& address) {
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  const std::string& name = path.native();
  if (name.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
  return true;
}

// The uid of the process at the other end of a connected socket, or -1.
long PeerUid(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return -1;
  return static_cast<long>(peer.uid);
}

bool IsMine(int fd) {
  return PeerUid(fd) == static_cast<long>(geteuid());
}

std::string Failed(const std::string& what, const fs::path& path, int why) {
  return "cannot " + what + " " + path.string() + ": " + std::strerror(why);
}

// The token a later copy sends on its connection, up to the newline; empty
// when none comes within the wait.
std::string ReadToken(int client) {
  std::string token;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTokenWaitMs);
  while (token.size() <= kMaxTokenBytes) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return {};
    pollfd waiting{client, POLLIN, 0};
    const int ready = poll(&waiting, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready != 1) return {};
    char byte = 0;
    const ssize_t got = recv(client, &byte, 1, MSG_DONTWAIT);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got != 1) return {};
    if (byte == '\n') return token;
    token += byte;
  }
  return {};
}

}  // namespace

namespace {

bool IsPrivateFolder(const struct stat& info) {
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

std::string HomeFolder() {
  const passwd* user = getpwuid(geteuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

}  // namespace

// Not from XDG_RUNTIME_DIR nor HOME: every copy of the user must find the same
// guard folder, one started outside the desktop session (or with the variables
// set otherwise) as much as one started inside it.
fs::path GuardFolder(const fs::path& runRoot) {
  const fs::path session = runRoot / std::to_string(geteuid());
  struct stat info {};
  if (lstat(session.c_str(), &info) == 0 && IsPrivateFolder(info)) return session / "tockmere";
  return fs::path(HomeFolder()) / ".cache" / "tockmere";
}

std::string MakePrivateFolder(const fs::path& folder) {
  if (folder.is_relative()) return "no home folder for the guard folder";
  (void)mkdir(folder.parent_path().c_str(), 0700);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return Failed("make the guard folder", folder, errno);
  }
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return Failed("read the guard folder", folder, errno);
  if (IsPrivateFolder(info)) return {};
  char mode[8];
  std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
  return "the guard folder " + folder.string() +
         " is not a folder private to this user (owner uid " + std::to_string(info.st_uid) +
         ", mode " + mode + ")";
}

std::string InstanceLockName(const fs::path& alarmsFolder) {
  struct stat folder {};
  if (stat(alarmsFolder.c_str(), &folder) != 0) return {};
  return std::to_string(folder.st_dev) + "-" + std::to_string(folder.st_ino);
}

InstanceLock::InstanceLock(const fs::path& alarmsFolder, const fs::path& guardFolder,
                           std::chrono::milliseconds patience, bool ask)
    : m_deadline(std::chrono::steady_clock::now() + patience) {
  m_folderFd = open(alarmsFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat folder {};
  if (m_folderFd < 0 || fstat(m_folderFd, &folder) != 0) {
    m_error = alarmsFolder.string() + ": " + std::strerror(errno);
    return;
  }
  m_device = folder.st_dev;
  m_inode = folder.st_ino;
  m_guardError = MakePrivateFolder(guardFolder);
  const std::string name = std::to_string(m_device) + "-" + std::to_string(m_inode);
  m_lockPath = guardFolder / (name + ".lock");
  m_socketPath = guardFolder / (name + ".sock");
  // The holder may be ending, or not yet listening: try again until it is
  // clear who holds the folder. One that never listens is stopped or hung.
  while (!TryLock() && !(ask && m_guardError.empty() && TryReach())) {
    if (RemainingMs() == 0) {
      m_state = State::Another;
      if (m_error.empty()) m_error = m_guardError;
      return;
    }
    usleep(kRetryMs * 1000);
  }
}

InstanceLock::~InstanceLock() {
  if (m_wakeFd >= 0) {
    unlink(m_socketPath.c_str());  // while the lock still keeps the next holder out
    close(m_wakeFd);
  }
  if (m_firstFd >= 0) close(m_firstFd);
  if (m_lockFd >= 0) close(m_lockFd);
  if (m_folderFd >= 0) close(m_folderFd);
}

bool InstanceLock::Guards(const fs::path& alarmsFolder) const {
  struct stat folder {};
  return m_state != State::Unguarded && stat(alarmsFolder.c_str(), &folder) == 0 &&
         folder.st_dev == m_device && folder.st_ino == m_inode;
}

// Locks the alarms folder, and the lock file when the guard folder can be
// used; false when another copy of this user holds either.
bool InstanceLock::TryLock() {
  const Hold folder = LockFolder();
  if (folder == Hold::Held) return false;
  if (folder == Hold::Failed) return true;
  const Hold file = LockGuardFile();
  if (file == Hold::Held) {
    if (folder == Hold::Taken) flock(m_folderFd, LOCK_UN);
    return false;
  }
  if (folder == Hold::Taken || file == Hold::Taken) {
    m_state = State::First;
    if (file == Hold::Taken) Listen();
    return true;
  }
  m_error = "the alarms folder is locked by another user, and " + m_error;
  return true;
}

InstanceLock::Hold InstanceLock::LockFolder() {
  if (flock(m_folderFd, LOCK_EX | LOCK_NB) == 0) return Hold::Taken;
  if (errno == EINTR) return Hold::Held;
  if (errno != EWOULDBLOCK) {
    m_error = "cannot lock the alarms folder: " + std::string(std::strerror(errno));
    return Hold::Failed;
  }
  struct stat folder {};
  return fstat(m_folderFd, &folder) != 0 || HeldByThisUser(folder) ? Hold::Held : Hold::Foreign;
}

// Failed (error() says why) when the guard folder cannot be used.
InstanceLock::Hold InstanceLock::LockGuardFile() {
  m_error = m_guardError;
  if (!m_error.empty()) return Hold::Failed;
  if (m_lockFd < 0) {
    m_lockFd = open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lockFd < 0) {
      m_error = Failed("open the guard's lock", m_lockPath, errno);
      return Hold::Failed;
    }
  }
  if (flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) return Hold::Taken;
  if (errno == EWOULDBLOCK || errno == EINTR) return Hold::Held;
  m_error = Failed("lock", m_lockPath, errno);
  return Hold::Failed;
}

// The holder's socket, made anew over one a holder that ended left behind.
void InstanceLock::Listen() {
  sockaddr_un address{};
  if (!SocketAddress(m_socketPath, address)) {
    m_error = Failed("listen on", m_socketPath, ENAMETOOLONG);
    return;
  }
  unlink(m_socketPath.c_str());
  const int fd = NewSocket();
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      listen(fd, kBacklog) == 0) {
    m_wakeFd = fd;
    return;
  }
  m_error = Failed("listen on", m_socketPath, errno);
  if (fd >= 0) close(fd);
}

// Connects to the holder's socket; false when it takes no connection now.
bool InstanceLock::TryReach() {
  sockaddr_un address{};
  if (!SocketAddress(m_socketPath, address)) return false;
  const int fd = NewSocket();
  if (fd < 0) return false;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    m_error = Failed("connect to", m_socketPath, errno);
    close(fd);
    return false;
  }
  const long holder = PeerUid(fd);
  if (holder == static_cast<long>(geteuid())) {
    m_firstFd = fd;
    m_state = State::Another;
    m_error.clear();
    return true;
  }
  close(fd);
  m_error = "the guard's socket " + m_socketPath.string() + " is held by another user (uid " +
            std::to_string(holder) + ")";
  return true;
}

int InstanceLock::RemainingMs() const {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      m_deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

std::vector<std::string> InstanceLock::TakeWakeRequests() {
  std::vector<std::string> tokens;
  for (;;) {
    const int client = accept4(m_wakeFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) break;
    if (IsMine(client)) {
      std::string token = ReadToken(client);
      // A copy that has given up is gone by now: the answer fails, nothing wakes.
      if (send(client, "!", 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1)
        tokens.push_back(std::move(token));
    }
    close(client);
  }
  return tokens;
}

bool InstanceLock::WakeFirst(const std::string& token) {
  if (m_firstFd < 0) return false;
  // The first copy may have answered already (then the send fails): the
  // answer counts all the same.
  const std::string line = token.substr(0, kMaxTokenBytes) + '\n';
  (void)send(m_firstFd, line.data(), line.size(), MSG_NOSIGNAL);
  pollfd answer{m_firstFd, POLLIN, 0};
  int ready = 0;
  do {
    ready = poll(&answer, 1, RemainingMs());
  } while (ready < 0 && errno == EINTR);
  char byte = 0;
  const bool answered = ready == 1 && recv(m_firstFd, &byte, 1, 0) == 1;
  close(m_firstFd);
  m_firstFd = -1;
  return answered;
}
