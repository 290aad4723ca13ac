// The files the program makes take the mode the user's umask gives: never
// writable by others when the umask says so.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "core/store/alarms_file.h"
#include "recording_ui.h"
#include "test_support.h"

namespace {

mode_t ModeOf(const std::filesystem::path& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(FileMode, NewFilesFollowTheUmask) {
  ScratchFolder folder;
  RecordingUi ui;
  AlarmTable table;
  table.SetListener(&ui);
  const mode_t oldMask = umask(027);
  table.LoadAlarms();  // no alarms.txt yet
  table.AppendAlarm({"23:00", AlarmKind::kDaily, "", ""}, ClockSnapshot{}, DateFormat::Uk);
  EXPECT_TRUE(table.SaveAlarms());
  folder.Write(kAlarmsFileName, "1,00/00/00,0,06:00,\n");  // a hand edit: the next save keeps it
  table.AppendAlarm({"22:00", AlarmKind::kDaily, "", ""}, ClockSnapshot{}, DateFormat::Uk);
  EXPECT_TRUE(table.SaveAlarms());
  SettingsStore().SaveSettings(ui);
  umask(oldMask);
  EXPECT_EQ(ModeOf(folder.path() / kAlarmsFileName), 0640u);
  EXPECT_EQ(ModeOf(folder.path() / kAlarmsBackupFileName), 0640u);
  EXPECT_EQ(ModeOf(folder.path() / "config/Tockmere/registry.reg"), 0640u);
}

}  // namespace
