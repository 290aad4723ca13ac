#include "scheduler/ui_alert_dialog.h"

#include "app/ui_app_state.h"
#include "app/ui_dialog_builder.h"
#include "resources/ui_dialog_template.h"

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
