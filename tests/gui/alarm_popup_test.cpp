#include <QExposeEvent>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QWindow>

#include "core/settings/settings_store.h"
#include "gui/resources/fonts.h"
#include "main_window_fixture.h"

namespace {

class AlarmPopupTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settings.Values() = DefaultSettings();
  }

  static QImage Paint(CAlarmPopupDlg& popup) {
    popup.show();
    const QImage image = popup.grab().toImage();
    if (qEnvironmentVariableIsSet("TOCKMERE_GRAB"))
      image.save(qEnvironmentVariable("TOCKMERE_GRAB"));
    return image;
  }

  static bool IsDark(QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 200; }

  // The rows of the image that hold a dark pixel inside the area, and the
  // rightmost dark column.
  static std::pair<int, int> DarkExtent(const QImage& image, const QRect& area) {
    int rows = 0;
    int right = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      bool dark = false;
      for (int x = area.left(); x <= area.right(); ++x) {
        if (IsDark(image.pixel(x, y))) {
          dark = true;
          right = std::max(right, x);
        }
      }
      rows += dark ? 1 : 0;
    }
    return {rows, right};
  }
};

TEST_F(AlarmPopupTest, PanelInTheColourOfTheTypeWithDarkTextInside) {
  CAlarmPopupDlg popup(AlarmRecord{"Daily", "None", "07:30", "", "Get up|Feed the cat|"},
                       settings.Values(), QIcon());
  EXPECT_EQ(popup.windowTitle(), "Your alarm call:");
  const QImage image = Paint(popup);
  const QRect panel = CAlarmPopupDlg::kPanelRect.intersected(image.rect());
  EXPECT_EQ(image.pixelColor(panel.topLeft()), QColor(180, 250, 180));
  EXPECT_EQ(image.pixelColor(panel.left() + 2, panel.bottom() - 40), QColor(180, 250, 180));
  const auto [rows, right] = DarkExtent(image, popup.TextArea());
  EXPECT_GT(rows, 10);
  EXPECT_GE(right, popup.TextArea().left());
  // Nothing dark between the panel's top and the text rectangle.
  const QRect above(popup.TextArea().left(), panel.top(), popup.TextArea().width(), 4);
  EXPECT_EQ(DarkExtent(image, above).first, 0);
}

TEST_F(AlarmPopupTest, ColourOfEachTypeFollowsTheSettings) {
  settings.Values().MColour = 0;
  EXPECT_EQ(CAlarmPopupDlg::ColourOfType("Monthly", settings.Values()), QColor(255, 255, 153));
  EXPECT_EQ(CAlarmPopupDlg::ColourOfType("One Date", settings.Values()), QColor(255, 255, 153));
  EXPECT_EQ(CAlarmPopupDlg::ColourOfType("Weekly", settings.Values()), QColor(150, 250, 250));
  EXPECT_EQ(CAlarmPopupDlg::ColourOfType("Fortnightly", settings.Values()), QColor(250, 200, 130));
  settings.Values().DColour = 4;
  EXPECT_EQ(CAlarmPopupDlg::ColourOfType("Daily", settings.Values()), QColor(245, 195, 215));
  EXPECT_EQ(AlarmFontFace(0), "Arial");
  EXPECT_EQ(AlarmFontFace(4), "Monotype Corsiva");
  EXPECT_EQ(AlarmFontFace(7), "Times New Roman");
  EXPECT_EQ(CAlarmPopupDlg::DisplayText("Get up|Feed the cat|"), "Get up\nFeed the cat\n");
}

// The text rectangle is wider than the pop-up: long lines wrap inside what
// can be seen instead of running off its right edge.
// Each font number draws in a face of its own, not one fallback for all.
TEST_F(AlarmPopupTest, EveryFontNumberHasADistinctFace) {
  QStringList families;
  for (int fontNo = 0; fontNo < kAlarmFontCount; ++fontNo) {
    families << QFontInfo(QFont(AlarmFontFace(fontNo))).family();
  }
  families.removeDuplicates();
  EXPECT_EQ(families.size(), kAlarmFontCount) << families.join(", ").toStdString();
}

// The text is drawn in the face of FontNo, whatever else the settings hold.
TEST_F(AlarmPopupTest, TextIsDrawnInTheChosenFont) {
  const auto picture = [this](int fontNo, int dateFormat) {
    settings.Values().FontNo = fontNo;
    settings.Values().DateFormat = dateFormat;
    CAlarmPopupDlg popup(AlarmRecord{"Daily", "None", "07:30", "", "Get up|"}, settings.Values(),
                         QIcon());
    return Paint(popup);
  };
  EXPECT_NE(picture(3, 0), picture(0, 0));
  EXPECT_EQ(picture(3, 1), picture(3, 0));
}

TEST_F(AlarmPopupTest, LongLinesWrapWithinTheVisibleArea) {
  CAlarmPopupDlg popup(
      AlarmRecord{"Daily", "None", "07:30", "", "Remember the dentist at nine then the bank|"},
      settings.Values(), QIcon());
  const QImage image = Paint(popup);
  ASSERT_LE(popup.TextArea().right(), image.width() - 1);
  const auto [rows, right] = DarkExtent(image, popup.TextArea());
  EXPECT_LE(right, popup.TextArea().right());
  EXPECT_GT(rows, 40);  // more than one line of 30-pixel text
}

