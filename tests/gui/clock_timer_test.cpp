#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>

#include "gui/scheduler/clock_change_watch.h"
#include "main_window_fixture.h"

namespace {

using ClockTimerTest = MainWindowTest;

// Closes every pop-up as soon as it shows, noting its text and whether a
// cleared-alarm notice was open under it.
class PopupCloser {
 public:
  PopupCloser() {
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
  }
  std::vector<std::string> seen;

 private:
  void Poll() {
    bool notice = false;
    std::vector<CAlarmPopupDlg*> popups;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible()) continue;
      if (qobject_cast<CClearedNoticeDlg*>(w) != nullptr) notice = true;
      if (auto* popup = qobject_cast<CAlarmPopupDlg*>(w)) popups.push_back(popup);
    }
    for (CAlarmPopupDlg* popup : popups) {
      seen.push_back(popup->Alarm().text + (notice ? " over a notice" : ""));
      popup->reject();
    }
  }
  QTimer m_timer;
};

// On a later start the window opens minimised before the missed-alarm notices;
// the clock must still wait for the end of the start-up. Minutes that pass
// while a notice is open get their due check afterwards, late.
TEST_F(ClockTimerTest, MinimisedStartKeepsTheClockStillUnderAMissedAlarmNotice) {
  WriteSettingsKey();
  const std::string missed = "0,26/12/07,0,08:00,Missed|\r\n";
  const std::string oneOff = "0,26/12/07,0,09:07,Call back|\r\n";
  const std::string daily = "1,00/00/00,0,09:06,Tea|\r\n";
  folder.Write("alarms.txt", missed + oneOff + daily);
  PopupCloser popups;
  WhenModalOpens([&](QWidget*) {
    clock.Set(At(2026, 12, 7, 9, 7, 30));
    QTest::qWait(1500);  // time for any running clock timer to fire
  });
  StartAt(At(2026, 12, 7, 9, 5, 50));
  ASSERT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  EXPECT_EQ(popups.seen, std::vector<std::string>{});
  EXPECT_EQ(folder.Read("alarms.txt"), oneOff + daily);

  TickAt(At(2026, 12, 7, 9, 7, 31));
  // Late, in time order: 09:06 before 09:07; the one-off then leaves the file.
  EXPECT_EQ(popups.seen, (std::vector<std::string>{"Tea|", "Call back|"}));
  EXPECT_EQ(folder.Read("alarms.txt"), daily);
}

// Alarms whose minutes pass while a start-up notice waits pop up when the
// last notice closes, none over it: late and in time order, the one of the
// minute it closes in at once. Minimised, the clock would sleep to the next
// minute.
TEST_F(ClockTimerTest, AlarmsDueUnderAStartUpNoticePopUpAsItCloses) {
  WriteSettingsKey();
  folder.Write("alarms.txt",
               "0,26/12/07,0,08:00,Missed|\r\n1,00/00/00,0,09:07,Cake|\r\n"
               "1,00/00/00,0,09:06,Tea|\r\n");
  PopupCloser popups;
  WhenModalOpens([&](QWidget*) { clock.Set(At(2026, 12, 7, 9, 7, 5)); });
  StartAt(At(2026, 12, 7, 9, 5, 50));
  EXPECT_TRUE(WaitUntil([&] { return popups.seen.size() == 2; }, 3000));
  EXPECT_EQ(popups.seen, (std::vector<std::string>{"Tea|", "Cake|"}));
  ASSERT_EQ(notifier.sent().size(), 2u);
  EXPECT_EQ(notifier.sent()[0].summary, "Your alarm call: 09:06, 1 min late");
  EXPECT_EQ(notifier.sent()[1].summary, "Your alarm call: 09:07");
}

// Minimised, the clock sleeps between minutes; with a pop-up open it ticks
// every second again, so a later minute's pop-up opens over the first.
TEST_F(ClockTimerTest, MinimisedWindowTicksEverySecondWhileAPopUpIsOpen) {
  WriteSettingsKey();
  folder.Write("alarms.txt", "1,00/00/00,0,07:30,First|\r\n1,00/00/00,0,07:31,Second|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 59));
  ASSERT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  QTest::qWait(1100);  // the clock's first tick
  clock.Set(At(2026, 12, 7, 7, 30, 0));

  int popupsOpenAtOnce = 0;
  QElapsedTimer waited;
  QTimer watcher;
  watcher.setInterval(20);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    const std::vector<CAlarmPopupDlg*> open = VisiblePopups();
    popupsOpenAtOnce = std::max(popupsOpenAtOnce, static_cast<int>(open.size()));
    if (open.size() == 1 && clock.Now() == At(2026, 12, 7, 7, 30, 0)) {
      clock.Set(At(2026, 12, 7, 7, 31, 0));
      waited.start();
    } else if (open.size() == 2 || (waited.isValid() && waited.elapsed() > 5000)) {
      // Given up after 5 s: a clock asleep until the next minute would take 60.
      waited.invalidate();
      for (CAlarmPopupDlg* popup : open) popup->reject();
    }
  });
  watcher.start();
  EXPECT_TRUE(WaitUntil([&] { return popupsOpenAtOnce == 2; }, 10000));
  EXPECT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() == nullptr; }, 5000));
  EXPECT_TRUE(dlg->windowState() & Qt::WindowMinimized);
}

// Restored, the window reads the clock at once: the snapshot is of this second
// and the controls show the minute reached while it was minimised.
TEST_F(ClockTimerTest, RestoredWindowTicksAtOnce) {
  WriteSettingsKey();
  StartAt(At(2026, 12, 7, 7, 29, 50));
  dlg->show();
  ASSERT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  clock.Set(At(2026, 12, 7, 7, 31, 17));
  dlg->setWindowState(dlg->windowState() & ~Qt::WindowMinimized);
  EXPECT_TRUE(WaitUntil([this] { return dlg->Clock().Snapshot().second == 17; }, 500));
  EXPECT_TRUE(WaitUntil([&] { return Text(IDC_CLOCK).startsWith("07:31"); }, 500));
  EXPECT_EQ(Text(IDC_TIME), "07:31");
}

// The clock cannot be set here: the watch's timer calls are played. It asks
// the kernel to cancel its timer when the wall clock is set, and after each
// change it reports and arms again.
struct PlayedTimer {
  static inline int clockId = -1;
  static inline std::vector<int> armFlags;
  static inline int pipe[2] = {-1, -1};
  static int Create(int id, int) {
    clockId = id;
    return pipe2(pipe, O_NONBLOCK | O_CLOEXEC) == 0 ? pipe[0] : -1;
  }
  static int SetTime(int, int flags, const itimerspec*, itimerspec*) {
    armFlags.push_back(flags);
    return 0;
  }
};

TEST(ClockChangeWatchTest, AsksToBeCancelledWhenTheClockIsSetAndRearms) {
  int changes = 0;
  ClockChangeWatch watch([&] { ++changes; }, nullptr,
                         {&PlayedTimer::Create, &PlayedTimer::SetTime});
  ASSERT_TRUE(watch.Watching());
  EXPECT_EQ(PlayedTimer::clockId, CLOCK_REALTIME);
  const int flags = TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET;
  EXPECT_EQ(PlayedTimer::armFlags, std::vector<int>{flags});
  ASSERT_EQ(write(PlayedTimer::pipe[1], "x", 1), 1);  // the kernel's cancel
  EXPECT_TRUE(WaitUntil([&] { return changes == 1; }, 2000));
  EXPECT_EQ(PlayedTimer::armFlags, (std::vector<int>{flags, flags}));
  close(PlayedTimer::pipe[1]);
}

}  // namespace
