#include <QComboBox>
#include <QLabel>
#include <filesystem>

#include "core/scheduler/minute_walk.h"
#include "core/settings/settings_store.h"
#include "gui/dialog/fitting_memo.h"
#include "main_window_fixture.h"

namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, FirstRunOpensNormallyLaterRunsMinimised) {
  StartAt(At(2003, 7, 14, 9, 5));
  EXPECT_TRUE(settings.FirstRun());
  EXPECT_FALSE(dlg->windowState() & Qt::WindowMinimized);
  dlg->OnCancel();  // writes the settings key
  dlg.reset();

  StartAt(At(2003, 7, 14, 9, 6));
  EXPECT_FALSE(settings.FirstRun());
  EXPECT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  EXPECT_EQ(dlg->NormalRect().size(), dlg->size());
}

// An ordinary top-level window, which every window manager lets the user
// minimise (GNOME's refuses a dialog), and not modal while it runs.
TEST_F(StartupTest, TheMainWindowRunsAsAnOrdinaryWindow) {
  StartAt(At(2003, 7, 14, 9, 5));
  QTimer::singleShot(0, dlg.get(), [this] {
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowType(), Qt::Window);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
  });
  EXPECT_EQ(dlg->Run(), QDialog::Rejected);
  EXPECT_FALSE(dlg->isVisible());
}

// A window keeps its own start-up state: a second window in the same process
// has not been placed, and until its first tick judges from the clock, not
// from the minute the first window judged last.
TEST_F(StartupTest, ASecondWindowStartsFromItsOwnState) {
  StartAt(At(2003, 7, 14, 9, 5));
  ASSERT_FALSE(dlg->NormalRect().isNull());
  ASSERT_FALSE(dlg->windowIcon().isNull());
  dlg.reset();
  clock.Set(At(2003, 7, 14, 9, 30));
  CMainDlg second(table, settings, clock);
  EXPECT_TRUE(second.NormalRect().isNull());
  EXPECT_EQ(second.Clock().LastCheckedMinute(), MinuteOf(At(2003, 7, 14, 9, 30)));
}

// What fitting the window's controls measured is written once the window has
// been painted, not before; the next start measures nothing.
TEST_F(StartupTest, FittedTextsAreKeptAfterTheFirstPaint) {
  const std::filesystem::path file = folder.path() / "cache" / "fitted-texts";
  FittingMemo memo(file);
  clock.Set(At(2003, 7, 14, 9, 5));
  dlg = std::make_unique<CMainDlg>(table, settings, clock, &memo);
  dlg->OnInitDialog();
  QCoreApplication::processEvents();
  EXPECT_FALSE(std::filesystem::exists(file));
  ShowOnScreen();
  EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(file); }, 2000));
  FittingMemo kept(file);
  CMainDlg second(table, settings, clock, &kept);
  EXPECT_FALSE(kept.Changed());
}

TEST_F(StartupTest, FormOpensWithTodayAndTheCurrentTime) {
  StartAt(At(2003, 7, 14, 9, 5, 30));
  EXPECT_EQ(Text(IDC_TIME), "09:05");
  EXPECT_EQ(DlgItem<QComboBox>(dlg.get(), IDC_TYPE)->currentText(), "Today");
  EXPECT_EQ(Text(IDC_DATE), "14/07/03");
  EXPECT_TRUE(DlgItem<QLineEdit>(dlg.get(), IDC_DATE)->isReadOnly());
  EXPECT_FALSE(DlgItem<QComboBox>(dlg.get(), IDC_DAY)->isEnabled());
  EXPECT_EQ(DlgItem<QComboBox>(dlg.get(), IDC_DAY)->currentText(), "");
  EXPECT_EQ(DlgItem<QLineEdit>(dlg.get(), IDC_TIME)->maxLength(), 5);
  EXPECT_EQ(DlgItem<QLineEdit>(dlg.get(), IDC_DATE)->maxLength(), 8);
}

TEST_F(StartupTest, ClockLineInBothDateOrders) {
  StartAt(At(2003, 7, 14, 9, 5));
  EXPECT_EQ(Text(IDC_CLOCK), "09:05   Monday   14/07/03");
  dlg.reset();

  WriteSettingsKey("\"DateFormat\"=\"1\"\r\n");
  StartAt(At(2003, 7, 14, 9, 5));
  EXPECT_EQ(Text(IDC_CLOCK), "09:05   Monday   07/14/03");
  EXPECT_EQ(Text(IDC_DATE), "07/14/03");
}

