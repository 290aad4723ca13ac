#pragma once

#include <QIcon>

// The program's icon, a small twin-bell alarm clock, drawn at every size.
QIcon AppIcon();
