#pragma once

#include <QByteArray>

// The startup id an X11 launcher hands the program it starts
// (DESKTOP_STARTUP_ID). Qt takes it out of the environment when it connects
// to the display, so it is read before.
QByteArray X11StartupId();

// Ends the launcher's startup notification for a start that maps no window of
// its own (a second copy, which hands its start to the first and ends): an
// X11 launcher shows a busy pointer until the program it started says it is
// up, which Qt says only when it shows a window. Nothing on other platforms.
void EndStartupNotification(const QByteArray& startupId);
