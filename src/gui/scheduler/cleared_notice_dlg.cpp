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

namespace {

using K = ControlKind;

DialogTemplate MakeClearedNotice() {
  DialogTemplate t = Dialog(IDD_CLEARED_NOTICE, DialogText::tr("Tockmere"), 122, 83);
  t.controls.push_back(
      Ctl(IDC_NOTICE_TEXT, K::Label, QStringLiteral("Static"), kWordWrap, QRect(4, 0, 114, 62)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(41, 65, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& ClearedNoticeTemplate() {
  static const DialogTemplate t = MakeClearedNotice();
  return t;
}
