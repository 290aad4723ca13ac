// The list rows' Clear and Text buttons and the alarm text editor, clicked as
// a user does on the real main window.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/list/alarm_text_dlg.h"
#include "main_window_fixture.h"

namespace {

class RowActionsTest : public MainWindowTest {
 protected:
  // Daily alarms at 06:00, 06:01, ... each with its number as text.
  void StartWithDailyAlarms(int n) {
    std::string file;
    for (int i = 0; i < n; ++i) {
      file += "1,00/00/00,0,06:" + TwoDigits(i) + ",No " + std::to_string(i) + "|\r\n";
    }
    folder.Write("alarms.txt", file);
    StartAt(At(2026, 12, 7, 12, 0));
  }

  void Click(int id) { QTest::mouseClick(DlgItem<QPushButton>(dlg.get(), id), Qt::LeftButton); }

  // Clicks a row's Text button; while the editor is open, act works on it.
  void EditRow(int row, const std::function<void(CAlarmTextDlg*)>& act) {
    bool opened = false;
    WhenModalOpens([&](QWidget* modal) {
      auto* editor = qobject_cast<CAlarmTextDlg*>(modal);
      ASSERT_NE(editor, nullptr);
      opened = true;
      act(editor);
    });
    Click(kRowTextIds[row]);
    EXPECT_TRUE(opened);
  }

  // Opens the editor on a record of the given text, shows what it opened
  // with, saves what `typed` leaves there and returns the stored text.
  std::string SaveThrough(const std::string& stored, QString* opened,
                          const std::function<void(QPlainTextEdit*)>& typed = {}) {
    table.SetText(0, stored);
    EditRow(0, [&](CAlarmTextDlg* editor) {
      *opened = editor->m_textEdit->toPlainText();
      if (typed) typed(editor->m_textEdit);
      QTest::mouseClick(DlgItem<QPushButton>(editor, IDOK_BUTTON), Qt::LeftButton);
    });
    return table.At(0).text;
  }

  std::string FileText() const { return folder.Read("alarms.txt"); }
};

TEST_F(RowActionsTest, ClearAsksAndDeletesOnlyOnYes) {
  StartWithDailyAlarms(3);
  const std::string before = FileText();
  prompter.AnswerNext(false);
  Click(kRowClearIds[1]);
  ASSERT_EQ(prompter.texts(), std::vector<QString>{"Confirm Deletion of this Alarm."});
  EXPECT_TRUE(prompter.messages()[0].question);
  EXPECT_EQ(prompter.messages()[0].caption, "");  // the standard caption
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(table.Count(), 3);

  prompter.AnswerNext(true);
  Click(kRowClearIds[1]);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(FileText(), "1,00/00/00,0,06:00,No 0|\r\n1,00/00/00,0,06:02,No 2|\r\n");
  EXPECT_EQ(Text(kRowTimeIds[1]), "06:02");
  EXPECT_EQ(Text(kRowTimeIds[2]), "");
}

// Each row's buttons work on the alarm that row shows.
TEST_F(RowActionsTest, EachRowsButtonsTakeThatRowsAlarm) {
  StartWithDailyAlarms(5);
  for (int row = 0; row < kListRowCount; ++row) {
    const QString time = Text(kRowTimeIds[row]);
    EditRow(row, [&](CAlarmTextDlg* editor) {
      EXPECT_EQ(DlgItem<QLineEdit>(editor, IDC_ALARM_TIME)->text(), time) << "row " << row;
      editor->reject();
    });
  }
  for (int row = kListRowCount - 1; row >= 0; --row) {
    const std::string time = Text(kRowTimeIds[row]).toStdString();
    prompter.AnswerNext(true);
    Click(kRowClearIds[row]);
    EXPECT_EQ(FileText().find(time), std::string::npos) << "row " << row;
    EXPECT_EQ(table.Count(), row);
  }
}

TEST_F(RowActionsTest, ClearOnRowTwoScrolledToThreeDeletesRecordFour) {
  StartWithDailyAlarms(9);
  dlg->List().Refresh(3);
  ASSERT_EQ(DlgItem<QLabel>(dlg.get(), kRowNumberIds[1])->text(), "5");
  prompter.AnswerNext(true);
  Click(kRowClearIds[1]);
  ASSERT_EQ(table.Count(), 8);
  EXPECT_EQ(table.At(3).time, "06:03");
  EXPECT_EQ(table.At(4).time, "06:05");
}

// Answers Yes after the clock has moved on to `moment` while the question was
// open, as the real message box's loop lets it.
class TickingPrompter : public Prompter {
 public:
  explicit TickingPrompter(std::function<void()> tick) : tick_(std::move(tick)) {
    SetPrompter(this);
  }
  ~TickingPrompter() override { SetPrompter(nullptr); }
  void Show(QWidget*, const QString&, const QString&, Icon) override {}
  bool AskYesNo(QWidget*, const QString&, const QString&) override {
    tick_();
    return true;
  }

