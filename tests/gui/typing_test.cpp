// Keys typed into the time and date fields.
#include <QClipboard>
#include <QGuiApplication>

#include "entry_form_fixture.h"
#include "gui/entry/date_edit.h"
#include "gui/entry/time_edit.h"

namespace {

class TypingTest : public EntryFormTest {
 protected:
  void SetUp() override {
    EntryFormTest::SetUp();
    Open(At(2003, 7, 7, 9, 5, 20));
  }

  // Backspace once and return the field's text.
  static QString AfterBackspace(QLineEdit* field) {
    QTest::keyClick(field, Qt::Key_Backspace);
    return field->text();
  }
};

TEST_F(TypingTest, FieldsAreTheFilteringClasses) {
  EXPECT_NE(qobject_cast<CTimeEdit*>(TimeEdit()), nullptr);
  EXPECT_NE(qobject_cast<CDateEdit*>(DateEdit()), nullptr);
}

TEST_F(TypingTest, TimeGetsItsColonAndKeepsToFiveCharacters) {
  Retype(TimeEdit(), "");
  EXPECT_EQ(TimeEdit()->text(), "");
  EXPECT_EQ(TimeEdit()->KeyCount(), 0);
  QTest::keyClicks(TimeEdit(), "07");
  EXPECT_EQ(TimeEdit()->text(), "07:");
  QTest::keyClicks(TimeEdit(), "30");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
  EXPECT_EQ(TimeEdit()->KeyCount(), 5);
  QTest::keyClicks(TimeEdit(), "5");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
  // The refused sixth key leaves the count with the text, so backspacing
  // still takes the ":" together with the digit before it.
  EXPECT_EQ(TimeEdit()->KeyCount(), 5);
  EXPECT_EQ(AfterBackspace(TimeEdit()), "07:3");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "07:");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "0");
  QTest::keyClicks(TimeEdit(), "745");
  EXPECT_EQ(TimeEdit()->text(), "07:45");
}

TEST_F(TypingTest, BackspaceTakesSeparatorsWithTheCharacterBefore) {
  // The start-up time, as the form shows it.
  EXPECT_EQ(TimeEdit()->text(), "09:05");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "09:0");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "09:");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "0");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "");
  EXPECT_EQ(AfterBackspace(TimeEdit()), "");
  EXPECT_EQ(TimeEdit()->KeyCount(), 0);
  QTest::keyClicks(TimeEdit(), "1945");
  EXPECT_EQ(TimeEdit()->text(), "19:45");

  Pick(TypeBox(), "One Date");
  DateEdit()->end(false);
  const QStringList expected{"07/07/0", "07/07/", "07/0", "07/", "0", ""};
  for (const QString& text : expected) EXPECT_EQ(AfterBackspace(DateEdit()), text);
  EXPECT_EQ(DateEdit()->KeyCount(), 0);
  QTest::keyClicks(DateEdit(), "25");
  EXPECT_EQ(DateEdit()->text(), "25/");
  QTest::keyClicks(DateEdit(), "1203");
  EXPECT_EQ(DateEdit()->text(), "25/12/03");
  EXPECT_EQ(DateEdit()->KeyCount(), 8);
  QTest::keyClicks(DateEdit(), "9");
  EXPECT_EQ(DateEdit()->text(), "25/12/03");
}

TEST_F(TypingTest, TypingOverASelectionStartsTheFieldAfresh) {
  TimeEdit()->selectAll();
  QTest::keyClicks(TimeEdit(), "0730");
  EXPECT_EQ(TimeEdit()->text(), "07:30");
  QTest::keyClick(TimeEdit(), Qt::Key_A, Qt::ControlModifier);  // select all
  EXPECT_EQ(TimeEdit()->selectedText(), "07:30");
  QTest::keyClicks(TimeEdit(), "2");
  EXPECT_EQ(TimeEdit()->text(), "2");
  QTest::keyClicks(TimeEdit(), "215");
  EXPECT_EQ(TimeEdit()->text(), "22:15");

  Pick(TypeBox(), "Fortnightly");
  DateEdit()->selectAll();
  QTest::keyClicks(DateEdit(), "010804");
  EXPECT_EQ(DateEdit()->text(), "01/08/04");
  // Backspace on a selection removes just the selection.
  DateEdit()->setSelection(3, 5);
  QTest::keyClick(DateEdit(), Qt::Key_Backspace);
  EXPECT_EQ(DateEdit()->text(), "01/");
  QTest::keyClicks(DateEdit(), "0905");
  EXPECT_EQ(DateEdit()->text(), "01/09/05");
}

