#pragma once

#include <string>

#include "scheduler/ui_alert_dialog.h"
#include "store/alarm_record.h"

// The notice "Tockmere" that a missed one-off alarm has been cleared.
class CClearedNoticeDlg : public CAlertDialog {
  Q_OBJECT

 public:
  explicit CClearedNoticeDlg(const AlarmRecord& alarm);

  std::string m_noticeText;
};
