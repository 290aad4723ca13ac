#include "gui/platform/whole_title.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Qt's own title bar (its "bradient" decorations) draws the title in a font
// of this pixel size, centred by the title's width in the application's
// font, and cuts it this far from the right edge of the window: three
// buttons, their spacing and margin.
constexpr int kTitlePixelSize = 14;
constexpr int kButtonsRoom = 77;

// The width the window's contents need for the whole title, 0 while the
// platform draws no title bar of its own.
int WidthForWholeTitle(const QWidget* window, const QMargins& frame) {
  if (frame.top() == 0) return 0;
  QFont drawn = QGuiApplication::font();
  drawn.setPixelSize(kTitlePixelSize);
  const int centred =
      QFontMetrics(QGuiApplication::font()).horizontalAdvance(window->windowTitle());
  const int shown = QFontMetrics(drawn).horizontalAdvance(window->windowTitle());
  // The title starts at (whole - centred) / 2 and ends before whole - kButtonsRoom.
  const int whole = 2 * kButtonsRoom + std::max(centred, 2 * shown - centred);
  return whole - frame.left() - frame.right();
}

// The title bar is made as the window is first drawn: each exposure of the
// native window is when its width is judged.
class TitleWatch : public QObject {
 public:
  TitleWatch(QWidget* window, QWindow* native) : QObject(window), m_window(window) {
    setObjectName(kName);
    native->installEventFilter(this);
  }

  static constexpr const char* kName = "wholeTitleWatch";

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) {
      const int needed =
          WidthForWholeTitle(m_window, static_cast<QWindow*>(watched)->frameMargins());
      const bool fixed = m_window->minimumWidth() == m_window->maximumWidth();
      if (fixed && m_window->width() < needed) m_window->setFixedWidth(needed);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* m_window;
};

}  // namespace

void KeepTitleWhole(QWidget* window) {
  QWindow* native = window->windowHandle();
  if (native == nullptr || !QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) ||
      window->findChild<QObject*>(TitleWatch::kName, Qt::FindDirectChildrenOnly) != nullptr) {
    return;
  }
  new TitleWatch(window, native);
}
