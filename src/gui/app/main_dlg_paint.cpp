#include <QPaintEvent>

#include "gui/app/app_state.h"
#include "gui/app/main_dlg.h"

// The first paint of the window in its normal state runs one extra tick.
void CMainDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!isMinimized() && g_firstPaint) {
    g_firstPaint = false;
    // Queued, so that a pass it may run never opens a pop-up inside a paint.
    QMetaObject::invokeMethod(
        this, [this] { ClockTick(); }, Qt::QueuedConnection);
  }
}
