#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QWindow;

// Tells whether a top-level window is on the screen, and when that changes.
// Minimised is not enough to know: a Wayland compositor never tells a program
// its window was minimised. What every platform does tell is exposure: the
// window is exposed while the desktop draws it (a Wayland compositor stops
// asking a window it does not show for frames, and Qt then counts it
// unexposed; an X11 window manager unmaps an iconified window).
class OnScreenWatch : public QObject {
  Q_OBJECT

 public:
  OnScreenWatch(QWidget* window, std::function<void()> changed);

  bool OnScreen() const;
  // Called once a second while the window is on the screen. A Wayland
  // compositor says a window is no longer shown only by not asking for its
  // next frame, and a window whose contents did not change offers none: so
  // every few seconds one pixel is drawn again, and Qt counts the window
  // unexposed when the compositor does not ask for that frame. The active
  // window needs none: its caret draws, and it loses the keyboard when it is
  // minimised.
  void OfferAFrame();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowNativeWindow();
  void Check();

  QWidget* m_window;
  std::function<void()> m_changed;
  QPointer<QWindow> m_native;
  bool m_wayland = false;
  int m_secondsWithoutFrame = 0;
  bool m_onScreen = false;
};
