#include "gui/resources/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QResource>

#include "gui/resources/bitmaps.h"

QImage AppIconImage(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintAlarmClock(painter, QRectF(0, 0, side, side));
  painter.end();
  return image;
}

namespace {

// The pixels drawn when the program was built (packaging/ puts them in the
// program); null where they are not there whole (the tests do without).
QImage BuiltImage(int side) {
  const QResource built(QStringLiteral(":/icons/tockmere-%1.argb").arg(side));
  const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
  if (!built.isValid() || built.compressionAlgorithm() != QResource::NoCompression ||
      built.size() != QImage(1, 1, format).sizeInBytes() * side * side)
    return {};
  return QImage(built.data(), side, side, format).copy();
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64}) {
    const QImage built = BuiltImage(side);
    icon.addPixmap(QPixmap::fromImage(built.isNull() ? AppIconImage(side) : built));
  }
  return icon;
}
