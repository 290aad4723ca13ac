#include "gui/app/alarm_app.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>
#include <utility>

#include "gui/app/main_dlg.h"
#include "gui/app/single_instance.h"
#include "gui/app/termination_signals.h"
#include "gui/app/translations.h"
#include "gui/dialog/fitting_memo.h"
#include "gui/watch/alarms_file_watcher.h"

namespace {

// The main window while its loop runs: exit() leaves it in place.
CMainDlg* s_openWindow = nullptr;

// A broken X connection ends the process from inside the toolkit: the
// settings, and a save of the alarms still waiting for another program's
// writer, are still written on the way out, without a message box.
void SaveSettingsAtExit() {
  CMainDlg* window = std::exchange(s_openWindow, nullptr);
  if (window == nullptr) return;
  window->SaveSettingsUnattended();
  window->Table().FinishWaitingSave();
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
  const RealClock clock;
  SettingsStore settings;
  AlarmTable table;
  AlarmsFolder folder(m_folder);
  if (m_instance != nullptr) folder.WhenEnteredAgain([this] { m_instance->FollowFolder(); });
  table.SetFolder(std::move(folder));
  FittingMemo fittingMemo(FittingMemo::UserFile());
  fittingMemo.SetTextsSource(TextsSource(*QCoreApplication::instance()));
  CMainDlg dlg(table, settings, clock, &fittingMemo);
  new AlarmsFileWatcher(&dlg, table, dlg.Clock(), [&dlg] { dlg.List().ShowTableChange(); });
  if (m_instance != nullptr) {
    QObject::connect(m_instance, &SingleInstance::wakeRequested, &dlg,
                     [&dlg](const QString& token) { dlg.BringToFront(token); });
    // Once the handler that entered the folder again is done; the settings
    // and alarms there are the other copy's now.
    QObject::connect(m_instance, &SingleInstance::folderTakenByAnother, &dlg,
                     [&dlg] { QTimer::singleShot(0, &dlg, [] { std::_Exit(0); }); });
  }
  const TerminationSignals terminations([&dlg] { dlg.OnEndSession(); });
  EndWithTheSession(dlg);
  // From the first turn of the window's loop on, the settings have been loaded.
  QTimer::singleShot(0, &dlg, [&dlg] { s_openWindow = &dlg; });
  dlg.DoModal();
  s_openWindow = nullptr;
  return false;
}