TEST_F(StartupTest, DateFormatChangeRefreshesWithinOneTick) {
  folder.Write("alarms.txt", "3,04/01/05,0,08:15,\r\n");
  StartAt(At(2003, 7, 14, 9, 5));
  EXPECT_EQ(Text(kRowTypeIds[0]), "Fort. from 05/01/04");
  settings.Values().DateFormat = 1;
  TickAt(At(2003, 7, 14, 9, 5, 1));
  EXPECT_EQ(Text(kRowTypeIds[0]), "Fort. from 01/05/04");
  EXPECT_EQ(Text(IDC_CLOCK), "09:05   Monday   07/14/03");
  EXPECT_EQ(Text(IDC_DATE), "07/14/03");
}

TEST_F(StartupTest, TimeFieldFollowsEachNewMinute) {
  StartAt(At(2003, 7, 14, 9, 5));
  ShowOnScreen();
  DlgItem<QLineEdit>(dlg.get(), IDC_TIME)->setText("07:3");
  TickAt(At(2003, 7, 14, 9, 5, 40));
  EXPECT_EQ(Text(IDC_TIME), "07:3");
  TickAt(At(2003, 7, 14, 9, 6));
  EXPECT_EQ(Text(IDC_TIME), "09:06");
  EXPECT_EQ(Text(IDC_CLOCK), "09:06   Monday   14/07/03");
}

// Minimised, the window takes a new minute into its fields when it is restored.
TEST_F(StartupTest, RestoredWindowShowsTheMinutesPassedWhileMinimised) {
  WriteSettingsKey();
  StartAt(At(2003, 7, 14, 9, 5));
  ASSERT_TRUE(dlg->windowState() & Qt::WindowMinimized);
  TickAt(At(2003, 7, 14, 9, 6));
  TickAt(At(2003, 7, 14, 9, 7, 1));
  ShowOnScreen();
  EXPECT_EQ(Text(IDC_TIME), "09:07");
  EXPECT_EQ(Text(IDC_CLOCK), "09:07   Monday   14/07/03");
  TickAt(At(2003, 7, 14, 9, 8));
  EXPECT_EQ(Text(IDC_TIME), "09:08");
}

TEST_F(StartupTest, EveryWayOfClosingWritesTheSettings) {
  const std::string key = "config/Tockmere/registry.reg";
  StartAt(At(2003, 7, 14, 9, 5));
  dlg->OnOK();
  EXPECT_NE(folder.Read(key).find("\"FontNo\"=\"1\""), std::string::npos);
  EXPECT_EQ(dlg->result(), QDialog::Accepted);

  std::filesystem::remove(folder.path() / key);
  QTest::keyClick(dlg.get(), Qt::Key_Escape);
  EXPECT_NE(folder.Read(key).find("\"MColour\"=\"4\""), std::string::npos);
  EXPECT_EQ(dlg->result(), QDialog::Rejected);

  std::filesystem::remove(folder.path() / key);
  dlg->show();
  dlg->close();
  EXPECT_EQ(endCode, 0);
  EXPECT_NE(folder.Read(key).find("\"Sound\"=\"0\""), std::string::npos);
}

TEST_F(StartupTest, EnterInTheTimeFieldExits) {
  StartAt(At(2003, 7, 14, 9, 5));
  ShowOnScreen();
  QTest::keyClick(DlgItem<QLineEdit>(dlg.get(), IDC_TIME), Qt::Key_Return);
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_FALSE(folder.Read("config/Tockmere/registry.reg").empty());
}

TEST_F(StartupTest, UnwritableSettingsAreReportedOnClosing) {
  StartAt(At(2003, 7, 14, 9, 5));
  folder.Write("config/Tockmere", "");  // a file where the folder should be
  dlg->OnCancel();
  ASSERT_EQ(prompter.texts().size(), 1u);
  EXPECT_EQ(prompter.texts()[0], "Registry key error.\nCould not save settings.");
}

}  // namespace
