#include "gui/app/alarm_app.h"

#include "gui/app/app_state.h"
#include "gui/app/main_dlg.h"
#include "gui/app/single_instance.h"
#include "gui/list/alarms_file_watcher.h"

bool CAlarmApp::InitInstance() {
  g_firstTick = true;
  g_firstPaint = true;
  CMainDlg dlg;
  new AlarmsFileWatcher(&dlg);
  if (m_instance != nullptr) {
    QObject::connect(m_instance, &SingleInstance::wakeRequested, &dlg,
                     [&dlg] { dlg.BringToFront(); });
  }
  dlg.DoModal();
  return false;
}
