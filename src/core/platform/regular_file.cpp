#include "core/platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace {

constexpr const char* kNotRegular = "it is not a regular file";
constexpr const char* kTooLarge = "it is larger than 64 MiB";

// The most links followed before a path counts as a loop, as the kernel does.
constexpr int kMaxLinks = 40;

// Reads to the end, refusing more than kMaxReadSize bytes: the file may have
// grown since it was measured.
bool ReadAll(int fd, std::size_t size, std::string& bytes) {
  bytes.assign(size, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > kMaxReadSize) {
        errno = EFBIG;
        return false;
      }
      bytes.resize(std::min(kMaxReadSize + 1, bytes.size() + 4096));
    }
    const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

FileRead ReadRegularFile(const std::filesystem::path& path, std::string& bytes, std::string* why) {
  bytes.clear();
  const auto failed = [why](std::string text) {
    if (why != nullptr) *why = std::move(text);
    return FileRead::Unreadable;
  };
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    return errno == ENOENT ? FileRead::Missing : failed(std::strerror(errno));
  }
  // Checked before opening, so that opening never starts a device.
  if (!S_ISREG(info.st_mode)) return failed(kNotRegular);
  // O_NONBLOCK: a FIFO put in its place meanwhile must not hang the open.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? FileRead::Missing : failed(std::strerror(errno));
  std::string problem;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    problem = kNotRegular;
  } else if (static_cast<std::size_t>(info.st_size) > kMaxReadSize) {
    problem = kTooLarge;
  } else if (!ReadAll(fd, static_cast<std::size_t>(info.st_size), bytes)) {
    problem = errno == EFBIG ? kTooLarge : std::strerror(errno);
  }
  close(fd);
  if (problem.empty()) return FileRead::Read;
  bytes.clear();
  return failed(problem);
}

std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code error;
    if (!std::filesystem::is_symlink(current, error)) return current;
    const std::filesystem::path next = std::filesystem::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return path;
}
