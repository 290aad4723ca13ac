#include "core/platform/lock_holders.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The pid of a granted flock in a line of the lock table,
// "1: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF", when its inode is the
// target's; 0 otherwise (another kind of lock, a waiter "1: -> FLOCK ...",
// another file). The device is left out: a btrfs subvolume shows another
// device number there than stat gives, so it is checked on the holder's
// open files instead.
long FlockHolder(const std::string& line, ino_t inode) {
  std::istringstream fields(line);
  std::string number, kind, mode, access, device;
  long pid = 0;
  if (!(fields >> number >> kind >> mode >> access >> pid >> device)) return 0;
  if (kind != "FLOCK") return 0;
  const std::size_t last = device.rfind(':');
  if (last == std::string::npos || device.substr(last + 1) != std::to_string(inode)) return 0;
  return pid;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the process is this user's and has the target open.
bool OpensAsThisUser(const fs::path& process, const struct stat& target) {
  struct stat owner {};
  if (stat(process.c_str(), &owner) != 0 || owner.st_uid != geteuid()) return false;
  std::error_code error;
  for (fs::directory_iterator fd(process / "fd", error), end; !error && fd != end;
       fd.increment(error)) {
    struct stat opened {};
    if (stat(fd->path().c_str(), &opened) == 0 && SameFile(opened, target)) return true;
  }
  return false;
}

}  // namespace

bool HeldByThisUser(const struct stat& target) {
  const fs::path proc = "/proc";
  std::ifstream locks(proc / "locks");
  std::string line;
  while (std::getline(locks, line)) {
    const long pid = FlockHolder(line, target.st_ino);
    if (pid > 0 && OpensAsThisUser(proc / std::to_string(pid), target)) return true;
  }
  return false;
}
