#include "gui/scheduler/alert_dialog.h"

#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"

CAlertDialog::CAlertDialog(const DialogTemplate& tmpl, const QIcon& icon) {
  BuildDialog(this, tmpl);
  // An alarm nobody sees has failed: keep it above other windows.
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setWindowIcon(icon);
}

void CAlertDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  raise();
  activateWindow();
}