TEST_F(AlarmPopupTest, KeepsItsOwnAlarmWhenTheTableChanges) {
  AlarmTable table;
  table.SetTableRecords({AlarmRecord{"Daily", "None", "07:30", "", "Mine|"}});
  CAlarmPopupDlg popup(table.At(0), settings.Values(), QIcon());
  table.SetTableRecords({AlarmRecord{"Weekly", "Monday", "07:31", "", "Other|"}});
  const QImage image = Paint(popup);
  EXPECT_EQ(popup.Alarm().text, "Mine|");
  EXPECT_EQ(image.pixelColor(CAlarmPopupDlg::kPanelRect.topLeft()), QColor(180, 250, 180));
}

// One warning each time the window is shown or uncovered (exposed); none for
// the repaints between, nor for the second exposure X11 sends at a mapping.
TEST_F(AlarmPopupTest, SoundOncePerShowingOnlyWhenSoundIsOne) {
  for (int setting : {0, 2, 1}) {
    settings.Values().Sound = setting;
    const int before = sound.count();
    CAlarmPopupDlg popup(AlarmRecord{"Daily", "None", "07:30", "", "Up|"}, settings.Values(),
                         QIcon());
    for (int showing = 0; showing < 2; ++showing) {
      popup.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
      QExposeEvent again(QRegion(popup.rect()));
      QCoreApplication::sendEvent(popup.windowHandle(), &again);
      popup.repaint();
      popup.grab();
      popup.hide();
    }
    EXPECT_EQ(sound.count() - before, setting == 1 ? 2 : 0) << "Sound=" << setting;
  }
}

TEST_F(AlarmPopupTest, OkClosesThePopupAndTheNotice) {
  const AlarmRecord alarm{"One Date", "None", "07:30", "07/12/26", "Up|"};
  CAlarmPopupDlg popup(alarm, settings.Values(), QIcon());
  CClearedNoticeDlg notice(alarm, QIcon());
  for (QDialog* dialog : {static_cast<QDialog*>(&popup), static_cast<QDialog*>(&notice)}) {
    bool clicked = false;
    WhenModalOpens([&](QWidget* modal) {
      QTest::mouseClick(DlgItem<QPushButton>(modal, IDOK_BUTTON), Qt::LeftButton);
      clicked = !modal->isVisible();
    });
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_TRUE(clicked);
  }
}

// Each pop-up of a pass has its own notification, shown while it is open
// (the time and the first line) and withdrawn when it closes, whichever way.
TEST_F(AlarmPopupTest, NotificationStandsForEachPopupWhileItIsOpen) {
  folder.Write("alarms.txt",
               "0,26/12/07,0,07:30,Dentist & <b>|Bring card|\r\n"
               "1,00/00/00,0,07:30,|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 50));
  std::vector<RecordingNotifier::Notification> whileOpen;
  std::function<void(QWidget*)> closeAndWatchNext;
  int closed = 0;
  closeAndWatchNext = [&](QWidget* modal) {
    ASSERT_EQ(notifier.showing(), 1);
    whileOpen.push_back(notifier.sent().back());
    if (++closed == 1) {
      WhenModalOpens(closeAndWatchNext);
      QTest::keyClick(modal, Qt::Key_Escape);
    } else {
      QTest::mouseClick(DlgItem<QPushButton>(modal, IDOK_BUTTON), Qt::LeftButton);
    }
  };
  WhenModalOpens(closeAndWatchNext);
  TickAt(At(2026, 12, 7, 7, 30, 0));
  ASSERT_EQ(whileOpen.size(), 2u);
  EXPECT_EQ(whileOpen[0].summary, "Your alarm call: 07:30");
  EXPECT_EQ(whileOpen[0].body, "Dentist & <b>");  // plain text: the notifier escapes it
  EXPECT_TRUE(whileOpen[0].hasIcon);
  EXPECT_EQ(whileOpen[1].body, "");
  ASSERT_EQ(notifier.sent().size(), 2u);
  EXPECT_EQ(notifier.showing(), 0);
  EXPECT_EQ(notifier.strayWithdrawals(), 0);
}

// An alarm whose minute passed while the computer slept pops up late; its
// notification says when it was due and how late it is.
TEST_F(AlarmPopupTest, NotificationOfALatePopupSaysHowLate) {
  folder.Write("alarms.txt", "1,00/00/00,0,07:30,Tea|\r\n");
  StartAt(At(2026, 12, 7, 7, 29, 50));
  QString summary;
  WhenModalOpens([&](QWidget*) { summary = notifier.sent().back().summary; });
  TickAt(At(2026, 12, 7, 8, 42, 5));
  EXPECT_EQ(summary, "Your alarm call: 07:30, 1 h 12 min late");
}

TEST_F(AlarmPopupTest, NotificationGoesWithAPopupDestroyedOpen) {
  {
    CAlarmPopupDlg popup(AlarmRecord{"Weekly", "Monday", "18:05", "", "Bins out|"},
                         settings.Values(), QIcon());
    EXPECT_TRUE(notifier.sent().empty());  // nothing before it shows
    popup.show();
    popup.hide();
    popup.show();  // shown again: still the one notification
    ASSERT_EQ(notifier.sent().size(), 1u);
    EXPECT_EQ(notifier.sent()[0].summary, "Your alarm call: 18:05");
    EXPECT_EQ(notifier.showing(), 1);
  }
  EXPECT_EQ(notifier.showing(), 0);
  EXPECT_EQ(notifier.strayWithdrawals(), 0);
}

TEST_F(AlarmPopupTest, EmptyTextShowsThePanelAlone) {
  CAlarmPopupDlg popup(AlarmRecord{"One Date", "None", "07:30", "07/12/26", ""}, settings.Values(),
                       QIcon());
  const QImage image = Paint(popup);
  EXPECT_EQ(DarkExtent(image, popup.TextArea()).first, 0);
  EXPECT_EQ(image.pixelColor(popup.TextArea().center()), QColor(255, 255, 153));
}

}  // namespace
