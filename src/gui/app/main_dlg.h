#pragma once

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/entry/form_preset.h"
#include "core/list/list_window.h"
#include "core/model/alarm_record.h"
#include "core/model/core_ui.h"
#include "core/platform/local_clock.h"
#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"
#include "gui/resources/control_ids.h"

class ClockChangeWatch;
class OpenDialogWatch;
class WakeUpTimer;
class QComboBox;
class QLabel;
class QLineEdit;
class CDateEdit;
class CTimeEdit;
class QMenuBar;
class QScrollBar;

// The main window: the entry form, the alarm list, the clock line. The whole
// program lives inside its modal run. Its members are defined in the folder of
// the subsystem they belong to.
class CMainDlg : public QDialog, public CoreUi {
  Q_OBJECT

 public:
  // The window shows and changes the table and the settings and reads the
  // clock; the application owns all three.
  CMainDlg(AlarmTable& table, SettingsStore& settings, const LocalClock& clock);
  ~CMainDlg() override;

  AlarmTable& Table() { return m_table; }

  // Initialises and runs the window modally; returns its result.
  int DoModal();
  // Restores the window and brings it above other programs' windows.
  void BringToFront();
  // The start-up steps, in their binding order.
  bool OnInitDialog();

  // Moves values between the value members and the controls.
  bool UpdateData(bool saveAndValidate);

  // Clock and due check.
  void ClockTick();
  void ShowNewMinute();
  void ShowUnshownMinute();
  void CheckDueAlarms(std::int64_t sinceMinute);
  void OnTimer(int timerId);
  // The pop-up of entry i, which fell due in dueMinute (MinuteOf): shown in a
  // later minute, its notification says how late it is.
  void ShowAlarmPopup(int i, std::int64_t dueMinute);
  void ClearMissedAlarms();
  // The minute of real time the due check judged last.
  std::int64_t LastCheckedMinute() const;
  // Alarms that reading alarms.txt in brought into the table: those due in a
  // minute judged after sinceMinute pop up once now, late.
  void CatchUpReadIn(const std::vector<AlarmRecord>& records, std::int64_t sinceMinute);

  // The list.
  void RefreshList(int top);
  void AlarmDeleted(int i, int count) override;
  // The alarms changed: the wake-up timer is set for the next.
  void TableChanged() override;
  // Shows a table that reading alarms.txt in changed, keeping what the user is typing.
  void ShowTableChange();
  void OnVScroll(int code, int position);

  // The entry form.
  void OnTypeChange();
  void OnDayChange();
  // What the form shows now, and showing a new setting of it (both handlers).
  FormPreset FormState() const;
  void ShowForm(const FormPreset& form);
  void OnAdd();
  void OnCalendar();

  // The list rows' buttons: each passes its row to the one body of its kind.
  void OnClear1();
  void OnClear2();
  void OnClear3();
  void OnClear4();
  void OnClear5();
  void OnText1();
  void OnText2();
  void OnText3();
  void OnText4();
  void OnText5();

  // The Options menu.
  void OnCommand(int command);
  void OnSettings();
  void OnUsage();
  void OnHelp();
  void OnAbout();

  // Closing.
  void OnOK();
  void OnCancel();
  void OnClose();
  // The end of the desktop session (logout, shutdown, SIGTERM, SIGHUP): the
  // settings are written and the program ends, as on Exit, but nothing waits
  // for the user: a failure to write the settings goes to stderr.
  void OnEndSession();
  void SaveSettingsUnattended() const;

  // Message boxes of the core.
  void ShowMessage(const std::string& text, const std::string& caption) override;

  // How OnClose ends the process; tests replace it.
  static std::function<void(int)> s_endProcess;

  // Value members exchanged with the controls.
  std::string m_day;
  std::string m_type;
  std::string m_clockText;
  std::string m_date;
  std::string m_time;
  std::array<std::string, kListRowCount> m_rowTime;
  std::array<std::string, kListRowCount> m_rowType;

  // The last clock reading, written only by the clock tick.
  ClockSnapshot m_clockSnapshot;
  int m_lastMinute = 0;
  int m_lastDateFormat = 0;
  QRect m_desktopRect;
  QRect m_windowRect;
  int m_windowHeight = 0;
  int m_windowWidth = 0;
  QIcon m_icon;

 private:
  ListWindow m_listWindow;
  AlarmTable& m_table;
  SettingsStore& m_settings;
  const LocalClock& m_clock;
  // Control members: tests find the controls with GetDlgItem.
  QScrollBar* m_scrollBar = nullptr;
  std::array<QLabel*, kListRowCount> m_rowNo{};
  QLabel* m_dateLabel = nullptr;
  CDateEdit* m_dateEdit = nullptr;
  CTimeEdit* m_timeEdit = nullptr;
  QLineEdit* m_clockEdit = nullptr;
  QComboBox* m_typeBox = nullptr;
  QComboBox* m_dayBox = nullptr;
  QMenuBar* m_menuBar = nullptr;

 protected:
  void accept() override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DoDataExchange(class DataExchange& dx);
  void BuildMenu();
  void ConnectControls();
  void ConnectRowButtons();
  int RowRecord(int row) const;
  void OnClearRow(int row);
  void OnTextRow(int row);
  void PlaceWindow();
  void ApplyPlacement(bool minimised);
  void SetUpClockTimers();
  void StartClockTimer();
  void FitClockTimers();
  void ArmClockTimer();
  void ArmClockTimerEvery(int period);
  void OnClockTimeout();
  void OnClockChanged();

  QTimer m_clockTimer;   // precise: the minute's first tick, every tick when minimised
  QTimer m_coarseTimer;  // the other ticks while the window is shown
  std::int64_t m_lastTickSecond = 0;
  std::int64_t m_lastCheckedMinute = 0;  // the minute of real time the due check saw last
  bool m_clockStarted = false;           // start-up has reached the timer's step
  OpenDialogWatch* m_dialogWatch = nullptr;
  ClockChangeWatch* m_clockChangeWatch = nullptr;
  WakeUpTimer* m_wakeUp = nullptr;
  bool m_minuteUnshown = false;  // a new minute not yet put into the controls
};
