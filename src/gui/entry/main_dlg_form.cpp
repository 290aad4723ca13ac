#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/app/main_dlg.h"
#include "gui/entry/date_edit.h"
#include "gui/entry/time_edit.h"

// The form as it stands: the values last put into it and the state of its
// controls. The time being typed is taken from its field, so that it
// survives a change of type or day.
FormPreset CMainDlg::FormState() const {
  FormPreset form;
  form.dayEnabled = m_dayBox->isEnabled();
  form.day = m_day;
  form.dateReadOnly = m_dateEdit->isReadOnly();
  form.date = m_date;
  form.dateKeyCount = m_dateEdit->KeyCount();
  form.dateLabel = m_dateLabel->text().toStdString();
  return form;
}

void CMainDlg::ShowForm(const FormPreset& form) {
  m_time = m_timeEdit->text().toStdString();
  m_timeEdit->SetKeyCount(5);
  m_dayBox->setEnabled(form.dayEnabled);
  m_day = form.day;
  m_dateEdit->setReadOnly(form.dateReadOnly);
  m_date = form.date;
  m_dateEdit->SetKeyCount(form.dateKeyCount);
  m_dateLabel->setText(QString::fromStdString(form.dateLabel));
  m_dateEdit->SetAlarmType(m_type);
  UpdateData(false);
}
