#include "gui/scheduler/alert_dialog.h"

#include "gui/app/app_state.h"
#include "gui/app/dialog_builder.h"
#include "gui/resources/dialog_template.h"

CAlertDialog::CAlertDialog(const DialogTemplate& tmpl) {
  BuildDialog(this, tmpl);
  // An alarm nobody sees has failed: keep it above other windows.
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setWindowIcon(g_appIcon);
}

void CAlertDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  raise();
  activateWindow();
}