TEST_F(TypingTest, MonthlyDateHasNoSeparators) {
  Pick(TypeBox(), "Monthly");
  EXPECT_EQ(DateEdit()->text(), "7");
  Retype(DateEdit(), "15");
  EXPECT_EQ(DateEdit()->text(), "15");
  Retype(DateEdit(), "last");
  EXPECT_EQ(DateEdit()->text(), "last");
  Retype(DateEdit(), "12345");
  EXPECT_EQ(DateEdit()->text(), "12345");
  EXPECT_EQ(AfterBackspace(DateEdit()), "1234");
  // Back to a calendar date: the separators come again.
  Pick(TypeBox(), "One Date");
  Retype(DateEdit(), "311203");
  EXPECT_EQ(DateEdit()->text(), "31/12/03");
}

TEST_F(TypingTest, LettersArePassedOnForAddToJudge) {
  Retype(TimeEdit(), "ab12");
  EXPECT_EQ(TimeEdit()->text(), "ab:12");
  Pick(TypeBox(), "One Date");
  Retype(DateEdit(), "");
  // Keys beyond ASCII, as a keyboard layout delivers them.
  for (const QString& key : {QString::fromUtf8("é"), QString::fromUtf8("é")}) {
    QTest::sendKeyEvent(QTest::Click, DateEdit(), Qt::Key_unknown, key, Qt::NoModifier);
  }
  QTest::keyClicks(DateEdit(), "1x");
  EXPECT_EQ(DateEdit()->text(), QString::fromUtf8("éé/1x/"));
  EXPECT_EQ(DateEdit()->KeyCount(), 6);
}

TEST_F(TypingTest, ReadOnlyDateIgnoresKeysAndKeepsItsCount) {
  ASSERT_TRUE(DateEdit()->isReadOnly());  // Today
  DateEdit()->end(false);
  QTest::keyClicks(DateEdit(), "12");
  QTest::keyClick(DateEdit(), Qt::Key_Backspace);
  EXPECT_EQ(DateEdit()->text(), "07/07/03");
  EXPECT_EQ(DateEdit()->KeyCount(), 8);
}

// Changes made other than by typing at the end bring the count in step with
// the text, so the separators go where they belong afterwards.
TEST_F(TypingTest, DeletePasteAndMidFieldTypingResync) {
  TimeEdit()->home(false);
  for (int i = 0; i < 5; ++i) QTest::keyClick(TimeEdit(), Qt::Key_Delete);
  EXPECT_EQ(TimeEdit()->text(), "");
  EXPECT_EQ(TimeEdit()->KeyCount(), 0);
  QTest::keyClicks(TimeEdit(), "0730");
  EXPECT_EQ(TimeEdit()->text(), "07:30");

  QGuiApplication::clipboard()->setText(QStringLiteral("1"));
  Retype(TimeEdit(), "");
  QTest::keyClick(TimeEdit(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(TimeEdit()->text(), "1");
  EXPECT_EQ(TimeEdit()->KeyCount(), 1);
  QTest::keyClicks(TimeEdit(), "945");
  EXPECT_EQ(TimeEdit()->text(), "19:45");

  // Typing in the middle inserts just the key; Backspace at the end then goes on
  // from the text as it now is.
  Pick(TypeBox(), "One Date");
  Retype(DateEdit(), "2512");
  EXPECT_EQ(DateEdit()->text(), "25/12/");
  DateEdit()->setCursorPosition(0);
  QTest::keyClicks(DateEdit(), "1");
  EXPECT_EQ(DateEdit()->text(), "125/12/");
  EXPECT_EQ(DateEdit()->KeyCount(), 7);
  DateEdit()->end(false);
  QTest::keyClicks(DateEdit(), "3");
  EXPECT_EQ(DateEdit()->text(), "125/12/3");
  EXPECT_EQ(AfterBackspace(DateEdit()), "125/12/");
  EXPECT_EQ(AfterBackspace(DateEdit()), "125/12");

  // Cut.
  DateEdit()->setSelection(0, 6);
  QTest::keyClick(DateEdit(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(DateEdit()->text(), "");
  EXPECT_EQ(DateEdit()->KeyCount(), 0);
}

TEST_F(TypingTest, EnterInAFieldReachesTheExitButton) {
  TimeEdit()->setFocus();
  QTest::keyClick(TimeEdit(), Qt::Key_Return);
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_FALSE(folder.Read("config/Tockmere/registry.reg").empty());
}

}  // namespace
