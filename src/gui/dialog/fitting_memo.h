#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <variant>

// What fitting a window's controls to their texts measured, kept in a small
// file from one start to the next, so that a start in the same fonts shapes
// none of the texts again: sizes, and the name of the family a dialog's face
// came to (dialog_face.h). Each result is filed under a digest of all it
// depends on (text_widths.cpp and dialog_face.cpp make them), so a result for
// other fonts or texts is simply not found. A file damaged in any way (cut
// short, a line changed, its check not matching) is not believed at all:
// every text is measured again.
class FittingMemo {
 public:
  // Reads file; a missing, unreadable or damaged file gives an empty memo.
  explicit FittingMemo(std::filesystem::path file);

  // The result filed under key, or none.
  std::optional<QSize> Recall(const QByteArray& key);
  void Remember(const QByteArray& key, QSize result);
  std::optional<QString> RecallName(const QByteArray& key);
  void RememberName(const QByteArray& key, const QString& name);
  // What the texts that functions make come from (the program's file and its
  // translation, translations.h): their widths are kept under it. Without
  // one, such texts are made and measured at every start.
  void SetTextsSource(QByteArray source) { m_textsSource = std::move(source); }
  const QByteArray& TextsSource() const { return m_textsSource; }
  // Whether a result was remembered that the file did not hold.
  bool Changed() const { return m_changed; }
  // When Changed, writes the results recalled or remembered since the file
  // was read (what the file held for other fonts is left out), whole or not
  // at all, making its folder private to the user; false when it could not.
  bool Save() const;

  // $XDG_CACHE_HOME/tockmere/fitted-texts (~/.cache without the variable);
  // empty without a home folder, and a memo of an empty path keeps nothing.
  static std::filesystem::path UserFile();

 private:
  using Result = std::variant<QSize, QString>;
  template <typename T>
  std::optional<T> RecallAs(const QByteArray& key);
  void Keep(const QByteArray& key, Result result);

  std::filesystem::path m_file;
  std::map<QByteArray, Result> m_read;  // by key: what the file held
  std::map<QByteArray, Result> m_used;  // by key: recalled or remembered
  bool m_changed = false;
  QByteArray m_textsSource;
};
