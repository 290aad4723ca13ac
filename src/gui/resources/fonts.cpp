#include "gui/resources/fonts.h"

#include <QFont>
#include <QStringList>
#include <array>

namespace {
constexpr std::array<const char*, kAlarmFontCount> kFaces = {
    "Arial", "Times New Roman", "MS Sans Serif", "Garamond", "Monotype Corsiva"};
constexpr int kDefaultFont = 1;
}  // namespace

QString AlarmFontFace(int fontNo) {
  const bool known = fontNo >= 0 && fontNo < kAlarmFontCount;
  return QString::fromLatin1(kFaces[known ? fontNo : kDefaultFont]);
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("Garamond"),
      QStringList{QStringLiteral("EB Garamond"), QStringLiteral("URW Bookman")});
  QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"),
                             QStringList{QStringLiteral("Z003"), QStringLiteral("URW Chancery L")});
}
