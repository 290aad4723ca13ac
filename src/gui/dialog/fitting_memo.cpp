#include "gui/dialog/fitting_memo.h"

#include <sys/stat.h>

#include <QByteArrayList>
#include <QCryptographicHash>
#include <QStandardPaths>
#include <cerrno>
#include <string>
#include <utility>

#include "core/platform/atomic_file.h"
#include "core/platform/regular_file.h"

namespace {

namespace fs = std::filesystem;

// The file is lines of text: this first line, one line per result (its key in
// hexadecimal, its width and height), and a last line with the check of all
// the lines before it.
constexpr char kHeader[] = "tockmere fitted texts 1";
constexpr char kCheck[] = "check ";
constexpr qsizetype kKeyDigits = 40;       // a digest of 20 bytes
constexpr std::size_t kMaxFile = 1 << 18;  // a few hundred results at most
constexpr int kMaxMeasure = 100000;        // pixels: no text is that wide

QByteArray CheckOf(QByteArrayView lines) {
  return QCryptographicHash::hash(lines, QCryptographicHash::Sha1).toHex();
}

bool ReadNumber(const QByteArray& field, int& value) {
  bool ok = false;
  value = field.toInt(&ok);
  // Only what Save writes: digits, no sign, no leading zero, in range.
  return ok && value >= 0 && value <= kMaxMeasure && field == QByteArray::number(value);
}

bool IsHexKey(const QByteArray& key) {
  if (key.size() != kKeyDigits) return false;
  for (char c : key) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// The results of a whole, undamaged file; nothing from any other.
std::map<QByteArray, QSize> Parse(const QByteArray& bytes) {
  const qsizetype last = bytes.lastIndexOf(QByteArrayView(kCheck));
  if (last < 0 || !bytes.endsWith('\n') || (last > 0 && bytes[last - 1] != '\n')) return {};
  const QByteArrayView lines = QByteArrayView(bytes).first(last);
  if (bytes.sliced(last) != kCheck + CheckOf(lines) + '\n') return {};
  QByteArrayList rows = lines.toByteArray().split('\n');
  rows.removeLast();  // after the last newline
  if (rows.isEmpty() || rows.takeFirst() != kHeader) return {};
  std::map<QByteArray, QSize> results;
  for (const QByteArray& row : rows) {
    const QByteArrayList fields = row.split(' ');
    int width = 0, height = 0;
    if (fields.size() != 3 || !IsHexKey(fields[0]) || !ReadNumber(fields[1], width) ||
        !ReadNumber(fields[2], height) || !results.emplace(fields[0], QSize(width, height)).second)
      return {};
  }
  return results;
}

// The folder is made as the program's other folder in the cache is: private.
bool MakeFolder(const fs::path& folder) {
  (void)mkdir(folder.parent_path().c_str(), 0700);
  return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

FittingMemo::FittingMemo(fs::path file) : m_file(std::move(file)) {
  std::string bytes;
  if (ReadRegularFile(m_file, bytes) == FileRead::Read && bytes.size() <= kMaxFile)
    m_read = Parse(QByteArray::fromStdString(bytes));
}

std::optional<QSize> FittingMemo::Recall(const QByteArray& key) {
  const auto found = m_read.find(key);
  if (found == m_read.end()) return std::nullopt;
  m_used.insert(*found);
  return found->second;
}

void FittingMemo::Remember(const QByteArray& key, QSize result) {
  if (!IsHexKey(key) || result.width() < 0 || result.width() > kMaxMeasure || result.height() < 0 ||
      result.height() > kMaxMeasure)
    return;  // a result the file could not hold is measured again next time
  m_used[key] = result;
  m_changed = true;
}

bool FittingMemo::Save() const {
  if (!m_changed) return true;
  if (m_file.empty()) return false;
  QByteArray lines = QByteArray(kHeader) + '\n';
  for (const auto& [key, size] : m_used) {
    lines += key + ' ' + QByteArray::number(size.width()) + ' ' +
             QByteArray::number(size.height()) + '\n';
  }
  lines += kCheck + CheckOf(lines) + '\n';
  return MakeFolder(m_file.parent_path()) &&
         WriteFileAtomically(m_file, std::string_view(lines.constData(), lines.size()));
}

fs::path FittingMemo::UserFile() {
  const fs::path cache =
      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString();
  if (!cache.is_absolute()) return {};  // no home folder: nothing is kept
  return cache / "tockmere" / "fitted-texts";
}
