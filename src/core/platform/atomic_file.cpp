#include "core/platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/platform/regular_file.h"

namespace {

// The mode the new file gets: the old file's, or what a new file would get.
mode_t ModeFor(const std::filesystem::path& target) {
  struct stat old {};
  if (stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A file the user marked read-only, one we may not write, or anything but a
// regular file is left alone.
bool MayReplace(const std::filesystem::path& target) {
  struct stat old {};
  if (stat(target.c_str(), &old) != 0) return errno == ENOENT;
  if (!S_ISREG(old.st_mode)) return false;
  if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return access(target.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself survive a crash; a failure here loses nothing.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& link, std::string_view content) {
  // Through a symbolic link the file it names is replaced, and the link stays.
  const std::filesystem::path target = FinalTarget(link);
  if (!MayReplace(target)) return false;
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string name = ".";
  name += target.filename().string();
  name += ".XXXXXX";
  std::string temp = (folder / name).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, content) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}
