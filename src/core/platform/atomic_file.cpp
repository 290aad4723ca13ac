#include "core/platform/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "core/platform/regular_file.h"

namespace {

namespace fs = std::filesystem;

// A temporary file is named ".<target>.tockmere-save-" and six letters or
// digits: a name no user gives a file of theirs, so that the removal of what a
// killed save left never takes one.
constexpr std::string_view kTempMark = ".tockmere-save-";
constexpr std::size_t kTempTailSize = 6;
constexpr int kNameTries = 100;

// The mode the new file gets: the old file's, or what a new file would get.
mode_t ModeFor(const fs::path& target) {
  struct stat old {};
  if (stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A file the user marked read-only, one we may not write, or anything but a
// regular file is left alone; errno tells why.
bool MayReplace(const fs::path& target) {
  struct stat old {};
  if (stat(target.c_str(), &old) != 0) return errno == ENOENT;
  if (!S_ISREG(old.st_mode)) {
    errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    errno = EACCES;
    return false;
  }
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

// Closes fd (and removes the named file) after a failure, keeping its errno.
void Discard(int fd, const std::string& name) {
  const int error = errno;
  if (fd >= 0) close(fd);
  if (!name.empty()) unlink(name.c_str());
  errno = error;
}

// Locked while it is written, so that a copy starting meanwhile does not take
// it for the leftover of a killed save; the content flushed to disk.
bool Fill(int fd, mode_t mode, std::string_view content) {
  return flock(fd, LOCK_EX) == 0 && fchmod(fd, mode) == 0 && WriteAll(fd, content) &&
         fsync(fd) == 0;
}

bool IsTempTail(std::string_view tail) {
  if (tail.size() != kTempTailSize) return false;
  for (const char c : tail) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string RandomTail() {
  constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string tail;
  for (std::size_t i = 0; i < kTempTailSize; ++i) tail += kLetters[pick(random)];
  return tail;
}

// The content in a file without a name, given one only once it is whole: a
// save killed before that leaves nothing behind. The file, named temp and
// still locked; -1 where the file system has no unnamed files (or /proc is not
// there), and the caller then names it first.
int WriteUnnamed(const fs::path& folder, const std::string& prefix, mode_t mode,
                 std::string_view content, std::string& temp) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
  if (fd < 0) return -1;
  if (!Fill(fd, mode, content)) {
    Discard(fd, "");
    return -1;
  }
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int i = 0; i < kNameTries; ++i) {
    temp = prefix + RandomTail();
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return fd;
    if (errno != EEXIST) break;
  }
  Discard(fd, "");
  return -1;
}

int WriteNamed(const std::string& prefix, mode_t mode, std::string_view content,
               std::string& temp) {
  temp = prefix + "XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return -1;
  if (!Fill(fd, mode, content)) {
    Discard(fd, temp);
    return -1;
  }
  return fd;
}

// Makes the rename itself survive a crash; a failure here loses nothing.
void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

fs::path FolderOf(const fs::path& target) {
  fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// The start of the temporary files' names beside target.
std::string TempName(const fs::path& target) {
  return "." + target.filename().string() + std::string(kTempMark);
}

// A leftover of this user's that no save holds locked.
void RemoveIfStale(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
      flock(fd, LOCK_EX | LOCK_NB) == 0) {
    unlink(path.c_str());
  }
  close(fd);
}

}  // namespace

bool WriteFileAtomically(const fs::path& link, std::string_view content) {
  // Through a symbolic link the file it names is replaced, and the link stays.
  const fs::path target = FinalTarget(link);
  if (!MayReplace(target)) return false;
  const fs::path folder = FolderOf(target);
  const std::string prefix = (folder / TempName(target)).string();
  const mode_t mode = ModeFor(target);
  std::string temp;
  int fd = WriteUnnamed(folder, prefix, mode, content, temp);
  if (fd < 0) fd = WriteNamed(prefix, mode, content, temp);
  if (fd < 0) return false;
  // Locked until it has replaced the target, so that a copy starting meanwhile
  // never takes it for the leftover of a killed save.
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    Discard(fd, temp);
    return false;
  }
  close(fd);  // the content is on disk already
  SyncFolder(folder);
  return true;
}

void RemoveStaleTemporaries(const fs::path& link) {
  const fs::path target = FinalTarget(link);
  const std::string prefix = TempName(target);
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(target), error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(prefix) && IsTempTail(std::string_view(name).substr(prefix.size()))) {
      RemoveIfStale(entry.path());
    }
  }
}
