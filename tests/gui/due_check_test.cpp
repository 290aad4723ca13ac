#include "core/scheduler/minute_walk.h"
#include "main_window_fixture.h"

namespace {

using DueCheckTest = MainWindowTest;

constexpr const char* kDaily0730 = "1,00/00/00,0,07:30,Get up|\r\n";

TEST_F(DueCheckTest, FirstTickChecksNothing) {
  folder.Write("alarms.txt", kDaily0730);
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 7, 30, 5));
  TickAt(At(2026, 12, 7, 7, 30, 6));
  QTest::qWait(100);
  EXPECT_TRUE(catcher.seen().empty());
}

TEST_F(DueCheckTest, PassRunsOncePerNewMinute) {
  folder.Write("alarms.txt", kDaily0730);
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 7, 29, 50));
  TickAt(At(2026, 12, 7, 7, 30, 0));
  ASSERT_EQ(catcher.seen().size(), 1u);
  EXPECT_EQ(catcher.seen()[0].title, "Your alarm call:");
  EXPECT_EQ(catcher.seen()[0].text, "Get up|");
  TickAt(At(2026, 12, 7, 7, 30, 1));
  TickAt(At(2026, 12, 7, 7, 30, 59));
  EXPECT_EQ(catcher.seen().size(), 1u);
  EXPECT_EQ(folder.Read("alarms.txt"), kDaily0730);  // a recurring alarm stays
}

// A clock set back onto an alarm's minute has that minute checked again.
TEST_F(DueCheckTest, ClockSetBackOntoAnAlarmsMinuteFiresIt) {
  folder.Write("alarms.txt", kDaily0730);
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 7, 40, 50));
  TickAt(At(2026, 12, 7, 7, 41, 0));
  TickAt(At(2026, 12, 7, 7, 30, 0));
  EXPECT_EQ(catcher.seen().size(), 1u);
}

// Alarms read in late catch up the minutes judged after the change began, not
// the one judged before it.
TEST_F(DueCheckTest, AlarmsReadInCatchUpFromTheMinuteAfterTheChangeBegan) {
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 7, 29, 50));
  TickAt(At(2026, 12, 7, 7, 30, 0));
  TickAt(At(2026, 12, 7, 7, 31, 0));
  const std::vector<AlarmRecord> brought = {AlarmRecord{"Daily", "None", "07:30", "", "Before|"},
                                            AlarmRecord{"Daily", "None", "07:31", "", "After|"}};
  table.SetTableRecords(brought);
  dlg->Clock().CatchUpReadIn(brought, MinuteOf(At(2026, 12, 7, 7, 30)));
  ASSERT_EQ(catcher.seen().size(), 1u);
  EXPECT_EQ(catcher.seen()[0].text, "After|");
}

TEST_F(DueCheckTest, FiredOneOffLeavesTheFileAndTheList) {
  folder.Write("alarms.txt", "0,26/12/07,0,07:30,Dentist|\r\n" + std::string(kDaily0730));
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 7, 29, 50));
  TickAt(At(2026, 12, 7, 7, 30, 0));
  ASSERT_EQ(catcher.seen().size(), 2u);
  EXPECT_EQ(catcher.seen()[0].text, "Dentist|");
  EXPECT_EQ(catcher.seen()[1].text, "Get up|");   // the successor examined at the same index
  EXPECT_EQ(catcher.seen()[1].file, kDaily0730);  // removal saved before the next pop-up
  EXPECT_EQ(folder.Read("alarms.txt"), kDaily0730);
  EXPECT_EQ(Text(kRowTypeIds[0]), "Daily");
  EXPECT_EQ(Text(kRowTypeIds[1]), "");
}

TEST_F(DueCheckTest, MinimisedWindowStaysMinimisedAroundThePopup) {
  WriteSettingsKey();
  folder.Write("alarms.txt", kDaily0730);
  StartAt(At(2026, 12, 7, 7, 29, 50));
  ASSERT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  bool minimisedDuringPopup = false;
  WhenModalOpens(
      [&](QWidget*) { minimisedDuringPopup = dlg->windowState() & Qt::WindowMinimized; });
  TickAt(At(2026, 12, 7, 7, 30, 0));
  EXPECT_TRUE(minimisedDuringPopup);
  EXPECT_TRUE(dlg->windowState() & Qt::WindowMinimized);
}

// The real timer keeps ticking under an open pop-up: the clock line moves on
// and a later minute's pop-up opens over the first.
TEST_F(DueCheckTest, ClockGoesOnAndPopupsStackWhileOneIsOpen) {
  folder.Write("alarms.txt", "1,00/00/00,0,07:30,First|\r\n1,00/00/00,0,07:32,Second|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 59));
  dlg->show();
  clock.Set(At(2026, 12, 7, 7, 30, 0));

  QString clockWhileFirstOpen;
  int popupsOpenAtOnce = 0;
  QTimer watcher;
  watcher.setInterval(20);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    const std::vector<CAlarmPopupDlg*> open = VisiblePopups();
    popupsOpenAtOnce = std::max(popupsOpenAtOnce, static_cast<int>(open.size()));
    if (open.size() == 1 && clock.Now() == At(2026, 12, 7, 7, 30, 0)) {
      clock.Set(At(2026, 12, 7, 7, 31, 0));
    } else if (open.size() == 1 && Text(IDC_CLOCK).startsWith("07:31")) {
      clockWhileFirstOpen = Text(IDC_CLOCK);
      clock.Set(At(2026, 12, 7, 7, 32, 0));
    } else if (open.size() == 2) {
      for (CAlarmPopupDlg* popup : open) popup->reject();
    }
  });
  watcher.start();
  EXPECT_TRUE(WaitUntil([&] { return popupsOpenAtOnce == 2; }, 10000));
  EXPECT_EQ(clockWhileFirstOpen, "07:31   Monday   07/12/26");
  EXPECT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() == nullptr; }, 5000));
}

}  // namespace