 private:
  std::function<void()> tick_;
};

TEST_F(RowActionsTest, ClearDeletesTheAlarmAskedAboutWhenTheRowsMoveMeanwhile) {
  folder.Write("alarms.txt",
               "0,26/12/07,0,12:01,Once|\r\n1,00/00/00,0,13:00,|\r\n1,00/00/00,0,14:00,|\r\n");
  StartAt(At(2026, 12, 7, 12, 0, 50));
  ModalCatcher catcher(folder, table);
  TickingPrompter answer([&] { TickAt(At(2026, 12, 7, 12, 1)); });
  Click(kRowClearIds[1]);  // 13:00; the one-off above it goes off during the question
  ASSERT_EQ(catcher.seen().size(), 1u);
  EXPECT_EQ(FileText(), "1,00/00/00,0,14:00,|\r\n");

  // The alarm asked about went off itself: nothing else is deleted.
  folder.Write("alarms.txt", "0,26/12/07,0,12:02,Once|\r\n1,00/00/00,0,14:00,|\r\n");
  table.LoadAlarms();
  dlg->List().Refresh(0);
  TickingPrompter answerLater([&] { TickAt(At(2026, 12, 7, 12, 2)); });
  Click(kRowClearIds[0]);
  EXPECT_EQ(FileText(), "1,00/00/00,0,14:00,|\r\n");
}

TEST_F(RowActionsTest, EmptyRowsNeitherDeleteNorOpenAnything) {
  StartWithDailyAlarms(2);
  const std::string before = FileText();
  prompter.AnswerNext(true);
  Click(kRowClearIds[2]);
  Click(kRowTextIds[4]);
  EXPECT_TRUE(prompter.texts().empty());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(FileText(), before);
}

TEST_F(RowActionsTest, EditorShowsTimeAndLongDescription) {
  folder.Write("alarms.txt",
               "0,26/12/08,0,07:15,|\r\n3,26/12/09,0,07:30,Dentist|\r\n"
               "5,00000009,6,08:00,Rent|\r\n");
  StartAt(At(2026, 12, 7, 12, 0));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"07:15", "Tomorrow"},
      {"07:30", "Fortnightly from 09/12/26"},
      {"08:00", "Last Friday in the month"}};
  for (int row = 0; row < 3; ++row) {
    EditRow(row, [&](CAlarmTextDlg* editor) {
      EXPECT_EQ(editor->windowTitle(), "Alarm Text");
      EXPECT_EQ(editor->windowIcon().cacheKey(), dlg->windowIcon().cacheKey());
      EXPECT_EQ(DlgItem<QLineEdit>(editor, IDC_ALARM_TIME)->text().toStdString(),
                expected[row].first);
      EXPECT_EQ(editor->m_descEdit->toPlainText().toStdString(), expected[row].second);
      EXPECT_EQ(editor->Record().Index(), row);
      editor->reject();
    });
  }
}

TEST_F(RowActionsTest, SaveRoundTripsAndCancelChangesNothing) {
  StartWithDailyAlarms(1);
  QString opened;
  EXPECT_EQ(SaveThrough("|", &opened), "|");
  EXPECT_EQ(opened, "");
  EXPECT_EQ(SaveThrough("Wake up|", &opened), "Wake up|");
  EXPECT_EQ(opened, "Wake up");
  EXPECT_EQ(SaveThrough("Pay|rent|", &opened), "Pay|rent|");
  EXPECT_EQ(opened, "Pay\nrent");
  EXPECT_EQ(SaveThrough("|Wake|", &opened), "Wake|");
  EXPECT_EQ(opened, "Wake");
  EXPECT_EQ(FileText(), "1,00/00/00,0,06:00,Wake|\r\n");

  // Typed by the user: Enter makes lines, trailing blanks go.
  const auto typeUpNow = [](QPlainTextEdit* edit) {
    edit->clear();
    QTest::keyClicks(edit, "Up now   ");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "Coffee");
  };
  EXPECT_EQ(SaveThrough("|", &opened, typeUpNow), "Up now|Coffee|");

  // A line too long for the field's width is stored as the two lines it shows.
  const auto typeLong = [](QPlainTextEdit* edit) {
    edit->clear();
    QTest::keyClicks(edit, "Remember to take the bins out tonight");
  };
  const std::string wrapped = SaveThrough("|", &opened, typeLong);
  EXPECT_EQ(std::count(wrapped.begin(), wrapped.end(), '|'), 2) << wrapped;
  EXPECT_EQ(QString::fromStdString(wrapped).remove('|').remove(' '),
            "Remembertotakethebinsouttonight");

  EditRow(0, [](CAlarmTextDlg* editor) {
    QTest::keyClicks(editor->m_textEdit, "changed");
    QTest::mouseClick(DlgItem<QPushButton>(editor, IDCANCEL_BUTTON), Qt::LeftButton);
  });
  EXPECT_EQ(table.At(0).text, wrapped);
}

