#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "core/list/list_window.h"
#include "core/model/clock_snapshot.h"
#include "core/settings/settings_store.h"

class AlarmTable;
struct AlarmRecord;
class DataExchange;
class QLabel;
class QScrollBar;
class QWidget;

// What the alarm list asks of the window it sits in.
class AlarmListHost {
 public:
  // Moves values between the window's value members and its controls.
  virtual bool UpdateData(bool saveAndValidate) = 0;

 protected:
  ~AlarmListHost() = default;
};

// The five rows of the main window that show the alarm table, their scroll
// bar, and each row's Text and Clear buttons. The first row shown is kept by
// the list's ListWindow.
class AlarmList : public QObject {
  Q_OBJECT

 public:
  // The rows are the window's controls; the clock reading is the clock
  // driver's; the settings are the application's.
  AlarmList(QWidget* window, AlarmTable& table, const ClockSnapshot& snapshot,
            const SettingsStore& settings, AlarmListHost& host);

  // The rows' values and their controls.
  void Exchange(DataExchange& dx);
  // Shows five records from top (or the newly added one, ShowNewAlarm).
  void Refresh(int top);
  // Shows a table that reading alarms.txt in (or a snooze) changed, keeping
  // what the user is typing; with entry inView brought into view as Add does.
  void ShowTableChange(int inView = -1);
  // The table deleted entry i and holds count entries now.
  void AlarmDeleted(int i, int count);
  void OnVScroll(ScrollCode code, int position);
  // The buttons of a row (0 for the top one).
  void OnClearRow(int row);
  void OnTextRow(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static int FindRecord(const AlarmTable& table, const AlarmRecord& record);
  void TakeScrollKeys();
  void ConnectControls();
  void ShowRows(int top);
  // Gives the focus to the Text button of the row showing entry i, if one does.
  void FocusRecord(int i);
  void NameRow(int row, int number);
  int RowRecord(int row) const;
  QString RowAlarm(const std::array<int, kListRowCount>& buttonIds, int row) const;

  QWidget* m_window;
  AlarmTable& m_table;
  const ClockSnapshot& m_snapshot;
  const SettingsStore& m_settings;
  AlarmListHost& m_host;
  ListWindow m_listWindow;
  std::array<std::string, kListRowCount> m_rowTime;
  std::array<std::string, kListRowCount> m_rowType;
  QScrollBar* m_scrollBar = nullptr;
  std::array<QLabel*, kListRowCount> m_rowNo{};
};

// What a screen reader calls the controls of the list row that shows alarm
// number ("Alarm 1 time", "Alarm 1 type", "Text of alarm 1", "Clear alarm 1").
struct RowNames {
  QString time;
  QString type;
  QString text;
  QString clear;
};
RowNames RowNamesOf(int number);
// What a screen reader says of the alarm a row shows: its time and kind as
// the row shows them ("07:01, Daily"), or that the row is empty.
QString RowAlarmWords(const QString& time, const QString& kind);
