// The pictures of the dialog templates and the alarm clock they share with
// the program's icon, drawn in code.
#include "gui/resources/bitmaps.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>

#include "gui/resources/control_ids.h"
#include "gui/resources/fonts.h"

namespace {

// Points of the clock, in units of the box's side.
struct ClockShape {
  QRectF box;
  QPointF At(double x, double y) const {
    return box.topLeft() + QPointF(x * box.width(), y * box.height());
  }
  double Len(double f) const { return f * box.width(); }
};

void PaintFeet(QPainter& p, const ClockShape& c) {
  p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, c.Len(0.08)), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c.At(0.32, 0.84), c.At(0.2, 0.96));
  p.drawLine(c.At(0.68, 0.84), c.At(0.8, 0.96));
}

void PaintBells(QPainter& p, const ClockShape& c) {
  p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, c.Len(0.05)), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c.At(0.5, 0.06), c.At(0.5, 0.2));  // the hammer between the bells
  p.setPen(QPen(QColor(90, 60, 0), std::max(0.8, c.Len(0.03))));
  p.setBrush(QColor(230, 180, 40));
  const double r = c.Len(0.17);
  p.drawEllipse(c.At(0.2, 0.22), r, r);
  p.drawEllipse(c.At(0.8, 0.22), r, r);
}

void PaintFace(QPainter& p, const ClockShape& c) {
  const QPointF centre = c.At(0.5, 0.56);
  p.setPen(QPen(QColor(90, 20, 20), std::max(0.8, c.Len(0.03))));
  p.setBrush(QColor(200, 40, 40));
  p.drawEllipse(centre, c.Len(0.38), c.Len(0.38));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, c.Len(0.29), c.Len(0.29));
  // The hands at ten past ten.
  p.setPen(QPen(Qt::black, std::max(1.0, c.Len(0.06)), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(-c.Len(0.15), -c.Len(0.08)));
  p.drawLine(centre, centre + QPointF(c.Len(0.17), -c.Len(0.15)));
}

// The five samples: each face name written in its own face, centred on the
// height of its radio button (the buttons' centres lie 7, 21, 34, 47 and 60
// units down a picture 67 units high).
QPixmap FontSamples(const QSize& size) {
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

// The About box's clock, ringing.
QPixmap RingingClock() {
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

}  // namespace

void PaintAlarmClock(QPainter& painter, const QRectF& box) {
  const ClockShape clock{box};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFeet(painter, clock);
  PaintBells(painter, clock);
  PaintFace(painter, clock);
  painter.restore();
}

QPixmap DialogBitmap(const QString& name, const QSize& size) {
  if (name == QString::number(IDB_FONT_SAMPLES)) return FontSamples(size);
  if (name == QString::number(IDB_ABOUT_CLOCK)) return RingingClock();
  return QPixmap();
}
