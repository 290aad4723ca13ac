#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/local_clock.h"
#include "core/scheduler/clock_reading.h"
#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "gui/app/main_dlg.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/scheduler/alarm_popup_dlg.h"
#include "gui/scheduler/cleared_notice_dlg.h"
#include "gui_support.h"
#include "test_support.h"

// Lets the event loop run until the condition holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs) {
  for (int waited = 0; !condition(); waited += 10) {
    if (waited >= timeoutMs) return false;
    QTest::qWait(10);
  }
  return true;
}

// A real main window on a fake clock in its own folder, with message boxes
// and sounds recorded instead of shown.
class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    CloseLeftoverModals();
    dlg.reset();
  }

  std::int64_t At(int year, int month, int day, int hour, int minute, int second = 0) const {
    return clock.FromLocal(year, month, day, hour, minute, second);
  }

  // Runs the start-up steps at a moment, as the program does before its loop.
  void StartAt(std::int64_t moment) {
    clock.Set(moment);
    dlg = std::make_unique<CMainDlg>(table, settings, clock);
    dlg->SetEndProcess([this](int code) { endCode = code; });
    dlg->OnInitDialog();
  }

  // Shows the window, or brings it back from minimised, and waits until it is
  // on the screen and the clock has taken that in.
  void ShowOnScreen() {
    dlg->show();
    dlg->BringToFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    QCoreApplication::processEvents();
  }

  // Moves the clock and runs one timer tick.
  void TickAt(std::int64_t moment) {
    clock.Set(moment);
    dlg->Clock().Tick();
  }

  // The Options menu, and choosing one of its items.
  QMenu* Options() const {
    const QList<QAction*> top = dlg->findChild<QMenuBar*>()->actions();
    return top.size() == 1 ? top[0]->menu() : nullptr;
  }

  void TriggerMenuItem(const QString& text) const {
    for (QAction* action : Options()->actions()) {
      if (action->text() == text) action->trigger();
    }
  }

  QString Text(int id) const {
    auto* edit = DlgItem<QLineEdit>(dlg.get(), id);
    return edit != nullptr ? edit->text() : GetDlgItem(dlg.get(), id)->property("text").toString();
  }

  // The settings file that makes a start a later one (minimised).
  void WriteSettingsKey(const std::string& values = "") const {
    folder.Write("config/Tockmere/registry.reg",
                 "Windows Registry Editor Version 5.00\r\n\r\n"
                 "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\r\n" +
                     values);
  }

  ScratchFolder folder;
  ZoneGuard zone{"Europe/London"};
  FakeClock clock;
  RecordingPrompter prompter;
  RecordingSound sound;
  RecordingNotifier notifier;
  // What the application would hand the window.
  SettingsStore settings;
  AlarmTable table;
  std::unique_ptr<CMainDlg> dlg;
  int endCode = -1;
};

// Watches for pop-ups and notices while it lives: records each one when it
// opens (with what the table and the file held at that moment) and closes it.
class ModalCatcher {
 public:
  struct Seen {
    QString title;
    std::string text;  // the pop-up's wake-up text or the notice's text
    int tableCount = 0;
    std::string file;  // alarms.txt at that moment
  };

  ModalCatcher(const ScratchFolder& folder, const AlarmTable& table)
      : m_folder(folder), m_table(table) {
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
  }

  const std::vector<Seen>& seen() const { return m_seen; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr || !dialog->isVisible()) return;
    Seen seen{dialog->windowTitle(), "", m_table.Count(), m_folder.Read("alarms.txt")};
    if (auto* popup = qobject_cast<CAlarmPopupDlg*>(dialog)) seen.text = popup->Alarm().text;
    if (auto* notice = qobject_cast<CClearedNoticeDlg*>(dialog)) seen.text = notice->m_noticeText;
    m_seen.push_back(seen);
    dialog->accept();
  }

  const ScratchFolder& m_folder;
  const AlarmTable& m_table;
  QTimer m_timer;
  std::vector<Seen> m_seen;
};
