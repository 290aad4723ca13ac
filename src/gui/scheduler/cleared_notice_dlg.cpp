#include "gui/scheduler/cleared_notice_dlg.h"

#include "core/scheduler/missed_pass.h"
#include "gui/app/data_exchange.h"
#include "gui/resources/control_ids.h"
#include "gui/resources/dialog_template.h"

CClearedNoticeDlg::CClearedNoticeDlg(const AlarmRecord& alarm)
    : CAlertDialog(ClearedNoticeTemplate()) {
  m_noticeText = ComposeNoticeText(alarm);
  DataExchange dx(this, false);
  dx.Text(IDC_NOTICE_TEXT, m_noticeText);
}
