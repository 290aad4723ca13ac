// An alarms.txt changed by another program shows in the list by itself, but
// never under an open dialog, and what the user is typing stays.
#include "gui/list/alarms_file_watcher.h"

#include <QDialog>
#include <cstdio>
#include <filesystem>

#include "core/entry/append_alarm.h"
#include "core/store/alarms_file.h"
#include "main_window_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWaitMs = 5000;

class AlarmsFileWatcherTest : public MainWindowTest {
 protected:
  void Start(const std::string& file) {
    folder.Write("alarms.txt", file);
    StartAt(At(2026, 6, 15, 10, 0));
    watcher = new AlarmsFileWatcher(dlg.get());
  }
  // Writes the file as an editor does: a new file renamed over the old one.
  void EditByRename(const std::string& content) const {
    folder.Write("alarms.txt.new", content);
    fs::rename(folder.path() / "alarms.txt.new", folder.path() / "alarms.txt");
  }
  bool ShowsInRow1(const QString& time) {
    return WaitUntil([&] { return Text(kRowTimeIds[0]) == time; }, kWaitMs);
  }

  AlarmsFileWatcher* watcher = nullptr;
};

}  // namespace

TEST_F(AlarmsFileWatcherTest, AHandEditShowsInTheListAndTypingStays) {
  Start("1,00/00/00,0,07:00,\r\n");
  ASSERT_EQ(Text(kRowTimeIds[0]), "07:00");
  DlgItem<QLineEdit>(dlg.get(), IDC_TIME)->setText("12:3");

  folder.Write("alarms.txt", "1,00/00/00,0,06:30,\r\n1,00/00/00,0,07:00,\r\n");
  ASSERT_TRUE(ShowsInRow1("06:30"));
  EXPECT_EQ(g_alarms.count, 2);
  EXPECT_EQ(Text(kRowTimeIds[1]), "07:00");
  EXPECT_EQ(Text(IDC_TIME), "12:3");

  // An editor's rename, and then another edit of the renamed file.
  EditByRename("1,00/00/00,0,05:00,\r\n");
  ASSERT_TRUE(ShowsInRow1("05:00"));
  folder.Write("alarms.txt", "1,00/00/00,0,04:00,\r\n");
  ASSERT_TRUE(ShowsInRow1("04:00"));
  EXPECT_EQ(g_alarms.count, 1);
  EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(AlarmsFileWatcherTest, AFileMadeOrRemovedAfterStartIsSeenToo) {
  Start("");
  fs::remove(folder.path() / "alarms.txt");
  ASSERT_TRUE(WaitUntil([] { return !AlarmsFileChanged(kAlarmsFileName); }, kWaitMs));
  EditByRename("1,00/00/00,0,08:15,\r\n");
  ASSERT_TRUE(ShowsInRow1("08:15"));
  fs::remove(folder.path() / "alarms.txt");
  ASSERT_TRUE(ShowsInRow1(""));
  EXPECT_EQ(g_alarms.count, 0);
}

TEST_F(AlarmsFileWatcherTest, AChangeWaitsWhileADialogIsOpen) {
  Start("1,00/00/00,0,07:00,\r\n");
  QDialog other(dlg.get());
  other.setModal(true);
  other.show();
  folder.Write("alarms.txt", "1,00/00/00,0,06:30,\r\n");
  // Well past the time a change takes to show when no dialog is open.
  QTest::qWait(1500);
  EXPECT_EQ(Text(kRowTimeIds[0]), "07:00");
  EXPECT_EQ(g_alarms.count, 1);
  other.close();
  EXPECT_TRUE(ShowsInRow1("06:30"));
}

TEST_F(AlarmsFileWatcherTest, AnAddAfterAHandEditKeepsBothAndTheBackup) {
  Start("1,00/00/00,0,07:00,\r\n");
  const std::string edited = "1,00/00/00,0,06:30,\n\n1,00/00/00,0,07:00,\n";
  folder.Write("alarms.txt", edited);
  ASSERT_TRUE(ShowsInRow1("06:30"));
  AppendAlarm("Daily", "", "09:00", "");
  ASSERT_TRUE(SaveAlarms());
  EXPECT_EQ(folder.Read("alarms.txt"),
            "1,00/00/00,0,06:30,\r\n1,00/00/00,0,07:00,\r\n1,00/00/00,0,09:00,$%&\r\n");
  EXPECT_EQ(folder.Read("alarms.txt.bak"), edited);
}
