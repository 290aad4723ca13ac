#include "main_window_fixture.h"

namespace {

using MissedAlarmsTest = MainWindowTest;

TEST_F(MissedAlarmsTest, OneNoticePerMissedAlarmEachRemovalSavedFirst) {
  const std::string earlier = "0,26/12/06,0,07:30,Dentist|Bring card|\r\n";
  const std::string thisMinute = "0,26/12/07,0,09:05,\r\n";
  const std::string ahead = "0,26/12/07,0,09:06,Later|\r\n";
  const std::string daily = "1,00/00/00,0,08:00,\r\n";
  folder.Write("alarms.txt", earlier + thisMinute + ahead + daily);
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 9, 5, 20));

  ASSERT_EQ(catcher.seen().size(), 2u);
  EXPECT_EQ(catcher.seen()[0].title, "Tockmere");
  EXPECT_EQ(catcher.seen()[0].text,
            "\nThe Alarm Call for 07:30 on 06/12/26\nwith text:\n'Dentist , Bring card'\n"
            "has been cleared.\n");
  EXPECT_EQ(catcher.seen()[0].file, earlier + thisMinute + ahead + daily);
  EXPECT_EQ(catcher.seen()[1].text,
            "\nThe Alarm Call for 09:05 on 07/12/26\nwith text:\n''\nhas been cleared.\n");
  EXPECT_EQ(catcher.seen()[1].file, thisMinute + ahead + daily);
  EXPECT_EQ(folder.Read("alarms.txt"), ahead + daily);
  EXPECT_EQ(Text(kRowTimeIds[0]), "09:06");
}

TEST_F(MissedAlarmsTest, UnsavableRemovalGivesOneNoticeAndDoesNotLoop) {
  folder.Write("alarms.txt", "0,26/12/06,0,07:30,A|\r\n0,26/12/06,0,07:31,B|\r\n");
  std::filesystem::permissions(folder.path() / "alarms.txt", std::filesystem::perms::owner_read);
  ModalCatcher catcher(folder, table);
  StartAt(At(2026, 12, 7, 9, 5));
  EXPECT_EQ(catcher.seen().size(), 2u);
  EXPECT_EQ(prompter.texts(), (std::vector<QString>{"File open error.", "File open error."}));
}

}  // namespace
