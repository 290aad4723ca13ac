#pragma once

#include <QIcon>
#include <QRect>

// Program-wide state of the application shell.

// The main window's placement made at start-up: shown minimised, restoring to
// a rectangle centred on the screen.
struct WindowPlacement {
  bool minimised = true;
  QRect normalRect;
};

extern QIcon g_appIcon;
extern WindowPlacement g_mainPlacement;
extern bool g_firstTick;
extern bool g_firstPaint;
