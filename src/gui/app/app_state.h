#pragma once

#include <QIcon>
#include <QRect>

// Program-wide state of the application shell.

// The main window's placement made at start-up: the rectangle centred on the
// screen that the window takes whenever it is restored.
struct WindowPlacement {
  QRect normalRect;
};

extern QIcon g_appIcon;
extern WindowPlacement g_mainPlacement;
extern bool g_firstTick;
extern bool g_firstPaint;

// Puts the four back to their state at program start.
void ResetAppState();
