#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Tells when a dialog of the program (pop-up, notice, message box, editor ...)
// opens or closes, and whether one is open now. The main window itself does
// not count.
class OpenDialogWatch : public QObject {
  Q_OBJECT

 public:
  OpenDialogWatch(QWidget* mainWindow, std::function<void()> changed);

  bool AnyOpen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget* m_mainWindow;
  std::function<void()> m_changed;
};