TEST_F(RowActionsTest, TypingAndPastingPastTheLastLineAreRefused) {
  StartWithDailyAlarms(1);
  EditRow(0, [](CAlarmTextDlg* editor) {
    QPlainTextEdit* edit = editor->m_textEdit;
    const int room = editor->VisibleLineCount();
    ASSERT_GE(room, 2);
    for (int k = 0; k < room + 3; ++k) {
      QTest::keyClicks(edit, "L" + QString::number(k));
      QTest::keyClick(edit, Qt::Key_Return);
    }
    EXPECT_EQ(static_cast<int>(editor->ShownLines().size()), room);
    const QString full = edit->toPlainText();
    edit->insertPlainText("pasted\nmore\nand more");
    EXPECT_EQ(edit->toPlainText(), full);
    editor->reject();
  });

  // A text stored longer than the field opens whole and can still be shortened.
  std::string stored;
  for (int k = 0; k < 12; ++k) stored += "Line " + std::to_string(k) + "|";
  table.SetText(0, stored);
  EditRow(0, [](CAlarmTextDlg* editor) {
    ASSERT_EQ(editor->ShownLines().size(), 12u);
    QTest::keyClick(editor->m_textEdit, Qt::Key_Backspace);
    EXPECT_EQ(editor->m_textEdit->toPlainText().right(6), "Line 1");
    QTest::keyClick(editor->m_textEdit, Qt::Key_Return);
    EXPECT_EQ(editor->ShownLines().size(), 12u);  // no longer than it opened
    editor->OnOK();
  });
  EXPECT_EQ(table.At(0).text.substr(table.At(0).text.size() - 8), "|Line 1|");
}

TEST_F(RowActionsTest, AnAlarmThatGoesOffUnderTheEditorIsNotWrittenTo) {
  folder.Write("alarms.txt", "0,26/12/07,0,12:01,Old|\r\n1,00/00/00,0,13:00,Daily|\r\n");
  StartAt(At(2026, 12, 7, 12, 0, 50));
  EditRow(0, [&](CAlarmTextDlg* editor) {
    editor->m_textEdit->setPlainText("New");
    ModalCatcher catcher(folder, table);
    TickAt(At(2026, 12, 7, 12, 1));  // the one-off fires and goes
    EXPECT_TRUE(editor->Record().Gone());
    editor->OnOK();
  });
  EXPECT_EQ(prompter.texts(), std::vector<QString>{"This alarm has gone off.\n Update ignored."});
  EXPECT_EQ(FileText(), "1,00/00/00,0,13:00,Daily|\r\n");
}

TEST_F(RowActionsTest, TextLandsOnTheSameAlarmWhenAnEarlierOneGoes) {
  folder.Write("alarms.txt",
               "0,26/12/07,0,12:01,Once|\r\n1,00/00/00,0,06:00,|\r\n1,00/00/00,0,13:00,|\r\n"
               "1,00/00/00,0,14:00,|\r\n1,00/00/00,0,15:00,Mine|\r\n");
  StartAt(At(2026, 12, 7, 12, 0, 50));
  EditRow(4, [&](CAlarmTextDlg* editor) {
    editor->m_textEdit->setPlainText("Tea");
    ModalCatcher catcher(folder, table);
    TickAt(At(2026, 12, 7, 12, 1));
    EXPECT_EQ(editor->Record().Index(), 3);
    editor->OnOK();
  });
  EXPECT_TRUE(prompter.texts().empty());
  EXPECT_NE(FileText().find("1,00/00/00,0,15:00,Tea|\r\n"), std::string::npos) << FileText();
  EXPECT_EQ(FileText().find("Once"), std::string::npos);
}

}  // namespace
