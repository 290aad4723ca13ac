#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/ui_main_dlg.h"
#include "entry/form_preset.h"
#include "entry/ui_combo_text.h"
#include "entry/typing_filter.h"
#include "scheduler/clock_snapshot.h"
#include "settings/alarm_settings.h"

// Sets the form up for the type picked in the Type box; a time being typed
// survives the change.
void CMainDlg::OnTypeChange() {
  m_type = SelectedItemText(m_typeBox);
  m_time = m_timeEdit->text().toStdString();
  g_timeKeyCount = 5;
  m_dateLabel->setText(QStringLiteral("Date:"));
  FormPreset current;
  current.dayEnabled = m_dayBox->isEnabled();
  current.day = m_day;
  current.dateReadOnly = m_dateEdit->isReadOnly();
  current.date = m_date;
  current.dateKeyCount = g_dateKeyCount;
  current.dateLabel = "Date:";
  const FormPreset preset = PresetForType(m_type, current, g_clockSnapshot, g_settings.DateFormat);
  m_dayBox->setEnabled(preset.dayEnabled);
  m_day = preset.day;
  m_dateEdit->setReadOnly(preset.dateReadOnly);
  m_date = preset.date;
  g_dateKeyCount = preset.dateKeyCount;
  m_dateLabel->setText(QString::fromStdString(preset.dateLabel));
  g_currentType = m_type;
  UpdateData(false);
}
