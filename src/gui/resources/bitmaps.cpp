// The pictures of the dialog templates and the alarm clock they share with
// the program's icon, drawn in code.
#include "gui/resources/bitmaps.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>

#include "gui/resources/clock_drawing.h"
#include "gui/resources/fonts.h"

// The five samples: each face name written in its own face, centred on the
// height of its radio button (the buttons' centres lie 7, 21, 34, 47 and 60
// units down a picture 67 units high).
QPixmap FontSamplesPicture(const QSize& size) {
  static const char* const kTexts[5] = {"Arial", "Times New Roman", "MS Sans Serif", "Garamond",
                                        "Corsiva"};
  static const int kCentres[5] = {7, 21, 34, 47, 60};
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setPen(Qt::black);
  for (int k = 0; k < 5; ++k) {
    QFont font{AlarmFontFace(k)};
    int px = std::max(6, pixmap.height() * 9 / 67);
    font.setPixelSize(px);
    while (px > 6 && QFontMetrics(font).horizontalAdvance(kTexts[k]) > pixmap.width() - 6) {
      font.setPixelSize(--px);
    }
    p.setFont(font);
    const int centre = pixmap.height() * kCentres[k] / 67;
    p.drawText(QRect(4, centre - px, pixmap.width() - 4, 2 * px), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(kTexts[k]));
  }
  return pixmap;
}

QPixmap AboutClockPicture() {
  QPixmap pixmap(35, 51);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  PaintAlarmClock(p, QRectF(0, 15, 35, 35));
  p.setPen(QPen(QColor(60, 60, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1}) {
    const double x = 17.5 + side * 11;
    p.drawLine(QPointF(x - 4 * side, 10), QPointF(x - 6 * side, 4));
    p.drawLine(QPointF(x + 2 * side, 11), QPointF(x + 5 * side, 5));
  }
  return pixmap;
}

void PaintAlarmClock(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintClockStrokes(painter, box);
  painter.restore();
}
