// The message boxes and the warning sound, real and recorded.
#include "gui/dialog/prompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>

#include "gui/app/info_texts.h"
#include "gui/platform/system_sound.h"
#include "gui_support.h"

namespace {

TEST(Prompter, StandardCaptionIsTheProgramFileName) {
  EXPECT_EQ(StandardCaption(), "prompter_test");
}

TEST(Prompter, RecordingPrompterTakesOverAndAnswersFromItsQueue) {
  Prompter* real = &GetPrompter();
  {
    RecordingPrompter recording;
    EXPECT_EQ(&GetPrompter(), &recording);
    recording.AnswerNext(true);
    EXPECT_TRUE(GetPrompter().AskYesNo(nullptr, "Confirm Deletion of this Alarm.", ""));
    EXPECT_FALSE(GetPrompter().AskYesNo(nullptr, "Again?", ""));  // an empty queue answers No
    GetPrompter().Show(nullptr, "Tockmere Usage text", "Tockmere Usage",
                       Prompter::Icon::Information);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no real box opened
    ASSERT_EQ(recording.messages().size(), 3u);
    EXPECT_TRUE(recording.messages()[0].question);
    EXPECT_EQ(recording.messages()[2].caption, "Tockmere Usage");
    EXPECT_EQ(recording.messages()[2].icon, Prompter::Icon::Information);
    EXPECT_EQ(recording.texts(), (std::vector<QString>{"Confirm Deletion of this Alarm.", "Again?",
                                                       "Tockmere Usage text"}));
  }
  EXPECT_EQ(&GetPrompter(), real);
}

TEST(Prompter, RealYesNoBoxAsksWithTheWarningIconAndStandardCaption) {
  QDialog owner;
  owner.show();
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* parent = nullptr;
  WhenModalOpens([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    parent = box->parentWidget();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_TRUE(GetPrompter().AskYesNo(&owner, "Confirm Deletion of this Alarm.", ""));
  EXPECT_EQ(title, StandardCaption());
  EXPECT_EQ(text, "Confirm Deletion of this Alarm.");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(parent, &owner);
  // Closing the box without choosing answers No.
  WhenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_FALSE(GetPrompter().AskYesNo(&owner, "Confirm Deletion of this Alarm.", ""));
}

TEST(Prompter, RealOkBoxShowsItsCaptionIconAndPlainText) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  WhenModalOpens([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  GetPrompter().Show(nullptr, "\nLine <b>one</b>\n\n", "Tockmere Help",
                     Prompter::Icon::Information);
  EXPECT_EQ(title, "Tockmere Help");
  EXPECT_EQ(text, "\nLine <b>one</b>\n\n");
  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(buttons, 1);
  WhenModalOpens([&](QWidget* w) { title = w->windowTitle(); });  // left open: the helper closes it
  GetPrompter().Show(nullptr, "File open error.", "", Prompter::Icon::Warning);
  EXPECT_EQ(title, StandardCaption());
}

// The Help box shows each of its lines whole, wider than a message box's cap.
TEST(Prompter, RealBoxKeepsLongLinesWhole) {
  int shown = 0;
  int unbroken = 0;
  WhenModalOpens([&](QWidget* w) {
    auto* label = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    shown = label->width();
    QLabel probe(HelpBoxText());
    probe.setFont(label->font());
    unbroken = probe.sizeHint().width();
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
  });
  GetPrompter().Show(nullptr, HelpBoxText(), "Tockmere Help", Prompter::Icon::Information);
  EXPECT_GT(unbroken, 500);  // beyond the message box's own cap
  EXPECT_GE(shown, unbroken);
}

TEST(SystemSoundTest, RecordingSoundCountsAndTheRealOneReturns) {
  SystemSound* real = &GetSystemSound();
  {
    RecordingSound sound;
    GetSystemSound().PlayExclamation();
    GetSystemSound().PlayExclamation();
    EXPECT_EQ(sound.count(), 2);
  }
  EXPECT_EQ(&GetSystemSound(), real);
  // Without a sound server the real sound falls back to the bell; it must
  // neither crash nor wait.
  GetSystemSound().PlayExclamation();
  GetSystemSound().PlayExclamation();
}

}  // namespace
