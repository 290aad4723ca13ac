#include "gui/app/app_state.h"

QIcon g_appIcon;
WindowPlacement g_mainPlacement;
bool g_firstTick = true;
bool g_firstPaint = true;

void ResetAppState() {
  g_appIcon = QIcon();
  g_mainPlacement = WindowPlacement{};
  g_firstTick = true;
  g_firstPaint = true;
}
