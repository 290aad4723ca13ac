#include "gui/resources/clock_drawing.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {

constexpr QRgb kIron = 0xff3c3c3c;
constexpr QRgb kBrass = 0xffe6b428;
constexpr QRgb kBrassEdge = 0xff5a3c00;
constexpr QRgb kRed = 0xffc82828;
constexpr QRgb kRedEdge = 0xff5a1414;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

using K = ClockStroke::Kind;

// The face's centre; the hands stand at ten past ten.
constexpr double kFaceX = 0.5;
constexpr double kFaceY = 0.56;

QString Number(double value) {
  return QString::number(value, 'g', 6);
}

QString Colour(QRgb rgb) {
  return QColor(rgb).name();
}

}  // namespace

const std::vector<ClockStroke>& ClockStrokes() {
  static const std::vector<ClockStroke> strokes = {
      {K::Line, 0.32, 0.84, 0.2, 0.96, kIron, 0.08, 1.0, true, false, 0},  // feet
      {K::Line, 0.68, 0.84, 0.8, 0.96, kIron, 0.08, 1.0, true, false, 0},
      {K::Line, 0.5, 0.06, 0.5, 0.2, kIron, 0.05, 1.0, true, false, 0},             // the hammer
      {K::Circle, 0.2, 0.22, 0.17, 0, kBrassEdge, 0.03, 0.8, false, true, kBrass},  // bells
      {K::Circle, 0.8, 0.22, 0.17, 0, kBrassEdge, 0.03, 0.8, false, true, kBrass},
      {K::Circle, kFaceX, kFaceY, 0.38, 0, kRedEdge, 0.03, 0.8, false, true, kRed},    // case
      {K::Circle, kFaceX, kFaceY, 0.29, 0, kRedEdge, 0.03, 0.8, false, true, kWhite},  // dial
      {K::Line, kFaceX, kFaceY, kFaceX - 0.15, kFaceY - 0.08, kBlack, 0.06, 1.0, true, false, 0},
      {K::Line, kFaceX, kFaceY, kFaceX + 0.17, kFaceY - 0.15, kBlack, 0.06, 1.0, true, false, 0},
  };
  return strokes;
}

void PaintClockStrokes(QPainter& painter, const QRectF& box) {
  const auto at = [&box](double x, double y) {
    return box.topLeft() + QPointF(x * box.width(), y * box.height());
  };
  const double side = box.width();
  for (const ClockStroke& s : ClockStrokes()) {
    QPen pen(QColor(s.pen), std::max(s.minPenWidth, s.penWidth * side));
    if (s.roundCap) pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    if (s.filled) {
      painter.setBrush(QColor(s.fill));
    } else {
      painter.setBrush(Qt::NoBrush);
    }
    if (s.kind == K::Line) {
      painter.drawLine(at(s.x1, s.y1), at(s.x2, s.y2));
    } else {
      painter.drawEllipse(at(s.x1, s.y1), s.x2 * side, s.x2 * side);
    }
  }
}

QString ClockSvg(int side) {
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\">\n")
                    .arg(side);
  for (const ClockStroke& s : ClockStrokes()) {
    const QString stroke =
        QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"%3")
            .arg(Colour(s.pen), Number(std::max(s.minPenWidth, s.penWidth * side)),
                 s.roundCap ? QStringLiteral(" stroke-linecap=\"round\"") : QString());
    if (s.kind == K::Line) {
      svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>\n")
                 .arg(Number(s.x1 * side), Number(s.y1 * side), Number(s.x2 * side),
                      Number(s.y2 * side), stroke);
    } else {
      svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" %5/>\n")
                 .arg(Number(s.x1 * side), Number(s.y1 * side), Number(s.x2 * side),
                      s.filled ? Colour(s.fill) : QStringLiteral("none"), stroke);
    }
  }
  return svg + QStringLiteral("</svg>\n");
}
