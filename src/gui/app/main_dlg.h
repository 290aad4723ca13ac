#pragma once

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/model/core_ui.h"
#include "core/platform/local_clock.h"
#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "gui/entry/entry_form.h"
#include "gui/list/alarm_list.h"
#include "gui/scheduler/clock_driver.h"

class DataExchange;
class FittingMemo;
class QMenuBar;

// The main window: the entry form, the alarm list and the clock line, each a
// panel of its own. The window keeps the menu, the start-up order and closing,
// and passes what one panel tells on to the others. The whole program lives
// inside its run.
class CMainDlg : public QDialog,
                 public CoreUi,
                 private EntryFormHost,
                 private AlarmListHost,
                 private ClockHost {
  Q_OBJECT

 public:
  // The window shows and changes the table and the settings and reads the
  // clock; the application owns all three, and the memo of the texts'
  // measures, which the window keeps up to date once it is first painted.
  CMainDlg(AlarmTable& table, SettingsStore& settings, const LocalClock& clock,
           FittingMemo* fittingMemo = nullptr);
  ~CMainDlg() override;

  AlarmTable& Table() { return m_table; }
  EntryForm& Entry() { return *m_entry; }
  AlarmList& List() { return *m_list; }
  ClockDriver& Clock() { return *m_clockDriver; }

  // Initialises and runs the window; returns its result.
  int DoModal();
  // Shows the window (minimised at a later start) and runs it until it is
  // done; returns its result.
  int Run();
  // Restores the window and brings it above other programs' windows, with the
  // activation token of whoever asked for it (empty when none came).
  void BringToFront(const QString& token = {});
  // The start-up steps, in their binding order.
  bool OnInitDialog();

  // Moves values between the panels' value members and the controls.
  bool UpdateData(bool saveAndValidate) override;

  // What the table tells: a deletion, a message of the core.
  void AlarmDeleted(int i, int count) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;

  // The Options menu.
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

  // How OnClose ends the process (at once, with the code given); tests
  // replace it.
  void SetEndProcess(std::function<void(int)> endProcess) { m_endProcess = std::move(endProcess); }

  // The rectangle centred on the screen at start-up, which the window takes
  // whenever it is restored.
  QRect NormalRect() const { return m_normalRect; }

 protected:
  void accept() override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the panels tell.
  void ShowTableChange() override;
  void AlarmAdded() override;
  void MinuteTurned() override;
  void DateFormatChanged() override;
  void AlarmSnoozed(int i) override;

  void DoDataExchange(DataExchange& dx);
  void BuildMenu();
  void PlaceWindow();
  void ApplyPlacement(bool minimised);

  AlarmTable& m_table;
  SettingsStore& m_settings;
  const LocalClock& m_clock;
  QIcon m_icon;
  QRect m_normalRect;
  bool m_firstPaint = true;    // the window has not yet been painted in its normal state
  FittingMemo* m_fittingMemo;  // until the window is first painted
  std::function<void(int)> m_endProcess = [](int code) { std::_Exit(code); };
  QMenuBar* m_menuBar = nullptr;
  std::unique_ptr<ClockDriver> m_clockDriver;
  std::unique_ptr<AlarmList> m_list;
  std::unique_ptr<EntryForm> m_entry;
};
