#include "gui/resources/app_icon.h"

#include <QPainter>
#include <QPixmap>

#include "gui/resources/bitmaps.h"

QIcon AppIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAlarmClock(painter, QRectF(0, 0, side, side));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
