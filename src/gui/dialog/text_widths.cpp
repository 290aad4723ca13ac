#include "gui/dialog/text_widths.h"

#include <QCryptographicHash>
#include <QFontMetrics>
#include <algorithm>
#include <cstring>
#include <optional>

#include "gui/dialog/dialog_template.h"
#include "gui/dialog/face_print.h"
#include "gui/dialog/fitting_memo.h"

int TextWidths::Widest(const QFont& font, const QStringList& texts) {
  const auto measure = [&] {
    const QFontMetrics metrics(font);
    const QString fontKey = font.key() + QLatin1Char('\n');
    int widest = 0;
    for (const QString& text : texts) {
      auto it = m_widths.find(fontKey + text);
      if (it == m_widths.end())
        it = m_widths.insert(fontKey + text, metrics.horizontalAdvance(text));
      widest = std::max(widest, *it);
    }
    return QSize(widest, 0);
  };
  return Measured(font, "widest", {}, texts, measure).width();
}

int TextWidths::WidestMade(const QFont& font, const MadeTexts& made) {
  const auto measure = [&](bool& keep) {
    const QStringList& texts = Made(made);
    keep = PrintableAscii(texts);  // what the face's print covers
    return QSize(Widest(font, texts), 0);
  };
  return Memoized(MadeKey(font, made), measure).width();
}

const QStringList& TextWidths::Made(const MadeTexts& made) {
  auto found = m_made.find(made.make);
  if (found == m_made.end()) found = m_made.emplace(made.make, made.make()).first;
  return found->second;
}

QSize TextWidths::Measured(const QFont& font, const char* what, std::initializer_list<int> args,
                           const QStringList& texts, const std::function<QSize()>& measure) {
  return Memoized(MemoKey(font, what, args, texts), [&](bool&) { return measure(); });
}

QSize TextWidths::Memoized(const QByteArray& key, const std::function<QSize(bool& keep)>& measure) {
  bool keep = true;
  if (key.isEmpty()) return measure(keep);
  if (const std::optional<QSize> recalled = m_memo->Recall(key)) return *recalled;
  const QSize result = measure(keep);
  if (keep) m_memo->Remember(key, result);
  return result;
}

// A digest of the face's print, the measure and the texts; empty where the
// memo cannot tell the result apart from another's (no memo, no print, a
// character the print does not cover).
QByteArray TextWidths::MemoKey(const QFont& font, const char* what, std::initializer_list<int> args,
                               const QStringList& texts) {
  if (!PrintableAscii(texts)) return {};
  QByteArray numbers;
  for (int arg : args) numbers += QByteArray::number(arg) + ' ';
  return Key(font, {QByteArrayView(what, qsizetype(std::strlen(what)) + 1), numbers,
                    QByteArray::number(texts.size()) + ':' + TextsDigest(texts)});
}

// A digest of the face's print, the name of the made texts and what they are
// made from; empty where there is no source to tell them apart by.
QByteArray TextWidths::MadeKey(const QFont& font, const MadeTexts& made) {
  if (m_memo == nullptr || m_memo->TextsSource().isEmpty()) return {};
  return Key(font, {QByteArrayView("made", 5),
                    QByteArrayView(made.name, qsizetype(std::strlen(made.name)) + 1),
                    m_memo->TextsSource()});
}

// The digest of the face's print and the parts, in hexadecimal; empty without
// a memo or a print.
QByteArray TextWidths::Key(const QFont& font, std::initializer_list<QByteArrayView> parts) {
  if (m_memo == nullptr) return {};
  const QByteArray& face = FaceDigest(font);
  if (face.isEmpty()) return {};
  QCryptographicHash key(QCryptographicHash::Sha1);
  key.addData(face);
  for (QByteArrayView part : parts) key.addData(part);
  return key.result().toHex();
}

// The fonts of one dialog's controls differ in nothing that equality leaves out.
const QByteArray& TextWidths::FaceDigest(const QFont& font) {
  auto face = std::find_if(m_faces.begin(), m_faces.end(),
                           [&](const auto& known) { return known.first == font; });
  if (face != m_faces.end()) return face->second;
  const QByteArray print = FacePrint(font);
  return m_faces
      .emplace_back(
          font, print.isEmpty() ? print : QCryptographicHash::hash(print, QCryptographicHash::Sha1))
      .second;
}

const QByteArray& TextWidths::TextsDigest(const QStringList& texts) {
  const std::pair list(texts.constData(), texts.size());
  auto listed = m_texts.find(list);
  if (listed != m_texts.end()) return listed->second;
  QCryptographicHash digest(QCryptographicHash::Sha1);
  for (const QString& text : texts) {
    const qsizetype size = text.size();
    digest.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
    digest.addData(QByteArrayView(reinterpret_cast<const char*>(text.utf16()), size * 2));
  }
  return m_texts.insert(list, {texts, digest.result()})->second;
}
