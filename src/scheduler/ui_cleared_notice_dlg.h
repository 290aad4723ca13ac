#pragma once

#include <QDialog>
#include <string>

#include "store/alarm_record.h"

// The notice "Tockmere" that a missed one-off alarm has been cleared.
class CClearedNoticeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CClearedNoticeDlg(const AlarmRecord& alarm);

  std::string m_noticeText;

 protected:
  void showEvent(QShowEvent* event) override;
};
