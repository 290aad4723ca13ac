#include "gui/app/minimised_start.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

MinimisedStart::MinimisedStart(QWidget* window) : QObject(window), m_window(window) {
  m_transparent = QGuiApplication::platformName() == QLatin1String("xcb");
  if (m_transparent) m_window->setWindowOpacity(0.0);
  window->installEventFilter(this);
}

// The native window exists once the window is shown.
void MinimisedStart::Follow() {
  if (m_native != nullptr || m_window->windowHandle() == nullptr) return;
  m_native = m_window->windowHandle();
  m_native->installEventFilter(this);
}

// Only the platform's own report counts, not the program's request.
bool MinimisedStart::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_window && event->type() == QEvent::Show) Follow();
  if (watched == m_native && event->type() == QEvent::WindowStateChange && event->spontaneous()) {
    QMetaObject::invokeMethod(
        this, [this] { Decide(); }, Qt::QueuedConnection);
    m_native->removeEventFilter(this);
  }
  return QObject::eventFilter(watched, event);
}

void MinimisedStart::Decide() {
  if (!m_window->isMinimized())
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
  Cancel();
}

void MinimisedStart::Cancel() {
  if (m_native != nullptr) m_native->removeEventFilter(this);
  m_window->removeEventFilter(this);
  if (m_transparent) m_window->setWindowOpacity(1.0);
  m_transparent = false;
  deleteLater();
}
