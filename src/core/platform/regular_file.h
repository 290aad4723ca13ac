#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Reading a file the user keeps without ever blocking on it. Only a regular
// file (after following symbolic links) is read: a FIFO, a device, a socket or
// a folder in its place counts as unreadable, and so does a file larger than
// kMaxReadSize, which no file of this program ever grows to.
enum class FileRead { Read, Missing, Unreadable };

inline constexpr std::size_t kMaxReadSize = 64 * 1024 * 1024;

// When the file cannot be read, why (when given) is told the reason in words.
FileRead ReadRegularFile(const std::filesystem::path& path, std::string& bytes,
                         std::string* why = nullptr);

// The file a path finally names: symbolic links followed, each relative link
// from the folder that holds it. The path itself when it is no link, or when
// the links go round in a loop. The final file need not exist.
std::filesystem::path FinalTarget(const std::filesystem::path& path);
