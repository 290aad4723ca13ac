#include "app/ui_alarm_app.h"

#include "app/ui_app_state.h"
#include "app/ui_main_dlg.h"
#include "app/ui_single_instance.h"

bool CAlarmApp::InitInstance() {
  g_firstTick = true;
  g_firstPaint = true;
  CMainDlg dlg;
  if (m_instance != nullptr) {
    QObject::connect(m_instance, &SingleInstance::wakeRequested, &dlg,
                     [&dlg] { dlg.BringToFront(); });
  }
  dlg.DoModal();
  return false;
}
