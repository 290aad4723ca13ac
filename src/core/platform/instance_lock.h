#pragma once

#include <sys/socket.h>
#include <sys/un.h>

#include <chrono>
#include <filesystem>
#include <string>

// One copy of the program per alarms folder: two copies would fire every alarm
// twice and race on alarms.txt. The guard is a listening Unix socket in the
// abstract namespace, named from the user and the folder's device and inode
// numbers, so every path that reaches the folder (a symlink, a bind mount, a
// renamed parent) and every environment finds the same name. Nothing is
// written to disk: the kernel frees the name when its holder ends, however it
// ends, so nothing is left stale and nothing can be deleted under it.
//
// A later copy connects to the first one to ask for its window; connecting is
// the request, and the first copy answers it with one byte. Anyone may bind
// any abstract name, so both ends check who is at the other: a name held by
// another user leaves this copy unguarded rather than stopped, and another
// user's requests are ignored.
class InstanceLock {
 public:
  enum class State {
    First,      // this copy holds the folder
    Another,    // another copy of this user holds it
    Unguarded,  // no guard could be had (error() says why): run without it
  };

  // How long a later copy waits, in all, to reach the first copy and for its
  // answer.
  static constexpr std::chrono::milliseconds kPatience{2000};

  explicit InstanceLock(const std::filesystem::path& alarmsFolder,
                        std::chrono::milliseconds patience = kPatience);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State state() const { return m_state; }
  // Why there is no guard, for the user.
  const std::string& error() const { return m_error; }

  // First copy: the listening socket, readable when a later copy asks for the
  // window; -1 otherwise.
  int wakeSocket() const { return m_wakeFd; }
  // First copy: answers the waiting requests of this user and drops those of
  // others; how many were answered.
  int TakeWakeRequests();
  // Another copy: waits for the first copy's answer to its request until the
  // patience runs out. False when none came: the first copy is stopped or hung.
  bool WakeFirst();

 private:
  bool TryListen(const sockaddr* address, socklen_t length);
  bool TryReach(const sockaddr* address, socklen_t length, int& refusal);
  void GiveUp(const std::string& name, int refusal);
  int RemainingMs() const;

  State m_state = State::Unguarded;
  std::string m_error;
  std::chrono::steady_clock::time_point m_deadline;
  int m_wakeFd = -1;   // First: the listening socket
  int m_firstFd = -1;  // Another: the connection to the first copy
};

// The name of the socket that guards a folder for this user,
// "tockmere-<uid>-<device>-<inode>"; empty when the folder cannot be reached
// (errno says why).
std::string InstanceLockName(const std::filesystem::path& alarmsFolder);
// The abstract socket address of a name (nothing in the file system); its
// length, which is part of the name.
socklen_t AbstractSocketAddress(const std::string& name, sockaddr_un& address);
