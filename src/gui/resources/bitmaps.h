#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// Draws the program's twin-bell alarm clock (bells, round face with two hands,
// two feet) to fill a square box.
void PaintAlarmClock(QPainter& painter, const QRectF& box);

// The picture a template's picture control names (its IDB_ number as text),
// or a null pixmap for an unknown name:
//   IDB_FONT_SAMPLES the five font samples on white, drawn to fill `size`,
//                    each line level with its radio button of the settings dialog;
//   IDB_ABOUT_CLOCK  the twin-bell clock of the About box, 35 x 51 pixels whatever `size`.
QPixmap DialogBitmap(const QString& name, const QSize& size);
