// Options > Settings on the real main window: what the dialog opens with,
// Save and Cancel, and a new date format reaching the window.
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "core/settings/settings_store.h"
#include "gui/resources/fonts.h"
#include "gui/settings/settings_dlg.h"
#include "main_window_fixture.h"

namespace {

struct Shown {
  int checkedFont = -1;
  std::vector<QString> colours;  // One-off, Daily, Weekly, Fortnightly, Monthly
  QString dateFormat;
  bool sound = false;
};

class SettingsDialogTest : public MainWindowTest {
 protected:
  // Opens Options > Settings; while it is open, act works on it.
  void RunSettings(const std::function<void(CSettingsDlg*)>& act) {
    bool opened = false;
    WhenModalOpens([&](QWidget* modal) {
      auto* settings = qobject_cast<CSettingsDlg*>(modal);
      ASSERT_NE(settings, nullptr);
      opened = true;
      act(settings);
    });
    TriggerMenuItem("Settings");
    EXPECT_TRUE(opened);
  }

  static Shown Read(CSettingsDlg* d) {
    Shown shown;
    for (int k = 0; k < 5; ++k) {
      if (DlgItem<QRadioButton>(d, kFontRadioIds[k])->isChecked()) shown.checkedFont = k;
    }
    for (int id : {IDC_ONE_OFF_COLOUR, IDC_DAILY_COLOUR, IDC_WEEKLY_COLOUR, IDC_FORTNIGHTLY_COLOUR,
                   IDC_MONTHLY_COLOUR}) {
      shown.colours.push_back(DlgItem<QComboBox>(d, id)->currentText());
    }
    shown.dateFormat = d->m_dateFormatBox->currentText();
    shown.sound = d->m_soundCheck->isChecked();
    return shown;
  }

  static void Press(CSettingsDlg* d, int id) {
    QTest::mouseClick(DlgItem<QPushButton>(d, id), Qt::LeftButton);
  }

  static void Choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    EXPECT_EQ(box->currentText(), text);
  }
};

TEST_F(SettingsDialogTest, OpensWithTheDefaults) {
  StartAt(At(2026, 12, 7, 12, 0));
  RunSettings([this](CSettingsDlg* d) {
    EXPECT_EQ(d->windowTitle(), "Tockmere Settings");
    EXPECT_EQ(d->windowIcon().cacheKey(), dlg->windowIcon().cacheKey());
    const Shown shown = Read(d);
    EXPECT_EQ(shown.checkedFont, 1);
    EXPECT_EQ(shown.colours, (std::vector<QString>{"Yellow", "Green", "Blue", "Orange", "Pink"}));
    EXPECT_EQ(shown.dateFormat, "U.K. (dd/mm/yy)");
    EXPECT_FALSE(shown.sound);
    d->reject();
  });
}

TEST_F(SettingsDialogTest, OpensWithStoredValuesAndSoundOne) {
  WriteSettingsKey(
      "\"Sound\"=\"1\"\r\n\"FontNo\"=\"4\"\r\n\"WColour\"=\"0\"\r\n\"DateFormat\"=\"1\"\r\n");
  StartAt(At(2026, 12, 7, 12, 0));
  RunSettings([](CSettingsDlg* d) {
    const Shown shown = Read(d);
    EXPECT_EQ(shown.checkedFont, 4);
    for (const int k : {2, 4}) {  // Tab enters the font group on its checked button
      DlgItem<QRadioButton>(d, kFontRadioIds[k])->click();
      for (int j = 0; j < kFontChoiceCount; ++j)
        EXPECT_EQ(DlgItem<QRadioButton>(d, kFontRadioIds[j])->focusPolicy() & Qt::TabFocus, j == k);
    }
    EXPECT_EQ(shown.colours[2], "Yellow");
    EXPECT_EQ(shown.dateFormat, "U.S. (mm/dd/yy)");
    EXPECT_TRUE(shown.sound);
    Press(d, IDOK_BUTTON);  // Save without a change
  });
  EXPECT_EQ(settings.Values().Sound, 1);
  EXPECT_EQ(settings.Values().FontNo, 4);
  EXPECT_EQ(settings.Values().WColour, 0);
  EXPECT_EQ(settings.Values().DateFormat, 1);
  EXPECT_EQ(settings.Values().MColour, 4);
}

