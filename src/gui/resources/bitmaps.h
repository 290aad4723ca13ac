#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// Draws the program's twin-bell alarm clock (bells, round face with two hands,
// two feet) to fill a square box.
void PaintAlarmClock(QPainter& painter, const QRectF& box);

// The pictures the templates' picture controls name:
// the five font samples on white, drawn to fill `size`, each line level with
// its radio button of the settings dialog;
QPixmap FontSamplesPicture(const QSize& size);
// the twin-bell clock of the About box, ringing, 35 x 51 pixels.
QPixmap AboutClockPicture();
