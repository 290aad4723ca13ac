#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, a small twin-bell alarm clock, at 16, 32, 48 and 64 pixels.
QIcon AppIcon();

// The icon at one size, side x side pixels on a transparent ground: the window
// icon and the installed PNG icons are both made by this.
QImage AppIconImage(int side);
