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
// hexadecimal, then its width and height, or '=' and a name's UTF-8 in
// hexadecimal), and a last line with the check of all the lines before it.
constexpr char kHeader[] = "tockmere fitted texts 1";
constexpr char kCheck[] = "check ";
constexpr qsizetype kKeyDigits = 40;       // a digest of 20 bytes
constexpr std::size_t kMaxFile = 1 << 18;  // a few hundred results at most
constexpr int kMaxMeasure = 100000;        // pixels: no text is that wide
constexpr qsizetype kMaxName = 200;        // bytes: a family's name is far shorter

QByteArray CheckOf(QByteArrayView lines) {
  return QCryptographicHash::hash(lines, QCryptographicHash::Sha1).toHex();
}

bool ReadNumber(const QByteArray& field, int& value) {
  bool ok = false;
  value = field.toInt(&ok);
  // Only what Save writes: digits, no sign, no leading zero, in range.
  return ok && value >= 0 && value <= kMaxMeasure && field == QByteArray::number(value);
}

bool IsHex(QByteArrayView digits) {
  for (char c : digits) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

bool IsHexKey(const QByteArray& key) {
  return key.size() == kKeyDigits && IsHex(key);
}

bool IsName(const QString& name) {
  const qsizetype bytes = name.toUtf8().size();
  return bytes > 0 && bytes <= kMaxName;
}

// Only what Save writes: '=', then lowercase hexadecimal of a name's UTF-8.
bool ReadName(const QByteArray& field, QString& name) {
  if (!field.startsWith('=') || !IsHex(QByteArrayView(field).sliced(1))) return false;
  const QByteArray utf8 = QByteArray::fromHex(field.sliced(1));
  name = QString::fromUtf8(utf8);
  return IsName(name) && '=' + name.toUtf8().toHex() == field;
}

QByteArray Row(const QByteArray& key, const QSize& size) {
  return key + ' ' + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height());
}

QByteArray Row(const QByteArray& key, const QString& name) {
  return key + " =" + name.toUtf8().toHex();
}

using Result = std::variant<QSize, QString>;

// The results of a whole, undamaged file; nothing from any other.
std::map<QByteArray, Result> Parse(const QByteArray& bytes) {
  const qsizetype last = bytes.lastIndexOf(QByteArrayView(kCheck));
  if (last < 0 || !bytes.endsWith('\n') || (last > 0 && bytes[last - 1] != '\n')) return {};
  const QByteArrayView lines = QByteArrayView(bytes).first(last);
  if (bytes.sliced(last) != kCheck + CheckOf(lines) + '\n') return {};
  QByteArrayList rows = lines.toByteArray().split('\n');
  rows.removeLast();  // after the last newline
  if (rows.isEmpty() || rows.takeFirst() != kHeader) return {};
  std::map<QByteArray, Result> results;
  for (const QByteArray& row : rows) {
    const QByteArrayList fields = row.split(' ');
    int width = 0, height = 0;
    QString name;
    const bool size =
        fields.size() == 3 && ReadNumber(fields[1], width) && ReadNumber(fields[2], height);
    const bool named = fields.size() == 2 && ReadName(fields[1], name);
    if (!(size || named) || !IsHexKey(fields[0]) ||
        !results.emplace(fields[0], size ? Result(QSize(width, height)) : Result(name)).second)
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

template <typename T>
std::optional<T> FittingMemo::RecallAs(const QByteArray& key) {
  const auto found = m_read.find(key);
  if (found == m_read.end() || !std::holds_alternative<T>(found->second)) return std::nullopt;
  m_used.insert(*found);
  return std::get<T>(found->second);
}

std::optional<QSize> FittingMemo::Recall(const QByteArray& key) {
  return RecallAs<QSize>(key);
}

std::optional<QString> FittingMemo::RecallName(const QByteArray& key) {
  return RecallAs<QString>(key);
}

void FittingMemo::Remember(const QByteArray& key, QSize result) {
  if (result.width() < 0 || result.width() > kMaxMeasure || result.height() < 0 ||
      result.height() > kMaxMeasure)
    return;  // a result the file could not hold is measured again next time
  Keep(key, result);
}

void FittingMemo::RememberName(const QByteArray& key, const QString& name) {
  if (IsName(name)) Keep(key, name);
}

void FittingMemo::Keep(const QByteArray& key, Result result) {
  if (!IsHexKey(key)) return;
  m_used[key] = std::move(result);
  m_changed = true;
}

bool FittingMemo::Save() const {
  if (!m_changed) return true;
  if (m_file.empty()) return false;
  QByteArray lines = QByteArray(kHeader) + '\n';
  for (const auto& [key, result] : m_used)
    lines += std::visit([&key](const auto& value) { return Row(key, value); }, result) + '\n';
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
