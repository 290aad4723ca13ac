#include "gui/dialog/dialog_face.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIODevice>

#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/face_print.h"
#include "gui/dialog/fitting_memo.h"

namespace {

// The face asked for, the screen, the versions and the installed families:
// a font installed or removed gives another key, so its record is not found.
QByteArray FaceKey(const QFont& asked) {
  QByteArray all = "dialog face\n" + AskedPrint(asked);
  QDataStream out(&all, QIODevice::WriteOnly | QIODevice::Append);
  out << QFontDatabase::families();
  return QCryptographicHash::hash(all, QCryptographicHash::Sha1).toHex();
}

QFont OfFamily(QFont asked, const QString& family) {
  if (!family.isEmpty()) asked.setFamily(family);
  return asked;
}

}  // namespace

QFont RememberedDialogFont(const DialogTemplate& tmpl, FittingMemo& memo) {
  const QFont asked = DialogFont(tmpl);
  const QByteArray key = FaceKey(asked);
  if (const std::optional<QString> family = memo.RecallName(key)) return OfFamily(asked, *family);
  const QString family = QFontInfo(asked).family();
  memo.RememberName(key, family);
  return OfFamily(asked, family);
}

void CheckDialogFace(const DialogTemplate& tmpl, FittingMemo& memo) {
  const QFont asked = DialogFont(tmpl);
  const QString family = QFontInfo(asked).family();
  const QByteArray key = FaceKey(asked);
  if (memo.RecallName(key) != family) memo.RememberName(key, family);
}
