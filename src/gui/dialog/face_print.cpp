#include "gui/dialog/face_print.h"

#include <link.h>

#include <QDataStream>
#include <QFont>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <cstring>

#include "gui/platform/file_stamp.h"

namespace {

constexpr char32_t kFirstPrintable = 0x20, kLastPrintable = 0x7e;
constexpr const char* const kShapingLibraries[] = {"/libQt6Gui.so", "/libharfbuzz.so",
                                                   "/libfreetype.so"};

QString Printable() {
  QString text;
  for (char32_t c = kFirstPrintable; c <= kLastPrintable; ++c) text += QChar(c);
  return text;
}

// The file of each loaded library that shapes and measures text, by its path,
// size and time of change: a library updated in place without a new Qt
// version may measure otherwise.
int StampShapingLibrary(dl_phdr_info* info, size_t, void* data) {
  for (const char* library : kShapingLibraries) {
    if (std::strstr(info->dlpi_name, library) != nullptr)
      *static_cast<QDataStream*>(data) << FileStamp(info->dlpi_name);
  }
  return 0;
}

}  // namespace

QByteArray FacePrint(const QFont& font) {
  const QRawFont face = QRawFont::fromFont(font, QFontDatabase::Latin);
  const QByteArray head = face.fontTable("head");
  const QList<quint32> glyphs = face.glyphIndexesForString(Printable());
  if (head.isEmpty() || glyphs.size() != kLastPrintable - kFirstPrintable + 1 || glyphs.contains(0))
    return {};
  QByteArray print = AskedPrint(font);
  QDataStream out(&print, QIODevice::WriteOnly | QIODevice::Append);
  dl_iterate_phdr(StampShapingLibrary, &out);
  out << face.familyName() << face.styleName() << face.pixelSize() << face.weight()
      << int(face.style()) << int(face.hintingPreference()) << head
      << face.advancesForGlyphIndexes(glyphs);
  return print;
}

QByteArray AskedPrint(const QFont& font) {
  QByteArray print;
  QDataStream out(&print, QIODevice::WriteOnly);
  const QScreen* screen = QGuiApplication::primaryScreen();
  out << QByteArray(TOCKMERE_VERSION) << QByteArray(qVersion()) << font.key()
      << (screen != nullptr ? screen->devicePixelRatio() : 0.0)
      << (screen != nullptr ? screen->logicalDotsPerInch() : 0.0);
  return print;
}

bool PrintableAscii(const QStringList& texts) {
  for (const QString& text : texts) {
    for (QChar c : text) {
      if (c.unicode() < kFirstPrintable || c.unicode() > kLastPrintable) return false;
    }
  }
  return true;
}
