#include "gui/watch/on_screen_watch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {
// How long a window minimised or covered up may go on ticking every second.
constexpr int kSecondsPerOfferedFrame = 5;
}  // namespace

OnScreenWatch::OnScreenWatch(QWidget* window, std::function<void()> changed)
    : QObject(window), m_window(window), m_changed(std::move(changed)) {
  m_wayland = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
  window->installEventFilter(this);
  FollowNativeWindow();
  m_onScreen = OnScreen();
}

bool OnScreenWatch::OnScreen() const {
  const QWindow* native = m_window->windowHandle();
  return m_window->isVisible() && !m_window->isMinimized() && native != nullptr &&
         native->isExposed();
}

void OnScreenWatch::OfferAFrame() {
  if (!m_wayland || !OnScreen() || m_window->isActiveWindow()) return;
  if (++m_secondsWithoutFrame < kSecondsPerOfferedFrame) return;
  m_secondsWithoutFrame = 0;
  m_window->update(0, 0, 1, 1);
}

// The native window exists from the first show on; its exposure is told to it
// alone.
void OnScreenWatch::FollowNativeWindow() {
  QWindow* native = m_window->windowHandle();
  if (native == m_native) return;
  if (m_native != nullptr) m_native->removeEventFilter(this);
  m_native = native;
  if (native != nullptr) native->installEventFilter(this);
}

bool OnScreenWatch::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Expose:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::WinIdChange:
      // Exposure is set once the event has been handled: judged afterwards.
      QMetaObject::invokeMethod(
          this, [this] { Check(); }, Qt::QueuedConnection);
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void OnScreenWatch::Check() {
  FollowNativeWindow();
  const bool onScreen = OnScreen();
  if (onScreen == m_onScreen) return;
  m_onScreen = onScreen;
  m_changed();
}
