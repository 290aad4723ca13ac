#include "core/store/alarms_file.h"

#include <utility>

#include "core/platform/atomic_file.h"
#include "core/platform/text_encoding.h"

namespace {

// What the file held when this program last read or wrote it.
struct SeenFile {
  bool seen = false;
  FileRead result = FileRead::Missing;
  std::string bytes;
  bool exact = true;  // the program writes these very bytes for what it read
};

SeenFile s_seen;

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::filesystem::path BackupPath(const std::filesystem::path& path) {
  return path.parent_path() / kAlarmsBackupFileName;
}

}  // namespace

std::vector<std::string> AlarmFileLines(std::string_view bytes, std::size_t maxLines) {
  const std::string text = DecodeText(bytes).text;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < maxLines) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = std::string_view(text).substr(start, end - start);
    if (!IsBlank(line)) lines.emplace_back(line);
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
  return lines;
}

void RememberAlarmsFile(FileRead result, std::string bytes, bool exact) {
  s_seen = SeenFile{true, result, std::move(bytes), exact};
}

void ForgetAlarmsFile() {
  s_seen = SeenFile{};
}

bool AlarmsFileChanged(const std::filesystem::path& path) {
  std::string bytes;
  const FileRead result = ReadRegularFile(path, bytes);
  return !SameAsLastSeen(result, bytes);
}

bool SameAsLastSeen(FileRead result, std::string_view bytes) {
  return s_seen.seen && result == s_seen.result && bytes == s_seen.bytes;
}

bool NeedsBackup(std::string_view current) {
  if (current.empty()) return false;
  return !s_seen.seen || !s_seen.exact || s_seen.result != FileRead::Read ||
         current != s_seen.bytes;
}

bool ReplaceAlarmsFile(const std::filesystem::path& path, std::string_view text) {
  std::string current;
  const FileRead result = ReadRegularFile(path, current);
  if (result == FileRead::Unreadable) return false;
  if (result == FileRead::Read && NeedsBackup(current) &&
      !WriteFileAtomically(BackupPath(path), current)) {
    return false;
  }
  if (!WriteFileAtomically(path, text)) return false;
  RememberAlarmsFile(FileRead::Read, std::string(text), true);
  return true;
}
