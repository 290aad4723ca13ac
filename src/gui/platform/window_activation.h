#pragma once

#include <QString>

class QWidget;

// Brings a top-level window forward and gives it the keyboard. A Wayland
// desktop lets a window come forward only with an activation token, which it
// hands to whoever the user acted through: the launcher that started a second
// copy (XDG_ACTIVATION_TOKEN), the notification the user clicked. Without a
// token the request is still made; the desktop may then only mark the window
// as wanting attention.
void ActivateWindow(QWidget* window, const QString& token);

// Whether text is fit to be used as an activation token: printable ASCII, no
// longer than a desktop makes them.
bool IsActivationToken(const QString& text);
