#include "gui/resources/app_icon.h"

#include <QPainter>
#include <QPixmap>

#include "gui/resources/bitmaps.h"

QImage AppIconImage(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintAlarmClock(painter, QRectF(0, 0, side, side));
  painter.end();
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(AppIconImage(side)));
  return icon;
}
