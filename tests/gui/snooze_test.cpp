#include <QPushButton>

#include "gui/platform/window_activation.h"
#include "main_window_fixture.h"

namespace {

class SnoozeTest : public MainWindowTest {
 protected:
  std::vector<QString> Times() const {
    std::vector<QString> times;
    for (int id : kRowTimeIds) times.push_back(Text(id));
    return times;
  }

  int LastKey() const { return static_cast<int>(notifier.sent().size()); }
};

// Six one-off alarms of today sort before the snoozed one, which the list
// scrolls to, as it does for one that Add made.
TEST_F(SnoozeTest, SnoozeClosesThePopupAndAddsTheAlarmInView) {
  std::string file;
  for (int m = 5; m <= 10; ++m) file += "0,26/12/07,0,18:" + TwoDigits(m) + ",\r\n";
  file += "2,00/00/00,2,18:03,Bins, out & <back>|Now|\r\n";
  folder.Write("alarms.txt", file);
  StartAt(At(2026, 12, 7, 18, 2, 50));
  bool openAfter = true;
  WhenModalOpens([&](QWidget* popup) {
    EXPECT_EQ(notifier.sent().back().actions,
              (QStringList{"default", "Show", "snooze", "Snooze 10 minutes"}));
    clock.Set(At(2026, 12, 7, 18, 3, 40));
    notifier.Choose(LastKey(), "snooze");
    openAfter = popup->isVisible();
  });
  TickAt(At(2026, 12, 7, 18, 3, 0));
  EXPECT_FALSE(openAfter);
  EXPECT_EQ(table.Count(), 8);
  EXPECT_NE(folder.Read("alarms.txt").find("0,26/12/07,0,18:13,Bins, out & <back>|Now|\r\n2,"),
            std::string::npos);
  EXPECT_EQ(Times(), (std::vector<QString>{"18:08", "18:09", "18:10", "18:13", "18:03"}));
  EXPECT_TRUE(prompter.messages().empty());
}

// A snooze chosen just after the user closed the pop-up still calls again.
TEST_F(SnoozeTest, SnoozeAfterThePopupClosed) {
  folder.Write("alarms.txt", "1,00/00/00,0,07:30,Toast|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 50));
  WhenModalOpens([](QWidget* popup) {
    QTest::mouseClick(DlgItem<QPushButton>(popup, IDOK_BUTTON), Qt::LeftButton);
  });
  TickAt(At(2026, 12, 7, 7, 30, 0));
  ASSERT_EQ(notifier.showing(), 0);
  clock.Set(At(2026, 12, 7, 7, 31, 0));
  notifier.Choose(1, "snooze");
  EXPECT_EQ(folder.Read("alarms.txt"),
            "0,26/12/07,0,07:41,Toast|\r\n1,00/00/00,0,07:30,Toast|\r\n");
}

TEST_F(SnoozeTest, FullTableKeepsItsAlarmsAndSaysSo) {
  std::string file;
  for (int m = 30; m < 42; ++m) file += "1,00/00/00,0,07:" + TwoDigits(m) + ",x|\r\n";
  folder.Write("alarms.txt", file);
  StartAt(At(2026, 12, 7, 7, 29, 50));
  WhenModalOpens([&](QWidget*) { notifier.Choose(LastKey(), "snooze"); });
  TickAt(At(2026, 12, 7, 7, 30, 0));
  EXPECT_EQ(prompter.texts(), (std::vector<QString>{"You already have the max of 12 alarms."}));
  EXPECT_EQ(folder.Read("alarms.txt"), file);
  EXPECT_TRUE(VisiblePopups().empty());
}

// The pop-up the user clicked away from comes back to the front, still kept
// above other windows.
TEST_F(SnoozeTest, ClickOnTheNotificationActivatesThePopup) {
  folder.Write("alarms.txt", "1,00/00/00,0,07:30,Tea|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 50));
  dlg->show();
  WhenModalOpens([&](QWidget* popup) {
    dlg->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == dlg.get(); }, 2000));
    notifier.Choose(LastKey(), "default", "token-1");
    EXPECT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == popup; }, 2000));
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  });
  TickAt(At(2026, 12, 7, 7, 30, 0));
}

// A token of up to 256 printable bytes, as a later start hands it over.
TEST(ActivationTokenTest, PrintableAndUpTo256Bytes) {
  const std::pair<QString, bool> cases[] = {{QString(256, 'k'), true},
                                            {QString(257, 'k'), false},
                                            {"", false},
                                            {"a b", false},
                                            {"kwin-1234_TIME5", true}};
  for (const auto& [token, valid] : cases)
    EXPECT_EQ(IsActivationToken(token), valid) << token.size();
}

}  // namespace
