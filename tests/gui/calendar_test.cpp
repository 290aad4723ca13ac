// Options > Calendar: a month calendar to look at, with no effect on the form.
#include <QCalendarWidget>

#include "entry_form_fixture.h"
#include "gui/entry/calendar_dlg.h"

namespace {

struct FormState {
  QString time, type, day, date, label;
  int timeKeyCount = 0;
  int dateKeyCount = 0;
  bool monthly = false;
  bool operator==(const FormState&) const = default;
};

class CalendarTest : public EntryFormTest {
 protected:
  FormState Form() const {
    return {TimeEdit()->text(),
            TypeBox()->currentText(),
            DayBox()->currentText(),
            DateEdit()->text(),
            DateLabel(),
            TimeEdit()->KeyCount(),
            DateEdit()->KeyCount(),
            DateEdit()->Monthly()};
  }

  // Runs OnCalendar; while the dialog is open, act works on it.
  void RunCalendar(const std::function<void(CCalendarDlg*, QCalendarWidget*)>& act) {
    bool opened = false;
    WhenModalOpens([&](QWidget* modal) {
      auto* calendar = qobject_cast<CCalendarDlg*>(modal);
      ASSERT_NE(calendar, nullptr);
      opened = true;
      act(calendar, DlgItem<QCalendarWidget>(calendar, IDC_CALENDAR));
    });
    dlg->Entry().OnCalendar();
    EXPECT_TRUE(opened);
  }
};

TEST_F(CalendarTest, ShowsTodayOnTheProgramClock) {
  Open(At(2003, 12, 25, 9, 5));
  RunCalendar([this](CCalendarDlg* dialog, QCalendarWidget* calendar) {
    EXPECT_EQ(dialog->windowTitle(), "Calendar");
    EXPECT_EQ(dialog->windowIcon().cacheKey(), dlg->windowIcon().cacheKey());
    EXPECT_FALSE(dlg->windowIcon().isNull());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(2003, 12, 25));
    EXPECT_EQ(calendar->monthShown(), 12);
    EXPECT_EQ(calendar->yearShown(), 2003);
    dialog->reject();
  });
}

TEST_F(CalendarTest, ChoosingADateAndOkLeavesEverythingAsItWas) {
  folder.Write("alarms.txt", "1,00/00/00,0,06:00,\r\n");
  Open(At(2003, 12, 25, 9, 5));
  // A Monthly week in the month, part-typed time.
  Pick(TypeBox(), "Monthly");
  Pick(DayBox(), "Tuesday");
  Retype(TimeEdit(), "07");
  const FormState before = Form();
  const std::string fileBefore = folder.Read("alarms.txt");
  RunCalendar([](CCalendarDlg* dialog, QCalendarWidget* calendar) {
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(2004, 1, 13));
    emit calendar->clicked(QDate(2004, 1, 13));
    auto* ok = DlgItem<QPushButton>(dialog, IDOK_BUTTON);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
  });
  EXPECT_EQ(Form(), before);
  EXPECT_EQ(folder.Read("alarms.txt"), fileBefore);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(Text(kRowTimeIds[0]), "06:00");
  EXPECT_TRUE(prompter.messages().empty());
  // Typing goes on where it left off.
  QTest::keyClicks(TimeEdit(), "30");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
}

TEST_F(CalendarTest, OpenWithAPartTypedDateAndClosedByEsc) {
  Open(At(2003, 12, 25, 9, 5));
  Pick(TypeBox(), "One Date");
  Retype(DateEdit(), "0301");
  const FormState before = Form();
  RunCalendar([](CCalendarDlg* dialog, QCalendarWidget*) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
  });
  EXPECT_EQ(Form(), before);
  // Typing goes on where it left off.
  QTest::keyClicks(DateEdit(), "04");
  EXPECT_EQ(DateEdit()->text(), "03/01/04");
}

TEST_F(CalendarTest, ReturnInTheMonthGridPressesOk) {
  Open(At(2003, 12, 25, 9, 5));
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    RunCalendar([key](CCalendarDlg* dialog, QCalendarWidget* calendar) {
      ASSERT_NE(calendar, nullptr);
      QTest::keyClick(calendar->focusProxy(), key);
      EXPECT_FALSE(dialog->isVisible());
      EXPECT_EQ(dialog->result(), QDialog::Accepted);
    });
  }
}

}  // namespace