TEST_F(SettingsDialogTest, SaveStoresEveryChoiceAndCancelNone) {
  StartAt(At(2026, 12, 7, 12, 0));
  const AlarmSettings before = settings.Values();
  const auto changeEverything = [](CSettingsDlg* d) {
    QTest::mouseClick(DlgItem<QRadioButton>(d, kFontRadioIds[3]), Qt::LeftButton);
    Choose(d->m_oneOffColourBox, "Pink");
    Choose(d->m_dailyColourBox, "Blue");
    Choose(d->m_weeklyColourBox, "Orange");
    Choose(d->m_fortnightlyColourBox, "Yellow");
    Choose(d->m_monthlyColourBox, "Green");
    Choose(d->m_dateFormatBox, "U.S. (mm/dd/yy)");
    QTest::mouseClick(d->m_soundCheck, Qt::LeftButton);
  };
  RunSettings([&](CSettingsDlg* d) {
    changeEverything(d);
    Press(d, IDCANCEL_BUTTON);
  });
  EXPECT_EQ(std::tie(settings.Values().FontNo, settings.Values().OColour,
                     settings.Values().DateFormat, settings.Values().Sound),
            std::tie(before.FontNo, before.OColour, before.DateFormat, before.Sound));

  RunSettings([&](CSettingsDlg* d) {
    changeEverything(d);
    Press(d, IDOK_BUTTON);
  });
  EXPECT_EQ(settings.Values().FontNo, 3);
  EXPECT_EQ(settings.Values().OColour, 4);
  EXPECT_EQ(settings.Values().DColour, 2);
  EXPECT_EQ(settings.Values().WColour, 3);
  EXPECT_EQ(settings.Values().FColour, 0);
  EXPECT_EQ(settings.Values().MColour, 1);
  EXPECT_EQ(settings.Values().DateFormat, 1);
  EXPECT_EQ(settings.Values().Sound, 1);
  // Nothing reaches the registry before the window closes.
  EXPECT_EQ(folder.Read("config/Tockmere/registry.reg"), "");
}

TEST_F(SettingsDialogTest, TypedTextThatSelectsNoItemKeepsTheSetting) {
  StartAt(At(2026, 12, 7, 12, 0));
  RunSettings([](CSettingsDlg* d) {
    d->m_dailyColourBox->lineEdit()->clear();
    QTest::keyClicks(d->m_dailyColourBox->lineEdit(), "Purple");
    d->m_dateFormatBox->lineEdit()->clear();
    QTest::keyClicks(d->m_dateFormatBox->lineEdit(), "ISO");
    d->m_weeklyColourBox->lineEdit()->clear();
    QTest::keyClicks(d->m_weeklyColourBox->lineEdit(), "pink");  // an item, in other letters
    Press(d, IDOK_BUTTON);
  });
  EXPECT_EQ(settings.Values().DColour, 1);
  EXPECT_EQ(settings.Values().DateFormat, 0);
  EXPECT_EQ(settings.Values().WColour, 4);
}

TEST_F(SettingsDialogTest, NewDateOrderShowsAtTheNextTick) {
  folder.Write("alarms.txt", "3,26/12/09,0,07:30,|\r\n");
  StartAt(At(2026, 12, 7, 12, 0, 10));
  ASSERT_NE(Text(IDC_CLOCK).indexOf("07/12/26"), -1) << Text(IDC_CLOCK).toStdString();
  RunSettings([](CSettingsDlg* d) {
    Choose(d->m_dateFormatBox, "U.S. (mm/dd/yy)");
    Press(d, IDOK_BUTTON);
  });
  TickAt(At(2026, 12, 7, 12, 0, 11));
  EXPECT_NE(Text(IDC_CLOCK).indexOf("12/07/26"), -1) << Text(IDC_CLOCK).toStdString();
  EXPECT_EQ(Text(kRowTypeIds[0]), "Fort. from 12/09/26");
  EXPECT_EQ(Text(IDC_DATE), "12/07/26");
}

// The picture beside the font buttons shows each name in the face the pop-up
// uses for that button; the five faces are five different fonts here.
TEST_F(SettingsDialogTest, FontPictureShowsFiveDistinctFaces) {
  std::set<QString> families;
  for (int k = 0; k < kAlarmFontCount; ++k) {
    families.insert(QFontInfo(QFont(AlarmFontFace(k))).family());
  }
  EXPECT_EQ(families.size(), 5u);

  StartAt(At(2026, 12, 7, 12, 0));
  RunSettings([](CSettingsDlg* d) {
    auto* picture = DlgItem<QLabel>(d, IDC_FONT_SAMPLES);
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    // Each sample line is level with its button and holds ink of its own.
    std::vector<QImage> strips;
    for (int k = 0; k < 5; ++k) {
      auto* button = DlgItem<QRadioButton>(d, kFontRadioIds[k]);
      const int centre =
          button->geometry().center().y() - picture->geometry().top() - picture->frameWidth();
      const QImage strip = image.copy(0, centre - 4, image.width(), 9);
      bool ink = false;
      for (int y = 0; y < strip.height() && !ink; ++y) {
        for (int x = 0; x < strip.width() && !ink; ++x) ink = qGray(strip.pixel(x, y)) < 128;
      }
      EXPECT_TRUE(ink) << "no sample beside font button " << k;
      strips.push_back(strip);
    }
    for (int a = 0; a < 5; ++a) {
      for (int b = a + 1; b < 5; ++b) EXPECT_NE(strips[a], strips[b]) << a << " " << b;
    }
    d->reject();
  });
}

}  // namespace
