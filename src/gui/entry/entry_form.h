#pragma once

#include <QObject>
#include <string>

#include "core/entry/form_preset.h"
#include "core/model/clock_snapshot.h"
#include "core/platform/local_clock.h"
#include "core/settings/settings_store.h"

class AlarmTable;
class CDateEdit;
class CTimeEdit;
class DataExchange;
class QComboBox;
class QLabel;
class QWidget;

// What the entry form asks of the window it sits in, and tells it.
class EntryFormHost {
 public:
  // Moves values between the window's value members and its controls.
  virtual bool UpdateData(bool saveAndValidate) = 0;
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // Add read in another program's change of alarms.txt: the table is shown
  // again, keeping what the user is typing.
  virtual void ShowTableChange() = 0;
  // Add put a new alarm into the table, with the new-alarm marker.
  virtual void AlarmAdded() = 0;

 protected:
  ~EntryFormHost() = default;
};

// The entry form of the main window: the Type and Day boxes, the date and time
// fields, Add, and the month calendar of the Options menu.
class EntryForm : public QObject {
  Q_OBJECT

 public:
  // The fields are the window's controls; the clock reading is the clock
  // driver's; the settings and the clock are the application's.
  EntryForm(QWidget* window, AlarmTable& table, const ClockSnapshot& snapshot,
            const SettingsStore& settings, const LocalClock& clock, EntryFormHost& host);

  // The form's values and their controls.
  void Exchange(DataExchange& dx);
  // The form at start-up: the first type and day, the time of the clock.
  void SetUpForStart();
  // The time field takes the time of the clock, to be typed over.
  void TakeClockTime();

  void OnTypeChange();
  void OnDayChange();
  void OnAdd();
  void OnCalendar();

  // Value members exchanged with the controls.
  std::string m_day;
  std::string m_type;
  std::string m_date;
  std::string m_time;

 private:
  void ConnectControls();
  // What the form shows now, and showing a new setting of it.
  FormPreset FormState() const;
  void ShowForm(const FormPreset& form);

  QWidget* m_window;
  AlarmTable& m_table;
  const ClockSnapshot& m_snapshot;
  const SettingsStore& m_settings;
  const LocalClock& m_clock;
  EntryFormHost& m_host;
  QLabel* m_dateLabel = nullptr;
  // The date label's English text, which the presets read; the label shows it
  // in the user's language.
  std::string m_dateLabelText = "Date:";
  CDateEdit* m_dateEdit = nullptr;
  CTimeEdit* m_timeEdit = nullptr;
  QComboBox* m_typeBox = nullptr;
  QComboBox* m_dayBox = nullptr;
};
