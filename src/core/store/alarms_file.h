#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/regular_file.h"

// The reading rules of alarms.txt and how a save replaces it.
//
// Reading: a UTF-16 file with its byte-order mark is read as text, and so is
// UTF-8 with or without one; CR LF, LF and a lone CR each end a line; blank
// lines are skipped.
//
// Replacing: before a save replaces a file whose contents are not exactly what
// this program last read or wrote (a hand edit, more than 12 alarms, a line it
// could not decode, other line ends or encoding), the file as it was is kept
// as alarms.txt.bak beside it. A file that exists but cannot be read is never
// replaced.

inline constexpr const char* kAlarmsBackupFileName = "alarms.txt.bak";

// The first maxLines lines of the file that are not blank, without line ends.
std::vector<std::string> AlarmFileLines(std::string_view bytes, std::size_t maxLines);

// What the file held when this program last read or wrote it.
class AlarmsFileMemory {
 public:
  // Remembers what the file held at a load; exact tells whether the program
  // would write those very bytes back for what it read.
  void Remember(FileRead result, std::string bytes, bool exact);

  // True when the file on disk is no longer what was last read or written.
  bool Changed(const std::filesystem::path& path) const;
  // The same test for a reading already made.
  bool SameAsLastSeen(FileRead result, std::string_view bytes) const;

  // Whether a save that finds current in the file keeps it as the backup first.
  bool NeedsBackup(std::string_view current) const;

  // Writes text as the file whole or not at all, keeping the backup first when
  // the file needs one. False, with the file as it was, when the file cannot be
  // read, the backup cannot be written or the write fails; why then tells which write
  // failed, and why (nothing when the file cannot be read: its reader says so).
  bool Replace(const std::filesystem::path& path, std::string_view text, std::string& why);

 private:
  bool m_seen = false;
  FileRead m_result = FileRead::Missing;
  std::string m_bytes;
  bool m_exact = true;  // the program writes these very bytes for what it read
};
