#include "gui/app/alarm_app.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>

#include "gui/app/main_dlg.h"
#include "gui/app/single_instance.h"
#include "gui/app/termination_signals.h"
#include "gui/list/alarms_file_watcher.h"

namespace {

bool g_mainWindowOpen = false;

// A broken X connection ends the process from inside the toolkit: the
// settings are still written on the way out, without a message box.
void SaveSettingsAtExit() {
  if (!g_mainWindowOpen) return;
  g_mainWindowOpen = false;
  CMainDlg::SaveSettingsUnattended();
}

// Logout, shutdown and the termination signals close the window as Exit does,
// once the event that brought them has been answered.
void EndWithTheSession(CMainDlg& dlg) {
  const auto end = [&dlg] { QTimer::singleShot(0, &dlg, [&dlg] { dlg.OnEndSession(); }); };
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dlg,
                   [end](QSessionManager&) { end(); });
  static bool registered = false;
  if (!registered) registered = std::atexit(SaveSettingsAtExit) == 0;
}

}  // namespace

bool CAlarmApp::InitInstance() {
  AlarmTable table;
  CMainDlg dlg(table);
  new AlarmsFileWatcher(&dlg, table, dlg);
  if (m_instance != nullptr) {
    QObject::connect(m_instance, &SingleInstance::wakeRequested, &dlg,
                     [&dlg] { dlg.BringToFront(); });
  }
  const TerminationSignals terminations([&dlg] { dlg.OnEndSession(); });
  EndWithTheSession(dlg);
  // From the first turn of the window's loop on, the settings have been loaded.
  QTimer::singleShot(0, &dlg, [] { g_mainWindowOpen = true; });
  dlg.DoModal();
  g_mainWindowOpen = false;
  return false;
}
