#include "gui/platform/window_activation.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kMaxTokenLength = 256;
const char* const kTokenVariable = "XDG_ACTIVATION_TOKEN";
}  // namespace

bool IsActivationToken(const QString& text) {
  return !text.isEmpty() && text.size() <= kMaxTokenLength &&
         std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}

// Qt's Wayland platform (6.4 and later) activates a window with the token it
// finds in XDG_ACTIVATION_TOKEN at the moment of the request, and clears the
// variable once used. It is cleared here too, so that a token the platform
// did not use never reaches a program started later.
void ActivateWindow(QWidget* window, const QString& token) {
  const bool wayland = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
  if (wayland && IsActivationToken(token)) qputenv(kTokenVariable, token.toLatin1());
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
  if (wayland) qunsetenv(kTokenVariable);
}
