#pragma once

#include <string>

#include "core/model/alarm_record.h"
#include "gui/scheduler/alert_dialog.h"

struct DialogTemplate;

// The notice "Tockmere" that a missed one-off alarm has been cleared.
class CClearedNoticeDlg : public CAlertDialog {
  Q_OBJECT

 public:
  CClearedNoticeDlg(const AlarmRecord& alarm, const QIcon& icon);

  std::string m_noticeText;
};

// The cleared-alarm notice's template (IDD_CLEARED_NOTICE).
const DialogTemplate& ClearedNoticeTemplate();
