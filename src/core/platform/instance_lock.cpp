#include "core/platform/instance_lock.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace fs = std::filesystem;

namespace {

constexpr int kRetryMs = 20;
constexpr int kBacklog = 8;

int NewSocket() {
  return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// The uid of the process at the other end of a connected socket, or -1.
long PeerUid(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return -1;
  return static_cast<long>(peer.uid);
}

bool IsMine(int fd) {
  return PeerUid(fd) == static_cast<long>(getuid());
}

}  // namespace

std::string InstanceLockName(const fs::path& alarmsFolder) {
  struct stat folder {};
  if (stat(alarmsFolder.c_str(), &folder) != 0) return {};
  return "tockmere-" + std::to_string(getuid()) + "-" + std::to_string(folder.st_dev) + "-" +
         std::to_string(folder.st_ino);
}

socklen_t AbstractSocketAddress(const std::string& name, sockaddr_un& address) {
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  // sun_path[0] stays '\0': the name lives in the abstract namespace.
  const std::size_t size = std::min(name.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, name.data(), size);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
}

InstanceLock::InstanceLock(const fs::path& alarmsFolder, std::chrono::milliseconds patience)
    : m_deadline(std::chrono::steady_clock::now() + patience) {
  const std::string name = InstanceLockName(alarmsFolder);
  if (name.empty()) {
    m_error = alarmsFolder.string() + ": " + std::strerror(errno);
    return;
  }
  sockaddr_un address{};
  const socklen_t length = AbstractSocketAddress(name, address);
  const auto* where = reinterpret_cast<const sockaddr*>(&address);
  // The holder may be ending, or not yet listening: try again until it is
  // clear who holds the name.
  int refusal = 0;
  while (!TryListen(where, length) && !TryReach(where, length, refusal)) {
    if (RemainingMs() == 0) {
      GiveUp(name, refusal);
      return;
    }
    usleep(kRetryMs * 1000);
  }
}

InstanceLock::~InstanceLock() {
  if (m_wakeFd >= 0) close(m_wakeFd);
  if (m_firstFd >= 0) close(m_firstFd);
}

// Takes the name; false when another socket holds it.
bool InstanceLock::TryListen(const sockaddr* address, socklen_t length) {
  const int fd = NewSocket();
  if (fd >= 0 && bind(fd, address, length) == 0 && listen(fd, kBacklog) == 0) {
    m_wakeFd = fd;
    m_state = State::First;
    return true;
  }
  const int why = errno;
  if (fd >= 0) close(fd);
  if (why == EADDRINUSE) return false;
  m_error = std::string("cannot open the guard's socket: ") + std::strerror(why);
  return true;
}

// Connects to the holder of the name; false, with the reason in refusal, when
// it takes no connection now.
bool InstanceLock::TryReach(const sockaddr* address, socklen_t length, int& refusal) {
  const int fd = NewSocket();
  if (fd >= 0 && connect(fd, address, length) == 0) {
    const long holder = PeerUid(fd);
    if (holder == static_cast<long>(getuid())) {
      m_firstFd = fd;
      m_state = State::Another;
      return true;
    }
    close(fd);
    m_error = "its name is held by another user (uid " + std::to_string(holder) + ")";
    return true;
  }
  refusal = errno;
  if (fd >= 0) close(fd);
  if (refusal == EAGAIN || refusal == ECONNREFUSED) return false;
  m_error = std::string("cannot reach the guard's socket: ") + std::strerror(refusal);
  return true;
}

// A queue that stays full belongs to a first copy that takes no requests
// (stopped or hung); a name that refuses every connection is no copy of ours.
void InstanceLock::GiveUp(const std::string& name, int refusal) {
  if (refusal == EAGAIN) {
    m_state = State::Another;
    return;
  }
  m_error = "its name " + name + " is held by a socket that takes no connections";
}

int InstanceLock::RemainingMs() const {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      m_deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

int InstanceLock::TakeWakeRequests() {
  int taken = 0;
  for (;;) {
    const int client = accept4(m_wakeFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) break;
    // A copy that has given up is gone by now: the answer fails, nothing wakes.
    if (IsMine(client) && send(client, "!", 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1) ++taken;
    close(client);
  }
  return taken;
}

bool InstanceLock::WakeFirst() {
  if (m_firstFd < 0) return false;
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
