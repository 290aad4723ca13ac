#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, a small twin-bell alarm clock, drawn at every size.
QIcon AppIcon();

// The icon at one size, side x side pixels on a transparent ground: the window
// icon and the installed PNG icons are both made by this.
QImage AppIconImage(int side);
