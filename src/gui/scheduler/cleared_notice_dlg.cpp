#include "gui/scheduler/cleared_notice_dlg.h"

#include "core/scheduler/missed_pass.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_template.h"
#include "gui/platform/translated_phrase.h"

CClearedNoticeDlg::CClearedNoticeDlg(const AlarmRecord& alarm, const QIcon& icon)
    : CAlertDialog(ClearedNoticeTemplate(), icon) {
  m_noticeText = Translated(NoticePhrase(alarm)).toStdString();
  DataExchange dx(this, false);
  dx.Text(IDC_NOTICE_TEXT, m_noticeText);
}
