#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/entry/typing_filter.h"
#include "gui/app/main_dlg.h"

// The form as it stands: the values last put into it and the state of its
// controls. The time being typed is taken from its field, so that it
// survives a change of type or day.
FormPreset CMainDlg::FormState() const {
  FormPreset form;
  form.dayEnabled = m_dayBox->isEnabled();
  form.day = m_day;
  form.dateReadOnly = m_dateEdit->isReadOnly();
  form.date = m_date;
  form.dateKeyCount = g_dateKeyCount;
  form.dateLabel = m_dateLabel->text().toStdString();
  return form;
}

void CMainDlg::ShowForm(const FormPreset& form) {
  m_time = m_timeEdit->text().toStdString();
  g_timeKeyCount = 5;
  m_dayBox->setEnabled(form.dayEnabled);
  m_day = form.day;
  m_dateEdit->setReadOnly(form.dateReadOnly);
  m_date = form.date;
  g_dateKeyCount = form.dateKeyCount;
  m_dateLabel->setText(QString::fromStdString(form.dateLabel));
  g_currentType = m_type;
  UpdateData(false);
}
