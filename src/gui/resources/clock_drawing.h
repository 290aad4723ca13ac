#pragma once

#include <QRectF>
#include <QRgb>
#include <QString>
#include <vector>

class QPainter;

// The program's twin-bell alarm clock as a list of strokes in a unit square,
// so that the window icon, the installed PNG icons and the scalable SVG icon
// are all drawn from one description.
struct ClockStroke {
  enum class Kind { Line, Circle };
  Kind kind;
  double x1, y1;  // a line's start, or a circle's centre
  double x2, y2;  // a line's end; x2 is a circle's radius
  QRgb pen;
  double penWidth;     // in units of the square's side
  double minPenWidth;  // in pixels, so that small icons keep their lines
  bool roundCap;
  bool filled;
  QRgb fill;
};

// Feet, hammer, bells, face and hands, in the order they are painted.
const std::vector<ClockStroke>& ClockStrokes();

// Paints the strokes to fill a square box.
void PaintClockStrokes(QPainter& painter, const QRectF& box);

// The same drawing as an SVG document of side x side pixels.
QString ClockSvg(int side);
