#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// One copy of the program per alarms folder: two copies would fire every alarm
// twice and race on alarms.txt.
//
// The copy that works in a folder holds a lock (flock) on the alarms folder
// itself, which the kernel releases when the copy ends, however it ends. Every
// path that reaches the folder (a symlink, a bind mount, a renamed parent)
// finds the same lock, and nothing can be deleted out from under it: a folder
// that is moved away or deleted takes the lock with it, and the program then
// takes the lock of the folder it enters again.
//
// Beside it the guard folder, which only this user may enter (GuardFolder),
// holds "<device>-<inode>.sock", on which the holder listens, and
// "<device>-<inode>.lock", which the holder locks too. A later copy connects
// to that socket to ask for the first one's window; connecting is the request.
// It then sends the activation token it was started with (the desktop's leave
// to come forward), ended by a newline, and the first copy answers with one
// byte.
//
// Another user who may read the alarms folder may lock it too. A folder locked
// by no process of this user is then guarded by the lock file alone, which
// only this user can reach; a copy holding the folder also holds that file,
// so a copy that takes either while another holds the other steps back.
// Another user can neither lock nor reach the files of the guard folder; both
// ends still check who is at the other, so another user's requests are ignored.
// A guard folder that is not private only leaves the copy unreachable: the
// lock on the alarms folder still keeps a second copy out.
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

  // Takes the guard of alarmsFolder; the socket and the lock file live in
  // guardFolder. When
  // another copy holds it, asks that copy for its window, unless ask is false.
  InstanceLock(const std::filesystem::path& alarmsFolder, const std::filesystem::path& guardFolder,
               std::chrono::milliseconds patience = kPatience, bool ask = true);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State state() const { return m_state; }
  // Why there is no guard, or (First) why no later copy can reach this one.
  const std::string& error() const { return m_error; }
  // Whether this is the guard of the folder at path (its device and inode).
  bool Guards(const std::filesystem::path& alarmsFolder) const;

  // First copy: the listening socket, readable when a later copy asks for the
  // window; -1 otherwise.
  int wakeSocket() const { return m_wakeFd; }
  // First copy: answers the waiting requests of this user and drops those of
  // others; the activation token of each one answered (empty when it sent
  // none).
  std::vector<std::string> TakeWakeRequests();
  // Another copy: hands the first copy the activation token (may be empty)
  // and waits for its answer until the patience runs out. False when none
  // came: the first copy is stopped or hung.
  bool WakeFirst(const std::string& token = {});

 private:
  // What a lock attempt found: taken by this copy, held by a copy of this
  // user, held by other users only, or not to be had.
  enum class Hold { Taken, Held, Foreign, Failed };

  bool TryLock();
  Hold LockFolder();
  Hold LockGuardFile();
  bool TryReach();
  void Listen();
  int RemainingMs() const;

  State m_state = State::Unguarded;
  std::string m_error;
  std::chrono::steady_clock::time_point m_deadline;
  dev_t m_device = 0;
  ino_t m_inode = 0;
  std::filesystem::path m_lockPath;
  std::filesystem::path m_socketPath;
  std::string m_guardError;  // why the guard folder cannot be used, if it cannot
  int m_folderFd = -1;       // the alarms folder, locked by the First copy
  int m_lockFd = -1;         // the lock file, locked by the First copy
  int m_wakeFd = -1;         // First: the listening socket
  int m_firstFd = -1;        // Another: the connection to the first copy
};

// The folder of this user's guards: <runRoot>/<uid>/tockmere when the
// session's runtime folder is there and the user's alone, else .cache/tockmere
// in the user's home folder (the one the user database names, so that every
// copy finds the same).
std::filesystem::path GuardFolder(const std::filesystem::path& runRoot = "/run/user");

// Makes the guard folder (and the folder above it) when it is missing (mode
// 0700); an empty text when it is a folder of this user, not a symlink, that
// nobody else may enter, else why not.
std::string MakePrivateFolder(const std::filesystem::path& folder);

// The name of the guard of a folder within the guard folder,
// "<device>-<inode>"; empty when the folder cannot be reached (errno says why).
std::string InstanceLockName(const std::filesystem::path& alarmsFolder);
