// An alarms.txt changed by another program shows in the list by itself, but
// never under an open dialog, and what the user is typing stays. A file being
// written is read once its writer is done; a deleted one leaves the alarms.
#include "gui/watch/alarms_file_watcher.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/store/alarms_file.h"
#include "gui/list/alarm_text_dlg.h"
#include "main_window_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWaitMs = 5000;

class AlarmsFileWatcherTest : public MainWindowTest {
 protected:
  // Starts the program afresh (also a second time in one test) on a file.
  void Start(const std::string& file) {
    dlg.reset();
    settings = SettingsStore();
    folder.Write("alarms.txt", file);
    StartAt(At(2026, 6, 15, 10, 0));
    watcher = Watch();
  }
  // The watcher as the application makes it, on the window started last.
  AlarmsFileWatcher* Watch() {
    return new AlarmsFileWatcher(dlg.get(), table, dlg->Clock(),
                                 [this] { dlg->List().ShowTableChange(); });
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
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(Text(kRowTimeIds[1]), "07:00");
  EXPECT_EQ(Text(IDC_TIME), "12:3");

  // An editor's rename, and then another edit of the renamed file.
  EditByRename("1,00/00/00,0,05:00,\r\n");
  ASSERT_TRUE(ShowsInRow1("05:00"));
  folder.Write("alarms.txt", "1,00/00/00,0,04:00,\r\n");
  ASSERT_TRUE(ShowsInRow1("04:00"));
  EXPECT_EQ(table.Count(), 1);
  EXPECT_TRUE(prompter.messages().empty());
}

// Deleting the file is no way to remove alarms: they stay (emptying it is).
TEST_F(AlarmsFileWatcherTest, AFileMadeAfterStartIsReadAndADeletedOneKeepsTheAlarms) {
  Start("");
  fs::remove(folder.path() / "alarms.txt");
  EditByRename("1,00/00/00,0,08:15,\r\n");
  ASSERT_TRUE(ShowsInRow1("08:15"));
  fs::remove(folder.path() / "alarms.txt");
  QTest::qWait(1500);
  EXPECT_EQ(Text(kRowTimeIds[0]), "08:15");
  EXPECT_EQ(table.Count(), 1);
  folder.Write("alarms.txt", "");
  ASSERT_TRUE(ShowsInRow1(""));
  EXPECT_EQ(table.Count(), 0);
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
  EXPECT_EQ(table.Count(), 1);
  other.close();
  EXPECT_TRUE(ShowsInRow1("06:30"));
}

// Settings, the alarm text editor and a pop-up: a change made while one is
// open is read in once it closes.
TEST_F(AlarmsFileWatcherTest, AChangeUnderEachDialogIsReadInWhenItCloses) {
  const std::vector<std::pair<const char*, std::function<void(CMainDlg&)>>> dialogs = {
      {"settings", [](CMainDlg& d) { d.OnSettings(); }},
      {"alarm text", [](CMainDlg& d) { d.List().OnTextRow(0); }},
      {"pop-up",
       [this](CMainDlg& d) {
         CAlarmPopupDlg(d.Table().At(0), settings.Values(), d.windowIcon()).exec();
       }},
  };
  for (const auto& [name, open] : dialogs) {
    SCOPED_TRACE(name);
    Start("1,00/00/00,0,07:00,Tea|\r\n");
    WhenModalOpens([&](QWidget*) {
      folder.Write("alarms.txt", "1,00/00/00,0,06:30,Edit|\r\n1,00/00/00,0,07:00,Tea|\r\n");
      QTest::qWait(1500);
      EXPECT_EQ(table.Count(), 1);
    });
    open(*dlg);
    EXPECT_TRUE(ShowsInRow1("06:30"));
    EXPECT_EQ(table.Count(), 2);
  }
}

// Save in the alarm text editor reads a finished hand edit in first: the edit's lines
// stay, and the text lands on the same alarm, or nowhere if the edit took it out.
TEST_F(AlarmsFileWatcherTest, TextSavedAfterAHandEditKeepsTheEdit) {
  const std::string edit = "1,00/00/00,0,06:30,Edit|\r\n";
  const std::string tea = "1,00/00/00,0,07:00,Tea|\r\n";
  struct Case {
    std::string edited, saved;
    bool goneOff;
  };
  for (const Case& c : {Case{edit + tea, edit + "1,00/00/00,0,07:00,Green tea|\r\n", false},
                        Case{edit, edit, true}}) {
    Start(tea);
    prompter.clear();
    WhenModalOpens([&](QWidget* modal) {
      folder.Write("alarms.txt", c.edited);
      // Written and quiet, not yet read in under the open dialog.
      ASSERT_TRUE(WaitUntil([&] { return table.AlarmsFileBusy(); }, kWaitMs));
      ASSERT_TRUE(WaitUntil([&] { return !table.AlarmsFileBusy(); }, kWaitMs));
      auto* editor = qobject_cast<CAlarmTextDlg*>(modal);
      ASSERT_NE(editor, nullptr);
      editor->m_textEdit->setPlainText("Green tea");
      editor->OnOK();
    });
    dlg->List().OnTextRow(0);
    EXPECT_EQ(folder.Read("alarms.txt"), c.saved);
    EXPECT_EQ(prompter.texts().size(), c.goneOff ? 1u : 0u);
    EXPECT_TRUE(ShowsInRow1("06:30"));
  }
}

// A writer that truncates the file, writes half, and the rest 2.5 s later,
// across the minute of its alarms: the half-written file is never read, and
// the alarms the finished file brought for that minute pop up once, late,
// whatever the order of its lines.
TEST_F(AlarmsFileWatcherTest, ASlowWritersAlarmsOfTheMinuteItCrossedGoOffOnceLate) {
  const std::string tea = "1,00/00/00,0,07:30,Tea|\r\n";
  folder.Write("alarms.txt", tea + "1,00/00/00,0,09:00,Later|\r\n");
  StartAt(At(2026, 6, 15, 7, 29, 50));
  Watch();
  ModalCatcher popups(folder, table);
  std::ofstream writer(folder.path() / "alarms.txt", std::ios::binary | std::ios::trunc);
  writer << tea << std::flush;
  QTest::qWait(1200);
  EXPECT_EQ(table.Count(), 2);  // the half-written file is not read
  TickAt(At(2026, 6, 15, 7, 30));
  QTest::qWait(1300);
  writer << "0,26/06/15,0,07:30,Dentist|\r\n1,00/00/00,0,07:30,Alarm|\r\n" << std::flush;
  writer.close();
  ASSERT_TRUE(WaitUntil([&] { return popups.seen().size() >= 3; }, kWaitMs));
  QTest::qWait(300);
  std::vector<std::string> seen;
  for (const auto& popup : popups.seen()) seen.push_back(popup.text);
  EXPECT_EQ(seen, (std::vector<std::string>{"Tea|", "Dentist|", "Alarm|"}));
  EXPECT_EQ(folder.Read("alarms.txt"), "1,00/00/00,0,07:30,Alarm|\r\n" + tea);
}

// A writer that truncates the file and first writes back the very lines it
// held is still writing: the removal of a one-off that goes off meanwhile
// waits until it is done, the lines it adds later stay, and its one-off of
// that minute goes off late.
TEST_F(AlarmsFileWatcherTest, ARemovalWaitsForAWriterThatWroteBackWhatTheFileHeld) {
  const std::string held = "0,26/06/15,0,08:00,Bus|\r\n1,00/00/00,0,09:00,Later|\r\n";
  folder.Write("alarms.txt", held);
  StartAt(At(2026, 6, 15, 7, 59, 58));
  Watch();
  ModalCatcher popups(folder, table);
  std::ofstream writer(folder.path() / "alarms.txt", std::ios::binary | std::ios::trunc);
  writer << held << std::flush;
  ASSERT_TRUE(WaitUntil([&] { return table.AlarmsFileBusy(); }, kWaitMs));
  TickAt(At(2026, 6, 15, 8, 0));
  ASSERT_TRUE(WaitUntil([&] { return table.Count() == 1; }, kWaitMs));  // Bus went off
  writer << "1,00/00/00,0,10:00,Daily|\r\n0,26/06/15,0,08:00,Dentist|\r\n" << std::flush;
  writer.close();
  ASSERT_TRUE(WaitUntil([&] { return popups.seen().size() >= 2; }, kWaitMs));
  EXPECT_EQ(popups.seen()[1].text, "Dentist|");
  EXPECT_EQ(folder.Read("alarms.txt"),
            "1,00/00/00,0,09:00,Later|\r\n1,00/00/00,0,10:00,Daily|\r\n");
}

// A save that comes before the watcher has heard of a writer still waits for
// it; at the end of the session, with the writer still at it, it is made on
// the file as the writer left it.
TEST_F(AlarmsFileWatcherTest, ASaveRightAfterAWriterStartedWaitsForIt) {
  const std::string held = "1,00/00/00,0,07:00,\r\n";
  Start(held);
  std::ofstream writer(folder.path() / "alarms.txt", std::ios::binary | std::ios::trunc);
  writer << held << std::flush;
  ASSERT_TRUE(table.RemoveAlarmAt(0));
  EXPECT_TRUE(table.SaveAlarms());
  EXPECT_TRUE(table.AlarmsSaveWaiting());
  EXPECT_EQ(folder.Read("alarms.txt"), held);
  writer << "1,00/00/00,0,08:00,\r\n" << std::flush;
  dlg->OnEndSession();
  EXPECT_EQ(folder.Read("alarms.txt"), "1,00/00/00,0,08:00,\r\n");
}

TEST_F(AlarmsFileWatcherTest, AnAddAfterAHandEditKeepsBothAndTheBackup) {
  Start("1,00/00/00,0,07:00,\r\n");
  const std::string edited = "1,00/00/00,0,06:30,\n\n1,00/00/00,0,07:00,\n";
  folder.Write("alarms.txt", edited);
  ASSERT_TRUE(ShowsInRow1("06:30"));
  table.AppendAlarm({"09:00", AlarmKind::kDaily, "", ""}, dlg->Clock().Snapshot(), DateFormat::Uk);
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(folder.Read("alarms.txt"),
            "1,00/00/00,0,06:30,\r\n1,00/00/00,0,07:00,\r\n1,00/00/00,0,09:00,$%&\r\n");
  EXPECT_EQ(folder.Read("alarms.txt.bak"), edited);
}
