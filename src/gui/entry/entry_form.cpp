#include "gui/entry/entry_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/model/alarm_kind.h"
#include "core/settings/settings_store.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/quiet_build.h"
#include "gui/entry/calendar_dlg.h"
#include "gui/entry/combo_text.h"
#include "gui/entry/date_edit.h"
#include "gui/entry/time_edit.h"
#include "gui/platform/translated_phrase.h"

namespace {
constexpr int kDateLimit = 8;
constexpr int kTimeLimit = 5;
}  // namespace

EntryForm::EntryForm(QWidget* window, AlarmTable& table, const ClockSnapshot& snapshot,
                     const SettingsStore& settings, const LocalClock& clock, EntryFormHost& host)
    : m_window(window),
      m_table(table),
      m_snapshot(snapshot),
      m_settings(settings),
      m_clock(clock),
      m_host(host) {
  m_dateLabel = DlgItem<QLabel>(window, IDC_DATE_LABEL);
  m_dateEdit = DlgItem<CDateEdit>(window, IDC_DATE);
  m_timeEdit = DlgItem<CTimeEdit>(window, IDC_TIME);
  m_typeBox = DlgItem<QComboBox>(window, IDC_TYPE);
  m_dayBox = DlgItem<QComboBox>(window, IDC_DAY);
  ConnectControls();
}

void EntryForm::ConnectControls() {
  connect(m_typeBox, &QComboBox::activated, this, [this] { OnTypeChange(); });
  connect(m_dayBox, &QComboBox::activated, this, [this] { OnDayChange(); });
  connect(DlgItem<QPushButton>(m_window, IDC_ADD), &QPushButton::clicked, this,
          [this] { OnAdd(); });
}

// Putting values into the controls also sets the two fields' input limits again.
void EntryForm::Exchange(DataExchange& dx) {
  dx.ComboText(IDC_DAY, m_day);
  dx.ComboText(IDC_TYPE, m_type);
  dx.Text(IDC_DATE, m_date, kDateLimit);
  dx.Text(IDC_TIME, m_time, kTimeLimit);
}

void EntryForm::SetUpForStart() {
  m_dayBox->setCurrentIndex(0);
  m_day = SelectedItemText(m_dayBox);
  m_typeBox->setCurrentIndex(0);
  m_type = SelectedItemText(m_typeBox);
  TakeClockTime();
}

void EntryForm::TakeClockTime() {
  m_time = m_snapshot.timeText;
  m_timeEdit->SetKeyCount(kTimeLimit);
}

// The form as it stands: the values last put into it and the state of its
// controls. The time being typed is taken from its field, so that it
// survives a change of type or day.
FormPreset EntryForm::FormState() const {
  FormPreset form;
  form.dayEnabled = m_dayBox->isEnabled();
  form.day = m_day;
  form.dateReadOnly = m_dateEdit->isReadOnly();
  form.date = m_date;
  form.dateKeyCount = m_dateEdit->KeyCount();
  form.dateLabel = m_dateLabelText;
  return form;
}

void EntryForm::ShowForm(const FormPreset& form) {
  m_time = m_timeEdit->text().toStdString();
  m_timeEdit->SetKeyCount(kTimeLimit);
  m_dayBox->setEnabled(form.dayEnabled);
  m_day = form.day;
  m_dateEdit->setReadOnly(form.dateReadOnly);
  m_date = form.date;
  m_dateEdit->SetKeyCount(form.dateKeyCount);
  m_dateLabelText = form.dateLabel;
  m_dateLabel->setText(TranslatedCore("Date label", form.dateLabel));
  m_dateEdit->SetAlarmType(m_type);
  m_host.UpdateData(false);
}

// Sets the form up for the type picked in the Type box; a time being typed
// survives the change.
void EntryForm::OnTypeChange() {
  m_type = SelectedItemText(m_typeBox);
  FormPreset current = FormState();
  current.dateLabel = "Date:";
  ShowForm(PresetForType(m_type, current, m_snapshot, m_settings.Order()));
}

// A day picked in the Day box. Where the kind takes a weekday or "None" (Monthly)
// it switches the date field between a day of the month ("None") and a week in
// the month (a weekday).
void EntryForm::OnDayChange() {
  m_type = SelectedItemText(m_typeBox);
  m_day = SelectedItemText(m_dayBox);
  FormPreset form = FormState();
  if (DayFieldOf(m_type) == DayField::WeekdayOrNone)
    form = PresetForMonthlyDay(m_day, form, m_snapshot);
  ShowForm(form);
}

// Options > Calendar: shows the month calendar; its result is of no account.
void EntryForm::OnCalendar() {
  QuietBuild quiet;
  CCalendarDlg dlg(m_clock, m_window);
  dlg.OnInitDialog();
  quiet.End();
  dlg.exec();
}
