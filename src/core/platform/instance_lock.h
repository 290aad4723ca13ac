#pragma once

#include <filesystem>
#include <string>

// One copy of the program per alarms folder: two copies would fire every alarm
// twice and race on alarms.txt. The lock is a file outside the alarms folder,
// in $XDG_RUNTIME_DIR (or, without a usable one, the cache folder
// $XDG_CACHE_HOME/tockmere, by default ~/.cache/tockmere), named from the
// folder's canonical path, so that the folder holds only what the user keeps
// and a read-only folder takes a lock as well as any other.
//
// The copy that holds the lock listens on a local socket beside it, opened
// before anyone can see the lock taken; a later copy connects to it to ask the
// first one to come to the front.
class InstanceLock {
 public:
  enum class State {
    First,    // this copy holds the lock
    Another,  // another copy holds it
    NoLock,   // no lock file could be made: the copy runs without the guard
  };

  explicit InstanceLock(const std::filesystem::path& alarmsFolder);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State state() const { return m_state; }
  // Why no lock could be made, for the user.
  const std::string& error() const { return m_error; }
  const std::filesystem::path& lockPath() const { return m_lockPath; }

  // First copy: the listening socket, readable when a later copy asks for the
  // window; -1 when it could not be opened.
  int wakeSocket() const { return m_wakeFd; }
  // First copy: takes the waiting requests; how many there were.
  int TakeWakeRequests();
  // Another copy: asks the first copy to show its window, trying for up to
  // patienceMs while the first one is still starting. False when it cannot be
  // reached.
  bool WakeFirst(int patienceMs = 2000) const;

 private:
  bool TryFolder(const std::filesystem::path& folder, const std::string& name);
  void ListenForWake();
  void NoteError(const std::filesystem::path& path, int error);

  State m_state = State::NoLock;
  std::string m_error;
  std::filesystem::path m_lockPath;
  std::filesystem::path m_socketPath;
  int m_lockFd = -1;
  int m_wakeFd = -1;
};

// The file name of the lock of a folder: the same for every path that names it.
std::string InstanceLockName(const std::filesystem::path& alarmsFolder);
