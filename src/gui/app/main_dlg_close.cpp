#include <QCloseEvent>
#include <cstdlib>

#include "core/settings/alarm_settings.h"
#include "gui/app/main_dlg.h"

std::function<void(int)> CMainDlg::s_endProcess = [](int code) { std::_Exit(code); };

// Exit, and Enter in any field: the settings are written even when a field
// turns out too long and the window stays open.
void CMainDlg::OnOK() {
  SaveSettings();
  if (UpdateData(true)) QDialog::done(QDialog::Accepted);
}

// Esc.
void CMainDlg::OnCancel() {
  SaveSettings();
  QDialog::done(QDialog::Rejected);
}

// The close box ends the process at once.
void CMainDlg::OnClose() {
  SaveSettings();
  s_endProcess(0);
}

void CMainDlg::accept() {
  OnOK();
}

void CMainDlg::reject() {
  OnCancel();
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  event->accept();
  OnClose();
}
