#include "scheduler/ui_cleared_notice_dlg.h"

#include "app/ui_app_state.h"
#include "app/ui_data_exchange.h"
#include "app/ui_dialog_builder.h"
#include "resources/ui_control_ids.h"
#include "resources/ui_dialog_template.h"
#include "scheduler/missed_pass.h"

CClearedNoticeDlg::CClearedNoticeDlg(const AlarmRecord& alarm) {
  BuildDialog(this, ClearedNoticeTemplate());
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setWindowIcon(g_appIcon);
  m_noticeText = ComposeNoticeText(alarm);
  DataExchange dx(this, false);
  dx.Text(IDC_NOTICE_TEXT, m_noticeText);
}

void CClearedNoticeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  raise();
  activateWindow();
}
