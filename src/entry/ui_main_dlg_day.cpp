#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/ui_main_dlg.h"
#include "entry/form_preset.h"
#include "entry/typing_filter.h"
#include "entry/ui_combo_text.h"
#include "scheduler/clock_snapshot.h"

// A day picked in the Day box. For Monthly it switches the date field between
// a day of the month ("None") and a week in the month (a weekday).
void CMainDlg::OnDayChange() {
  m_type = SelectedItemText(m_typeBox);
  m_day = SelectedItemText(m_dayBox);
  m_time = m_timeEdit->text().toStdString();
  g_timeKeyCount = 5;
  if (m_type == "Monthly") {
    FormPreset current;
    current.date = m_date;
    current.dateKeyCount = g_dateKeyCount;
    current.dateLabel = m_dateLabel->text().toStdString();
    const FormPreset preset = PresetForMonthlyDay(m_day, current, g_clockSnapshot);
    m_date = preset.date;
    g_dateKeyCount = preset.dateKeyCount;
    m_dateLabel->setText(QString::fromStdString(preset.dateLabel));
  }
  g_currentType = m_type;
  UpdateData(false);
}
