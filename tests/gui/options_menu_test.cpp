// The Options menu, its information boxes, the About box, and the end of a
// desktop session.
#include <signal.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <filesystem>

#include "core/settings/settings_store.h"
#include "gui/app/about_dlg.h"
#include "gui/app/info_texts.h"
#include "gui/app/termination_signals.h"
#include "gui/entry/calendar_dlg.h"
#include "gui/platform/url_opener.h"
#include "gui/settings/settings_dlg.h"
#include "main_window_fixture.h"

namespace {

class RecordingUrlOpener : public UrlOpener {
 public:
  RecordingUrlOpener() { SetUrlOpener(this); }
  ~RecordingUrlOpener() override { SetUrlOpener(nullptr); }
  bool Open(const QString& address) override {
    opened.push_back(address);
    return false;
  }
  std::vector<QString> opened;
};

class OptionsMenuTest : public MainWindowTest {
 protected:
  // Triggers the menu item with this text; returns the class name of the
  // dialog it opened, closing it.
  QString DialogOf(const QString& text) {
    QString opened;
    WhenModalOpens([&](QWidget* modal) { opened = modal->metaObject()->className(); });
    TriggerMenuItem(text);
    return opened;
  }
};

TEST_F(OptionsMenuTest, OneMenuOfFiveWorkingItemsAndASeparator) {
  StartAt(At(2026, 12, 7, 12, 0));
  ASSERT_NE(Options(), nullptr);
  EXPECT_EQ(dlg->findChild<QMenuBar*>()->actions()[0]->text(), "Options");
  std::vector<QString> items;
  for (QAction* action : Options()->actions()) {
    items.push_back(action->isSeparator() ? "-" : action->text());
    EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(action->shortcut().isEmpty());
    EXPECT_FALSE(action->text().contains('&'));
  }
  EXPECT_EQ(items,
            (std::vector<QString>{"Settings", "Calendar", "-", "Usage", "Help", "About..."}));

  EXPECT_EQ(DialogOf("Settings"), "CSettingsDlg");
  EXPECT_EQ(DialogOf("Calendar"), "CCalendarDlg");
  EXPECT_EQ(DialogOf("About..."), "CAboutDlg");
  TriggerMenuItem("Usage");
  TriggerMenuItem("Help");
  ASSERT_EQ(prompter.messages().size(), 2u);
  EXPECT_EQ(prompter.messages()[0].caption, "Tockmere Usage");
  EXPECT_EQ(prompter.messages()[1].caption, "Tockmere Help");
  for (const auto& message : prompter.messages()) {
    EXPECT_EQ(message.icon, Prompter::Icon::Information);
    EXPECT_EQ(message.owner, dlg.get());
    EXPECT_FALSE(message.question);
  }
  EXPECT_EQ(prompter.messages()[0].text, UsageBoxText());
  EXPECT_EQ(prompter.messages()[1].text, HelpBoxText());
}

TEST(InformationTexts, AreTheFixedTexts) {
  EXPECT_EQ(UsageBoxText(),
            "\nSo as not to miss any of your alarms Tockmere should run\n"
            "whenever your PC is on, a short-cut has therefore been added\n"
            "to your Start-up menu by the installation routine. If a one-off\n"
            "alarm is cleared whilst your PC is turned off you will receive a\n"
            "message on next starting Tockmere.\n\n"
            "Since it normally runs in the background Tockmere starts up\n"
            "minimized. To view your alarms just click on the toolbar item\n"
            "to restore it.\n\n");
  EXPECT_EQ(HelpBoxText(),
            "\nSet up your alarm calls using the boxes on the left: You must enter the\n"
            "\twake-up Time and Type. Day and Date will be made enterable      \n"
            "\twhen required. Click Add.\n\n"
            "Your current alarm calls are listed on the right: The maximum is 12. Use the "
            "scroll bar buttons to see\n"
            "\tthem all. To enter wake-up text for an alarm click on its Text\n"
            "\tbutton. To delete an alarm click its Clear button.\n\n"
            "When an alarm goes off a window automatically pops up displaying your\n"
            "\twake-up text.\n\n"
            "You can set one-off alarm calls for Today, Tomorrow or a specific date;\n"
            "\tand regular alarm calls; Daily, Weekly, Fortnightly and Monthly.\n\n"
            "For Monthly calls you can specify a date in the month - eg the 1st; or a\n"
            "\tday and week number - e.g. the 2nd Tuesday; select Tuesday\n"
            "\tas Day and enter 2 in the Date field. Weeks up to 4 or\n"
            "\t'Last' are valid.\n\n"
            "For Fortnightly calls you must specify a start date (check the Calendar).\n\n"
            "On the Settings window you can choose the Font and Background Colours\n"
            "\tof the alarm pop-ups; plus the Format of the date fields. Check\n"
            "\tthe Sound Alarms box to get a Windows sound effect when an\n"
            "\talarm goes off.\n\n");
}

TEST_F(OptionsMenuTest, AboutShowsTheVersionAndOpensExactlyItsAddress) {
  StartAt(At(2026, 12, 7, 12, 0));
  RecordingUrlOpener opener;
  WhenModalOpens([&](QWidget* modal) {
    auto* about = qobject_cast<CAboutDlg*>(modal);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Tockmere");
    EXPECT_EQ(about->windowIcon().cacheKey(), dlg->windowIcon().cacheKey());
    QStringList labels;
    for (QLabel* label : about->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Tockmere   version " TOCKMERE_TEST_VERSION))
        << labels.join('|').toStdString();
    auto* web = DlgItem<QPushButton>(about, IDC_WEB_LINK);
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(about->focusWidget(), DlgItem<QPushButton>(about, IDOK_BUTTON));  // Enter means OK
    EXPECT_TRUE(web->text().endsWith("/share/doc/tockmere")) << web->text().toStdString();
    EXPECT_GE(web->width(), web->fontMetrics().horizontalAdvance(web->text()));
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opener.opened, std::vector<QString>{web->text()});
    EXPECT_TRUE(about->isVisible());  // the box stays open
    web->setFocus();
    QTest::keyClick(web, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(opener.opened.size(), 2u);
    EXPECT_TRUE(about->isVisible());
    QTest::mouseClick(DlgItem<QPushButton>(about, IDOK_BUTTON), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
  });
  dlg->OnAbout();
  EXPECT_EQ(opener.opened.size(), 2u);
}

// SIGTERM and SIGHUP close the window as Esc does: the settings are written
// and the window's run returns, so the program ends normally.
TEST_F(OptionsMenuTest, TheEndOfTheSessionWritesTheSettingsAndEndsTheRun) {
  StartAt(At(2026, 12, 7, 12, 0));
  settings.Values().DateFormat = 1;
  settings.Values().FontNo = 3;
  int ended = 0;
  TerminationSignals terminations([&] {
    ++ended;
    dlg->OnEndSession();
  });
  ASSERT_TRUE(terminations.Installed());
  QTimer::singleShot(0, dlg.get(), [] {
    raise(SIGTERM);
    raise(SIGHUP);
  });
  QTimer::singleShot(5000, dlg.get(), [this] { dlg->done(-2); });  // not ended: fails
  EXPECT_EQ(dlg->Run(), QDialog::Rejected);
  QTest::qWait(50);
  EXPECT_EQ(ended, 1);  // two signals before the loop came round: one ending
  EXPECT_EQ(endCode, -1);
  const std::string saved = folder.Read("config/Tockmere/registry.reg");
  EXPECT_NE(saved.find("\"DateFormat\"=\"1\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"FontNo\"=\"3\""), std::string::npos) << saved;
}

// With a dialog of the program open, the settings are written and the
// process ends at once, as after the close box, its notifications taken off
// the desktop first.
TEST_F(OptionsMenuTest, TheEndOfTheSessionUnderADialogEndsTheProcess) {
  StartAt(At(2026, 12, 7, 12, 0));
  settings.Values().Sound = 1;
  notifier.Notify("Your alarm call: 12:00", "Tea", QIcon(), {});
  TerminationSignals terminations([&] { dlg->OnEndSession(); });
  WhenModalOpens([&](QWidget*) {
    raise(SIGTERM);
    EXPECT_TRUE(WaitUntil([&] { return endCode == 0; }, 2000));
  });
  dlg->OnSettings();
  EXPECT_EQ(endCode, 0);
  EXPECT_EQ(notifier.showing(), 0);
  EXPECT_NE(folder.Read("config/Tockmere/registry.reg").find("\"Sound\"=\"1\""), std::string::npos);
}

// Settings that cannot be written: the session's end puts up no box that
// would hold the logout up (the failure goes to stderr); Esc, which the user
// chose, still says so.
TEST_F(OptionsMenuTest, UnwritableSettingsHoldUpNoSessionEnd) {
  StartAt(At(2026, 12, 7, 12, 0));
  std::filesystem::create_directories(folder.path() / "config/Tockmere/registry.reg");
  WhenModalOpens([&](QWidget*) { dlg->OnEndSession(); });
  EXPECT_EQ(dlg->exec(), QDialog::Rejected);
  EXPECT_EQ(prompter.texts(), std::vector<QString>{});
  dlg->OnCancel();
  EXPECT_EQ(prompter.texts(),
            std::vector<QString>{"Registry key error.\nCould not save settings."});
}

}  // namespace
