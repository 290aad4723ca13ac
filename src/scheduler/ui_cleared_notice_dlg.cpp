#include "scheduler/ui_cleared_notice_dlg.h"

#include "app/ui_data_exchange.h"
#include "resources/ui_control_ids.h"
#include "resources/ui_dialog_template.h"
#include "scheduler/missed_pass.h"

CClearedNoticeDlg::CClearedNoticeDlg(const AlarmRecord& alarm)
    : CAlertDialog(ClearedNoticeTemplate()) {
  m_noticeText = ComposeNoticeText(alarm);
  DataExchange dx(this, false);
  dx.Text(IDC_NOTICE_TEXT, m_noticeText);
}
