#include "core/platform/instance_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWakeRetryMs = 50;

fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

// An absolute folder named by an environment variable, or nothing.
fs::path FolderFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value == '/' ? fs::path(value) : fs::path();
}

// Where the lock may go, best first.
std::vector<fs::path> LockFolders() {
  std::vector<fs::path> folders;
  const fs::path runtime = FolderFromEnvironment("XDG_RUNTIME_DIR");
  if (!runtime.empty()) folders.push_back(runtime);
  fs::path cache = FolderFromEnvironment("XDG_CACHE_HOME");
  if (cache.empty()) cache = HomeFolder() / ".cache";
  folders.push_back(cache / "tockmere");
  return folders;
}

bool SocketAddress(const fs::path& path, sockaddr_un& address) {
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  const std::string text = path.string();
  if (text.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
  return true;
}

bool ConnectAndWake(const sockaddr_un& address) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                  send(fd, "w", 1, MSG_NOSIGNAL) == 1;
  close(fd);
  return ok;
}

}  // namespace

std::string InstanceLockName(const fs::path& alarmsFolder) {
  std::error_code error;
  fs::path folder = fs::canonical(alarmsFolder, error);
  if (error) folder = fs::absolute(alarmsFolder, error).lexically_normal();
  // FNV-1a: a short, fixed name for a path of any length.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : folder.string()) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char name[40];
  std::snprintf(name, sizeof name, "tockmere-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

InstanceLock::InstanceLock(const fs::path& alarmsFolder) {
  const std::string name = InstanceLockName(alarmsFolder);
  for (const fs::path& folder : LockFolders()) {
    if (TryFolder(folder, name)) return;
  }
  m_state = State::NoLock;
}

InstanceLock::~InstanceLock() {
  if (m_wakeFd >= 0) {
    close(m_wakeFd);
    unlink(m_socketPath.c_str());
  }
  if (m_lockFd >= 0) close(m_lockFd);
}

void InstanceLock::NoteError(const fs::path& path, int error) {
  if (!m_error.empty()) m_error += "; ";
  m_error += path.string() + ": " + std::strerror(error);
}

// Takes the lock in one folder; false (with the reason kept) when no lock file
// can be made there.
bool InstanceLock::TryFolder(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    fs::create_directories(folder, error);
    if (error) {
      NoteError(folder, error.value());
      return false;
    }
    fs::permissions(folder, fs::perms::owner_all, error);
  }
  const fs::path lockPath = folder / (name + ".lock");
  const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    NoteError(lockPath, errno);
    return false;
  }
  m_lockPath = lockPath;
  m_socketPath = folder / (name + ".sock");
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int why = errno;
    close(fd);
    if (why == EWOULDBLOCK) {
      m_state = State::Another;
      return true;
    }
    NoteError(lockPath, why);
    return false;
  }
  m_lockFd = fd;
  m_state = State::First;
  ListenForWake();
  // The pid is for the user's eye only; nothing signals it.
  const std::string pid = std::to_string(getpid()) + "\n";
  if (ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const auto written = write(fd, pid.data(), pid.size());
  }
  return true;
}

// Only the lock's holder touches the socket, so a socket left by a copy that
// died is simply replaced.
void InstanceLock::ListenForWake() {
  sockaddr_un address{};
  if (!SocketAddress(m_socketPath, address)) return;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  unlink(m_socketPath.c_str());
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd, 8) != 0) {
    close(fd);
    return;
  }
  m_wakeFd = fd;
}

int InstanceLock::TakeWakeRequests() {
  int taken = 0;
  for (;;) {
    const int client = accept4(m_wakeFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) break;
    close(client);
    ++taken;
  }
  return taken;
}

bool InstanceLock::WakeFirst(int patienceMs) const {
  sockaddr_un address{};
  if (m_state != State::Another || !SocketAddress(m_socketPath, address)) return false;
  for (int waited = 0;; waited += kWakeRetryMs) {
    if (ConnectAndWake(address)) return true;
    if (waited >= patienceMs) return false;
    usleep(kWakeRetryMs * 1000);
  }
}
