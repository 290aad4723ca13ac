#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// A window shown minimised, as at every start after the first, stays
// minimised where the window manager maps it anyway: GNOME's ignores the
// minimised state a window is mapped in, but minimises a mapped window when
// asked. The first state the window manager reports decides: not minimised,
// the window is minimised again, once. On X11 the window is mapped
// transparent until then, so that where the window manager draws it at all
// nothing shows for that moment. Ends itself after that first report.
class MinimisedStart : public QObject {
  Q_OBJECT

 public:
  // Before the window is shown.
  explicit MinimisedStart(QWidget* window);
  // The window is restored before the window manager has reported (a second
  // start brought it forward): nothing more is done.
  void Cancel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();
  void Decide();

  QWidget* m_window;
  QPointer<QWindow> m_native;
  bool m_transparent = false;
};
