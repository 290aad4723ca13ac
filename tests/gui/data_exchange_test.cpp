// Values moved between members and controls, in both directions.
#include "gui/dialog/data_exchange.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "gui/app/main_template.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/list/alarm_text_dlg.h"
#include "gui/settings/settings_dlg.h"
#include "gui_support.h"

namespace {

class DataExchangeTest : public testing::Test {
 protected:
  DataExchangeTest() { BuildDialog(&m_dialog, MainTemplate()); }

  void Put(int id, std::string value, int limit = -1) {
    DataExchange dx(&m_dialog, false);
    dx.Text(id, value, limit);
  }
  std::string Take(int id, int limit = -1) {
    std::string value = "unchanged";
    DataExchange dx(&m_dialog, true);
    dx.Text(id, value, limit);
    return value;
  }
  void PutCombo(int id, std::string value) {
    DataExchange dx(&m_dialog, false);
    dx.ComboText(id, value);
  }
  std::string TakeCombo(int id) {
    std::string value;
    DataExchange dx(&m_dialog, true);
    dx.ComboText(id, value);
    return value;
  }

  RecordingPrompter m_prompter;
  QDialog m_dialog;
};

TEST_F(DataExchangeTest, EditTextRoundTripsAndSetsTheTypingLimit) {
  Put(IDC_TIME, "07:30", 5);
  auto* time = DlgItem<QLineEdit>(&m_dialog, IDC_TIME);
  EXPECT_EQ(time->text(), "07:30");
  EXPECT_EQ(time->maxLength(), 5);
  EXPECT_EQ(Take(IDC_TIME, 5), "07:30");
  Put(IDC_DATE, "14/07/03", 8);
  EXPECT_EQ(DlgItem<QLineEdit>(&m_dialog, IDC_DATE)->maxLength(), 8);
  // Texts are UTF-8 both ways.
  Put(kRowTypeIds[0], "Caf\xC3\xA9 d\xC3\xA9j\xC3\xA0");
  EXPECT_EQ(DlgItem<QLineEdit>(&m_dialog, kRowTypeIds[0])->text(), QString::fromUtf8("Café déjà"));
  EXPECT_EQ(Take(kRowTypeIds[0]), "Caf\xC3\xA9 d\xC3\xA9j\xC3\xA0");
  EXPECT_TRUE(m_prompter.messages().empty());
}

TEST_F(DataExchangeTest, WritingTheSameTextKeepsTheCursor) {
  auto* time = DlgItem<QLineEdit>(&m_dialog, IDC_TIME);
  Put(IDC_TIME, "07:30", 5);
  time->setCursorPosition(2);
  Put(IDC_TIME, "07:30", 5);
  EXPECT_EQ(time->cursorPosition(), 2);
  Put(IDC_TIME, "08:45", 5);
  EXPECT_EQ(time->text(), "08:45");
}

TEST_F(DataExchangeTest, LabelsAndMultiLineFieldsExchangeTheirText) {
  Put(IDC_DATE_LABEL, "Day of month:");
  EXPECT_EQ(DlgItem<QLabel>(&m_dialog, IDC_DATE_LABEL)->text(), "Day of month:");
  EXPECT_EQ(Take(IDC_DATE_LABEL), "Day of month:");
  QDialog textDialog;
  BuildDialog(&textDialog, AlarmTextTemplate());
  std::string text = "Pay\nrent\n";
  DataExchange(&textDialog, false).Text(IDC_ALARM_TEXT, text);
  EXPECT_EQ(DlgItem<QPlainTextEdit>(&textDialog, IDC_ALARM_TEXT)->toPlainText(), "Pay\nrent\n");
  std::string back;
  DataExchange(&textDialog, true).Text(IDC_ALARM_TEXT, back);
  EXPECT_EQ(back, "Pay\nrent\n");
}

TEST_F(DataExchangeTest, TooLongTextIsRefusedWithTheLengthLimitMessage) {
  auto* time = DlgItem<QLineEdit>(&m_dialog, IDC_TIME);
  time->setText("07:300");
  std::string timeValue = "old";
  std::string dateValue = "old date";
  DataExchange dx(&m_dialog, true);
  dx.Text(IDC_TIME, timeValue, 5);
  dx.Text(IDC_DATE, dateValue, 8);  // nothing more is taken after a failure
  EXPECT_FALSE(dx.ok());
  EXPECT_EQ(timeValue, "old");
  EXPECT_EQ(dateValue, "old date");
  ASSERT_EQ(m_prompter.messages().size(), 1u);
  const RecordingPrompter::Message& message = m_prompter.messages()[0];
  EXPECT_EQ(message.text, "Please enter no more than 5 characters.");
  EXPECT_EQ(message.caption, "");  // the standard caption
  EXPECT_EQ(message.icon, Prompter::Icon::Warning);
  EXPECT_FALSE(message.question);
  EXPECT_EQ(message.owner, &m_dialog);
  EXPECT_EQ(time->text(), "07:300");  // the field keeps what was typed
}

TEST_F(DataExchangeTest, TextAtTheLimitPasses) {
  DlgItem<QLineEdit>(&m_dialog, IDC_DATE)->setText("14/07/03");
  EXPECT_EQ(Take(IDC_DATE, 8), "14/07/03");
  EXPECT_TRUE(m_prompter.messages().empty());
}

TEST_F(DataExchangeTest, AValueLongerThanTheLimitIsShownWholeAndRefusedWhenTaken) {
  Put(IDC_TIME, "07:30:15", 5);
  EXPECT_EQ(DlgItem<QLineEdit>(&m_dialog, IDC_TIME)->text(), "07:30:15");
  EXPECT_EQ(Take(IDC_TIME, 5), "unchanged");
  EXPECT_EQ(m_prompter.texts(), std::vector<QString>{"Please enter no more than 5 characters."});
}

TEST_F(DataExchangeTest, ComboTextSelectsTheItemOrFillsTheEditField) {
  auto* type = DlgItem<QComboBox>(&m_dialog, IDC_TYPE);
  PutCombo(IDC_TYPE, "Weekly");
  EXPECT_EQ(type->currentIndex(), 3);
  EXPECT_EQ(TakeCombo(IDC_TYPE), "Weekly");
  PutCombo(IDC_TYPE, "weekly");  // matching is exact
  EXPECT_EQ(type->currentIndex(), -1);
  EXPECT_EQ(type->currentText(), "weekly");
  EXPECT_EQ(TakeCombo(IDC_TYPE), "weekly");
  PutCombo(IDC_TYPE, "One Date");
  EXPECT_EQ(type->currentIndex(), 6);
  PutCombo(IDC_TYPE, "");
  EXPECT_EQ(type->currentIndex(), -1);
  EXPECT_EQ(type->currentText(), "");
  EXPECT_EQ(TakeCombo(IDC_TYPE), "");
}

TEST_F(DataExchangeTest, ComboTextTakesWhatTheUserTyped) {
  auto* day = DlgItem<QComboBox>(&m_dialog, IDC_DAY);
  PutCombo(IDC_DAY, "Monday");
  day->setEditText("Mon");
  EXPECT_EQ(TakeCombo(IDC_DAY), "Mon");
  PutCombo(IDC_DAY, "Monday");  // the same item again puts its text back
  EXPECT_EQ(day->currentText(), "Monday");
}

TEST(DataExchangeRadio, PutsAndTakesThePositionOfTheCheckedButton) {
  QDialog dialog;
  BuildDialog(&dialog, SettingsTemplate());
  int font = 2;
  DataExchange(&dialog, false).Radio(IDC_FONT_FIRST, font);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(DlgItem<QRadioButton>(&dialog, kFontRadioIds[k])->isChecked(), k == 2);
  }
  DlgItem<QRadioButton>(&dialog, kFontRadioIds[4])->click();
  DataExchange(&dialog, true).Radio(IDC_FONT_FIRST, font);
  EXPECT_EQ(font, 4);
  font = -1;
  DataExchange(&dialog, false).Radio(IDC_FONT_FIRST, font);
  font = 7;
  DataExchange(&dialog, true).Radio(IDC_FONT_FIRST, font);
  EXPECT_EQ(font, -1);
  DlgItem<QRadioButton>(&dialog, IDC_FONT_FIRST)->click();  // still one group after clearing
  DlgItem<QRadioButton>(&dialog, kFontRadioIds[1])->click();
  DataExchange(&dialog, true).Radio(IDC_FONT_FIRST, font);
  EXPECT_EQ(font, 1);
  EXPECT_FALSE(DlgItem<QRadioButton>(&dialog, IDC_FONT_FIRST)->isChecked());
}

}  // namespace
