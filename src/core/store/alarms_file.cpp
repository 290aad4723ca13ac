#include "core/store/alarms_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/platform/atomic_file.h"
#include "core/platform/text_encoding.h"

namespace {

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

void AlarmsFileMemory::Remember(FileRead result, std::string bytes, bool exact) {
  m_seen = true;
  m_result = result;
  m_bytes = std::move(bytes);
  m_exact = exact;
}

bool AlarmsFileMemory::Changed(const std::filesystem::path& path) const {
  std::string bytes;
  const FileRead result = ReadRegularFile(path, bytes);
  return !SameAsLastSeen(result, bytes);
}

bool AlarmsFileMemory::SameAsLastSeen(FileRead result, std::string_view bytes) const {
  return m_seen && result == m_result && bytes == m_bytes;
}

bool AlarmsFileMemory::NeedsBackup(std::string_view current) const {
  if (current.empty()) return false;
  return !m_seen || !m_exact || m_result != FileRead::Read || current != m_bytes;
}

bool AlarmsFileMemory::Replace(const std::filesystem::path& path, std::string_view text,
                               std::string& why) {
  std::string current;
  why.clear();
  const FileRead result = ReadRegularFile(path, current);
  if (result == FileRead::Unreadable) return false;
  if (result == FileRead::Read && NeedsBackup(current) &&
      !WriteFileAtomically(BackupPath(path), current)) {
    why = std::string("its backup ") + kAlarmsBackupFileName + " cannot be written (" +
          std::strerror(errno) + ")";
    return false;
  }
  if (!WriteFileAtomically(path, text)) {
    why = std::strerror(errno);
    return false;
  }
  Remember(FileRead::Read, std::string(text), true);
  return true;
}
