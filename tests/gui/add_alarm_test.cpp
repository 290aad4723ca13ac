// Add: the checks in their order, what reaches alarms.txt, and the list.
#include <sys/stat.h>

#include <QApplication>
#include <QScrollBar>
#include <QTranslator>
#include <optional>
#include <vector>

#include "core/scheduler/next_firing.h"
#include "core/store/alarm_table.h"
#include "entry_form_fixture.h"

namespace {

// Tuesday 10 February 2004, 09:05:20; 2004 is a leap year.
class AddAlarmTest : public EntryFormTest {
 protected:
  std::int64_t Now() const { return At(2004, 2, 10, 9, 5, 20); }

  // The form is filled, Add clicked, and exactly one refusal must come, with
  // the table, the file and the typed fields left as they were.
  void ExpectRefused(const QString& time, const QString& type, const QString& day,
                     const QString& date, const QString& message) {
    SCOPED_TRACE((time + " | " + type + " | " + day + " | " + date).toStdString());
    Fill(time, type, day, date);
    const std::string fileBefore = folder.Read("alarms.txt");
    const int countBefore = table.Count();
    prompter.clear();
    ClickAdd();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, message);
    EXPECT_EQ(prompter.messages()[0].caption, "");  // the standard caption
    EXPECT_EQ(prompter.messages()[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(table.Count(), countBefore);
    EXPECT_EQ(folder.Read("alarms.txt"), fileBefore);
    EXPECT_EQ(TimeEdit()->text(), time);
    EXPECT_EQ(TypeBox()->currentText(), type);
    EXPECT_EQ(DayBox()->currentText(), day);
    EXPECT_EQ(DateEdit()->text(), date);
  }

  // Add passes: the new line is in alarms.txt (without the new-record marker),
  // one of the list's rows shows it, and the form still shows what was added.
  void ExpectAdded(const QString& time, const QString& type, const QString& day,
                   const QString& date, const std::string& line) {
    SCOPED_TRACE((time + " | " + type + " | " + day + " | " + date).toStdString());
    Fill(time, type, day, date);
    const int countBefore = table.Count();
    prompter.clear();
    ClickAdd();
    EXPECT_TRUE(prompter.messages().empty()) << prompter.texts().front().toStdString();
    EXPECT_EQ(table.Count(), countBefore + 1);
    const std::vector<std::string> lines = FileLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    EXPECT_EQ(folder.Read("alarms.txt").find("$%&"), std::string::npos);
    EXPECT_TRUE(RowShowsTime(time)) << "no list row shows " << time.toStdString();
    EXPECT_EQ(TimeEdit()->text(), time);
    EXPECT_EQ(TypeBox()->currentText(), type);
    EXPECT_EQ(DayBox()->currentText(), day);
    EXPECT_EQ(DateEdit()->text(), date);
  }

  bool RowShowsTime(const QString& time) const {
    for (int id : kRowTimeIds) {
      if (Text(id) == time) return true;
    }
    return false;
  }
};

TEST_F(AddAlarmTest, EachRefusalInItsOrder) {
  folder.Write("alarms.txt", "1,00/00/00,0,06:00,\r\n");
  Open(Now());
  // Each row also breaks the rules that are checked after the one it shows.
  ExpectRefused("24:00", "", "", "", "Time must be HH:MM.");
  ExpectRefused("12:60", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("9:30", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("09-30", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("23:59", "", "", "", "No type selected.");
  ExpectRefused("23:59", "Weekly", "None", "", "No day of week selected.");
  ExpectRefused("23:59", "Weekly", "", "", "No day of week selected.");
  ExpectRefused("23:59", "One Date", "", "", "No date selected.");
  ExpectRefused("23:59", "Monthly", "None", "", "No day of month selected.");
  ExpectRefused("23:59", "Fortnightly", "", "", "No start date selected.");
  ExpectRefused("23:59", "One Date", "", "1/2/2003", "Date must be DD/MM/YY.");
  ExpectRefused("23:59", "Fortnightly", "", "10/02-04", "Date must be DD/MM/YY.");
  ExpectRefused("23:59", "One Date", "", "31/04/05", "Invalid date.");
  ExpectRefused("23:59", "One Date", "", "29/02/03", "Invalid date.");
  ExpectRefused("23:59", "One Date", "", "29/02/05", "Invalid date.");
  ExpectRefused("23:59", "One Date", "", "00/03/04", "Invalid date.");
  ExpectRefused("23:59", "One Date", "", "09/02/04", "Invalid date.");
  ExpectRefused("23:59", "Fortnightly", "", "31/01/04", "Invalid date.");
  ExpectRefused("23:59", "One Date", "", "31/12/03", "Invalid date.");
  ExpectRefused("09:05", "One Date", "", "10/02/04", "Invalid date/time.");
  ExpectRefused("08:59", "Fortnightly", "", "10/02/04", "Invalid date/time.");
  ExpectRefused("09:05", "Today", "", "10/02/04", "Invalid time.");
  ExpectRefused("00:00", "Today", "", "10/02/04", "Invalid time.");
  ExpectRefused("23:59", "Monthly", "None", "32", "Invalid day of month.");
  ExpectRefused("23:59", "Monthly", "Tuesday", "5", "Invalid week in the month.");
  ExpectRefused("23:59", "Monthly", "Tuesday", "lst", "Invalid week in the month.");
  EXPECT_EQ(FileLines(), (std::vector<std::string>{"1,00/00/00,0,06:00,"}));
}

// Entries the simple number reading would let through, each of which would be
// stored as typed and break the fixed layout of its line or never fire.
TEST_F(AddAlarmTest, MalformedNumbersAreRefused) {
  folder.Write("alarms.txt", "1,00/00/00,0,06:00,\r\n");
  Open(Now());
  ExpectRefused("0a:30", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("1 :30", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("-1:30", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("23:5x", "Daily", "", "", "Time must be HH:MM.");
  ExpectRefused("23:59", "One Date", "", "ab/cd/ef", "Date must be DD/MM/YY.");
  ExpectRefused("23:59", "One Date", "", "1a/03/04", "Date must be DD/MM/YY.");
  ExpectRefused("23:59", "Fortnightly", "", "01/03/0x", "Date must be DD/MM/YY.");
  ExpectRefused("23:59", "Monthly", "None", "0", "Invalid day of month.");
  ExpectRefused("23:59", "Monthly", "None", "1st", "Invalid day of month.");
  ExpectRefused("23:59", "Monthly", "None", " 5", "Invalid day of month.");
  ExpectRefused("23:59", "Monthly", "Tuesday", "0", "Invalid week in the month.");
  ExpectRefused("23:59", "Monthly", "Tuesday", "LST", "Invalid week in the month.");
  ExpectRefused("23:59", "Monthly", "Tuesday", "2nd", "Invalid week in the month.");
  EXPECT_EQ(FileLines(), (std::vector<std::string>{"1,00/00/00,0,06:00,"}));
}

TEST_F(AddAlarmTest, FullTableIsRefusedBeforeTheFormIsRead) {
  std::string file;
  for (int hour = 10; hour < 22; ++hour) file += "1,00/00/00,0," + TwoDigits(hour) + ":00,\r\n";
  folder.Write("alarms.txt", file);
  Open(Now());
  ASSERT_EQ(table.Count(), 12);
  const std::string timeBefore = dlg->Entry().m_time;
  // Garbage everywhere, and a time longer than the field's limit (which the
  // user cannot type; the limit is lifted to put it there): none of it is read.
  Fill("ab", "", "", "");
  TimeEdit()->setMaxLength(32767);
  TimeEdit()->setText("1234567");
  ClickAdd();
  EXPECT_EQ(prompter.texts(), (std::vector<QString>{"You already have the max of 12 alarms."}));
  EXPECT_EQ(prompter.messages()[0].caption, "");
  EXPECT_EQ(dlg->Entry().m_time, timeBefore);
  EXPECT_EQ(TimeEdit()->text(), "1234567");
  EXPECT_EQ(folder.Read("alarms.txt"), file);
  EXPECT_EQ(table.Count(), 12);
}

// A hand edit not yet read in makes the twelfth alarm: Add counts the file's,
// and waits for its writer when it is still at it.
TEST_F(AddAlarmTest, AHandEditThatFillsTheTableIsReadInBeforeTheCount) {
  for (bool writing : {false, true}) {
    SCOPED_TRACE(writing ? "still writing" : "written");
    std::string file;
    for (int hour = 10; hour < 21; ++hour) file += "1,00/00/00,0," + TwoDigits(hour) + ":00,\r\n";
    folder.Write("alarms.txt", file);
    Open(Now());
    file += "1,00/00/00,0,23:00,\r\n";
    // A writer still at it writes its last line once the file has been busy
    // for longer than the watcher's second of quiet.
    const auto finish = [this, file] {
      folder.Write("alarms.txt", file);
      table.SetAlarmsFileBusy(false);
    };
    table.SetAlarmsFileBusy(writing);
    if (writing) {
      QTimer::singleShot(1100, dlg.get(), finish);
    } else {
      finish();
    }
    Fill("07:30", "Daily", "", "");
    prompter.clear();
    ClickAdd();
    EXPECT_EQ(prompter.texts(), (std::vector<QString>{"You already have the max of 12 alarms."}));
    EXPECT_EQ(folder.Read("alarms.txt"), file);
    EXPECT_EQ(table.Count(), 12);
  }
}

TEST_F(AddAlarmTest, TooLongFieldStopsAddWithTheLengthMessage) {
  Open(Now());
  Fill("23:59", "Daily", "", "");
  TimeEdit()->setMaxLength(32767);  // more than the user can type
  TimeEdit()->setText("23:590");
  ClickAdd();
  EXPECT_EQ(prompter.texts(), (std::vector<QString>{"Please enter no more than 5 characters."}));
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(folder.Read("alarms.txt"), "");
}

// One record of every kind, read back from alarms.txt; the twelfth fills the
// table, and the thirteenth is refused.
TEST_F(AddAlarmTest, EveryTypeIsStoredAsItsLine) {
  Open(Now());
  ExpectAdded("09:06", "Today", "", "10/02/04", "0,04/02/10,0,09:06,");
  ExpectAdded("09:05", "Tomorrow", "", "11/02/04", "0,04/02/11,0,09:05,");
  ExpectAdded("06:30", "Daily", "", "", "1,00/00/00,0,06:30,");
  ExpectAdded("07:30", "Weekly", "Tuesday", "", "2,00/00/00,3,07:30,");
  ExpectAdded("08:15", "Fortnightly", "", "05/03/04", "3,04/03/05,0,08:15,");
  ExpectAdded("09:16", "Fortnightly", "", "10/02/04", "3,04/02/10,0,09:16,");
  ExpectAdded("09:00", "Monthly", "None", "31", "4,00000031,0,09:00,");
  ExpectAdded("20:00", "Monthly", "Tuesday", "4", "5,00000004,3,20:00,");
  ExpectAdded("18:00", "Monthly", "Friday", "last", "5,00000009,6,18:00,");
  ExpectAdded("06:45", "One Date", "", "25/12/04", "0,04/12/25,0,06:45,");
  ExpectAdded("09:07", "One Date", "", "10/02/04", "0,04/02/10,0,09:07,");
  ExpectAdded("23:59", "Daily", "", "", "1,00/00/00,0,23:59,");
  EXPECT_EQ(FileLines().size(), 12u);
  Fill("10:00", "Daily", "", "");
  ClickAdd();
  EXPECT_EQ(prompter.texts(), (std::vector<QString>{"You already have the max of 12 alarms."}));
  EXPECT_EQ(FileLines().size(), 12u);
}

// Monthly texts that would not fit the line's fixed date code are stored in
// their one form: no leading zero, "Last" whatever its letter case.
TEST_F(AddAlarmTest, MonthlyDatesAreStoredNormalised) {
  Open(Now());
  ExpectAdded("10:00", "Monthly", "None", "05", "4,00000005,0,10:00,");
  ExpectAdded("10:01", "Monthly", "None", "5", "4,00000005,0,10:01,");
  ExpectAdded("10:02", "Monthly", "Wednesday", "03", "5,00000003,4,10:02,");
  ExpectAdded("10:03", "Monthly", "Friday", "LAST", "5,00000009,6,10:03,");
  ExpectAdded("10:04", "Monthly", "Friday", "Last", "5,00000009,6,10:04,");
  ExpectAdded("10:05", "Monthly", "Saturday", "lAsT", "5,00000009,7,10:05,");
  for (const std::string& line : FileLines()) EXPECT_EQ(line.size(), 19u) << line;
  dlg.reset();  // the table read back by a new start holds the same records
  StartAt(Now());
  EXPECT_EQ(table.Count(), 6);
  EXPECT_EQ(table.At(0).date, "5");
  EXPECT_EQ(table.At(5).date, "Last");
}

TEST_F(AddAlarmTest, TodayAndTomorrowAtTheCurrentMinute) {
  ModalCatcher catcher(folder, table);
  Open(At(2004, 12, 31, 23, 58, 59));
  ExpectRefused("23:58", "Today", "", "31/12/04", "Invalid time.");
  ExpectRefused("23:58", "One Date", "", "31/12/04", "Invalid date/time.");
  ExpectAdded("23:59", "Today", "", "31/12/04", "0,04/12/31,0,23:59,");
  // Tomorrow has no time check: the current minute is fine, and so is a year change.
  ExpectAdded("23:58", "Tomorrow", "", "01/01/05", "0,05/01/01,0,23:58,");
  ExpectAdded("00:00", "One Date", "", "01/01/05", "0,05/01/01,0,00:00,");

  // At the next minute the alarm just added goes off and is removed; Add now
  // compares with 23:59, the last minute of the day.
  TickAt(At(2004, 12, 31, 23, 59, 0));
  ASSERT_EQ(catcher.seen().size(), 1u);
  EXPECT_EQ(catcher.seen()[0].title, "Your alarm call:");
  EXPECT_EQ(FileLines(), (std::vector<std::string>{"0,05/01/01,0,00:00,", "0,05/01/01,0,23:58,"}));
  ExpectRefused("23:59", "Today", "", "31/12/04", "Invalid time.");
  ExpectRefused("23:59", "Fortnightly", "", "31/12/04", "Invalid date/time.");
  ExpectAdded("23:59", "Tomorrow", "", "01/01/05", "0,05/01/01,0,23:59,");
}

TEST_F(AddAlarmTest, TwentyNinthOfFebruaryInTheUkOrder) {
  Open(Now());
  ExpectAdded("07:00", "One Date", "", "29/02/04", "0,04/02/29,0,07:00,");
  ExpectAdded("07:01", "Fortnightly", "", "29/02/08", "3,08/02/29,0,07:01,");
  ExpectAdded("07:02", "One Date", "", "29/02/96", "0,96/02/29,0,07:02,");  // 2096
  ExpectRefused("07:03", "One Date", "", "29/02/05", "Invalid date.");
  ExpectRefused("07:03", "One Date", "", "29/02/99", "Invalid date.");  // 2099
  ExpectRefused("07:03", "One Date", "", "30/02/04", "Invalid date.");
  ExpectRefused("07:03", "One Date", "", "02/29/04", "Invalid date.");  // month 29
  ExpectRefused("07:03", "One Date", "", "1/2/2003", "Date must be DD/MM/YY.");
}

TEST_F(AddAlarmTest, TwentyNinthOfFebruaryInTheUsOrder) {
  WriteSettingsKey("\"DateFormat\"=\"1\"\r\n");
  Open(Now());
  ExpectAdded("07:00", "One Date", "", "02/29/04", "0,04/02/29,0,07:00,");
  ExpectAdded("07:01", "Fortnightly", "", "02/29/08", "3,08/02/29,0,07:01,");
  ExpectAdded("07:02", "One Date", "", "12/25/04", "0,04/12/25,0,07:02,");
  ExpectRefused("07:03", "One Date", "", "02/29/05", "Invalid date.");
  ExpectRefused("07:03", "One Date", "", "29/02/04", "Invalid date.");  // month 29
  ExpectRefused("07:03", "One Date", "", "02/09/04", "Invalid date.");  // yesterday
  ExpectRefused("07:03", "One Date", "", "1/2/2003", "Date must be MM/DD/YY.");
  ExpectRefused("07:03", "Fortnightly", "", "ab/cd/ef", "Date must be MM/DD/YY.");
  ExpectRefused("09:05", "One Date", "", "02/10/04", "Invalid date/time.");
}

TEST_F(AddAlarmTest, ListScrollsToTheNewRecord) {
  std::string file;
  for (int hour = 1; hour <= 7; ++hour)
    file += "1,00/00/00,0,0" + std::to_string(hour) + ":00,\r\n";
  folder.Write("alarms.txt", file);
  Open(Now());
  auto* scrollBar = DlgItem<QScrollBar>(dlg.get(), IDC_SCROLLBAR);
  ASSERT_EQ(scrollBar->value(), 0);
  // A Monthly record sorts last, out of sight of the first five rows.
  ExpectAdded("12:00", "Monthly", "None", "15", "4,00000015,0,12:00,");
  EXPECT_EQ(table.At(7).time, "12:00");
  EXPECT_EQ(scrollBar->value(), 3);
  EXPECT_EQ(Text(kRowTimeIds[4]), "12:00");
  EXPECT_EQ(Text(kRowTypeIds[4]), "15th of the month");
  // A one-off record sorts first: back to the top.
  ExpectAdded("06:00", "Tomorrow", "", "11/02/04", "0,04/02/11,0,06:00,");
  EXPECT_EQ(scrollBar->value(), 0);
  EXPECT_EQ(Text(kRowTimeIds[0]), "06:00");
  EXPECT_EQ(Text(kRowTypeIds[0]), "Tomorrow");
}

// A read-only file is read back after the failed save; a folder in its place
// cannot be, and the alarm the save could not write goes all the same.
TEST_F(AddAlarmTest, FailedSaveKeepsNothingNew) {
  const std::filesystem::path file = folder.path() / "alarms.txt";
  for (const bool readable : {true, false}) {
    SCOPED_TRACE(readable ? "a read-only file" : "a folder in its place");
    std::filesystem::remove_all(file);
    if (readable) {
      folder.Write("alarms.txt", "1,00/00/00,0,06:00,\r\n");
      std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    } else {
      std::filesystem::create_directory(file);
    }
    dlg.reset();
    Open(Now());
    prompter.clear();
    Fill("07:30", "Daily", "", "");
    ClickAdd();
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages()[0].text, "File open error.");
    EXPECT_EQ(prompter.messages()[0].caption, "Error");
    EXPECT_EQ(table.Count(), readable ? 1 : 0);
    EXPECT_EQ(Text(kRowTimeIds[0]), readable ? "06:00" : "");
    EXPECT_EQ(Text(kRowTimeIds[1]), "");
  }
  EXPECT_TRUE(std::filesystem::is_directory(file));
}

}  // namespace

// The form speaks the user's language, the file does not: run in German too
// (gui.add_alarm_test_de), Add stores the lines it stores in English, and the
// file, read again with no translation installed, goes off at the same minutes.
TEST_F(AddAlarmTest, LinesAreTheSameInEveryLanguage) {
  Open(Now());
  Fill("07:30", "Weekly", "Tuesday", "");
  ClickAdd();
  Fill("18:00", "Monthly", "Friday", "last");
  ClickAdd();
  EXPECT_TRUE(prompter.messages().empty());
  EXPECT_EQ(folder.Read("alarms.txt"), "2,00/00/00,3,07:30,\r\n5,00000009,6,18:00,\r\n");
  for (QTranslator* translator : qApp->findChildren<QTranslator*>())
    QCoreApplication::removeTranslator(translator);
  dlg.reset();
  StartAt(Now());
  std::vector<std::int64_t> firings;
  for (std::int64_t after = Now(); firings.size() < 3;) {
    const std::optional<std::int64_t> next = NextFiring(table, clock, after);
    ASSERT_TRUE(next.has_value());
    firings.push_back(after = *next);
  }
  EXPECT_EQ(firings,
            (std::vector<std::int64_t>{At(2004, 2, 17, 7, 30, 0), At(2004, 2, 24, 7, 30, 0),
                                       At(2004, 2, 27, 18, 0, 0)}));
}
