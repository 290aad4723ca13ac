#include "gui/watch/open_dialog_watch.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

OpenDialogWatch::OpenDialogWatch(QWidget* mainWindow, std::function<void()> changed)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_changed(std::move(changed)) {
  QApplication::instance()->installEventFilter(this);
}

bool OpenDialogWatch::AnyOpen() const {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != m_mainWindow && window->isVisible() &&
        qobject_cast<QDialog*>(window) != nullptr) {
      return true;
    }
  }
  return false;
}

// Told after the show or hide has been carried out, so that AnyOpen sees it.
bool OpenDialogWatch::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::Show || type == QEvent::Hide) && watched != m_mainWindow &&
      qobject_cast<QDialog*>(watched) != nullptr && static_cast<QWidget*>(watched)->isWindow()) {
    QMetaObject::invokeMethod(this, m_changed, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}
