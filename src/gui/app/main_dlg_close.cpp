#include <QApplication>
#include <QCloseEvent>
#include <cstdlib>

#include "core/settings/settings_store.h"
#include "gui/app/main_dlg.h"
#include "gui/platform/desktop_notifier.h"
#include "gui/watch/writer_wait.h"

// Every way out first writes a save of the alarms that still waits for
// another program writing alarms.txt (SaveBeforeTheEnd); a way out that does
// not wait for the pop-ups to close takes their notifications off the desktop.

// Exit, and Enter in any field: the settings are written even when a field
// turns out too long and the window stays open.
void CMainDlg::OnOK() {
  m_settings.SaveSettings(*this);
  if (!UpdateData(true)) return;
  SaveBeforeTheEnd(m_table);
  QDialog::done(QDialog::Accepted);
}

// Esc.
void CMainDlg::OnCancel() {
  m_settings.SaveSettings(*this);
  SaveBeforeTheEnd(m_table);
  QDialog::done(QDialog::Rejected);
}

// The close box ends the process at once.
void CMainDlg::OnClose() {
  m_settings.SaveSettings(*this);
  SaveBeforeTheEnd(m_table);
  GetDesktopNotifier().WithdrawAll();
  m_endProcess(0);
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

// The window's own run ends as after Esc. When a dialog of the program
// is open inside it, its loop cannot be left without running the rest of its
// handler (a closed pop-up removes its alarm), so the process ends at once,
// as after the close box. Both write the settings first; the session is
// ending, so no message box waits for a click that would hold it up.
void CMainDlg::OnEndSession() {
  SaveSettingsUnattended();
  SaveBeforeTheEnd(m_table);
  GetDesktopNotifier().WithdrawAll();
  const QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal == this) {
    QDialog::done(QDialog::Rejected);
  } else {
    m_endProcess(0);
  }
}

// A failure is said on stderr by the write itself.
void CMainDlg::SaveSettingsUnattended() const {
  m_settings.WriteSettings();
}
