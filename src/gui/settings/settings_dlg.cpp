#include "gui/settings/settings_dlg.h"

#include <QCheckBox>
#include <QComboBox>

#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/resources/fonts.h"

namespace {

// A box's new setting: its position, or the old setting when its text
// selects no item.
int Chosen(const QComboBox* box, int old) {
  const int position = SelectedPosition(box);
  return position >= 0 ? position : old;
}

}  // namespace

int SelectedPosition(const QComboBox* box) {
  const QString text = box->currentText();
  const int index = box->currentIndex();
  if (index >= 0 && box->itemText(index) == text) return index;
  return box->findText(text, Qt::MatchFixedString);
}

CSettingsDlg::CSettingsDlg(AlarmSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
  BuildDialog(this, SettingsTemplate());
  m_soundCheck = DlgItem<QCheckBox>(this, IDC_SOUND);
  m_dateFormatBox = DlgItem<QComboBox>(this, IDC_DATE_FORMAT);
  m_weeklyColourBox = DlgItem<QComboBox>(this, IDC_WEEKLY_COLOUR);
  m_oneOffColourBox = DlgItem<QComboBox>(this, IDC_ONE_OFF_COLOUR);
  m_monthlyColourBox = DlgItem<QComboBox>(this, IDC_MONTHLY_COLOUR);
  m_fortnightlyColourBox = DlgItem<QComboBox>(this, IDC_FORTNIGHTLY_COLOUR);
  m_dailyColourBox = DlgItem<QComboBox>(this, IDC_DAILY_COLOUR);
}

bool CSettingsDlg::OnInitDialog() {
  UpdateData(false);
  TakeOwnerIcon(this);
  m_font = m_settings.FontNo;
  // A setting outside a box's items leaves that box without a selection.
  m_dateFormatBox->setCurrentIndex(m_settings.DateFormat);
  m_oneOffColourBox->setCurrentIndex(m_settings.OColour);
  m_dailyColourBox->setCurrentIndex(m_settings.DColour);
  m_weeklyColourBox->setCurrentIndex(m_settings.WColour);
  m_fortnightlyColourBox->setCurrentIndex(m_settings.FColour);
  m_monthlyColourBox->setCurrentIndex(m_settings.MColour);
  UpdateData(false);
  m_soundCheck->setChecked(m_settings.Sound == 1);
  return true;
}

void CSettingsDlg::OnOK() {
  UpdateData(true);
  AlarmSettings& s = m_settings;
  if (m_font >= 0) s.FontNo = m_font;
  s.OColour = Chosen(m_oneOffColourBox, s.OColour);
  s.DColour = Chosen(m_dailyColourBox, s.DColour);
  s.WColour = Chosen(m_weeklyColourBox, s.WColour);
  s.FColour = Chosen(m_fortnightlyColourBox, s.FColour);
  s.MColour = Chosen(m_monthlyColourBox, s.MColour);
  s.DateFormat = Chosen(m_dateFormatBox, s.DateFormat);
  s.Sound = m_soundCheck->isChecked() ? 1 : 0;
  QDialog::accept();
}

void CSettingsDlg::accept() {
  OnOK();
}

void CSettingsDlg::DoDataExchange(DataExchange& dx) {
  dx.Radio(IDC_FONT_FIRST, m_font);
}

bool CSettingsDlg::UpdateData(bool saveAndValidate) {
  DataExchange dx(this, saveAndValidate);
  DoDataExchange(dx);
  return dx.ok();
}

namespace {

using K = ControlKind;

const QStringList kColourItems = {
    QT_TRANSLATE_NOOP("Choice", "Yellow"), QT_TRANSLATE_NOOP("Choice", "Green"),
    QT_TRANSLATE_NOOP("Choice", "Blue"), QT_TRANSLATE_NOOP("Choice", "Orange"),
    QT_TRANSLATE_NOOP("Choice", "Pink")};

void AddFontChoices(std::vector<ControlTemplate>& c) {
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Alarm Call font:"), kStyleNone,
                  QRect(4, 4, 106, 93)));
  c.push_back(Ctl(IDC_FONT_SAMPLES, K::Picture, QString::number(IDB_FONT_SAMPLES), kSunken,
                  QRect(10, 22, 80, 67)));
  const int ys[5] = {24, 38, 51, 64, 77};
  for (int k = 0; k < kFontChoiceCount; ++k) {
    const unsigned style = k == 0 ? kGroupStart | kTabStop : kStyleNone;
    c.push_back(
        Named(Ctl(kFontRadioIds[k], K::RadioButton, QString(), style, QRect(96, ys[k], 9, 10)),
              DialogText::tr("Alarm call font: %1").arg(AlarmFontFace(k))));
  }
}

void AddColourChoices(std::vector<ControlTemplate>& c) {
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Background colours:"), kStyleNone,
                  QRect(114, 4, 102, 93)));
  const char* labels[5] = {
      QT_TRANSLATE_NOOP("DialogText", "One-off:"), QT_TRANSLATE_NOOP("DialogText", "Daily:"),
      QT_TRANSLATE_NOOP("DialogText", "Weekly:"), QT_TRANSLATE_NOOP("DialogText", "Fortnightly:"),
      QT_TRANSLATE_NOOP("DialogText", "Monthly:")};
  const int labelYs[5] = {24, 38, 52, 66, 80};
  const int boxYs[5] = {21, 35, 49, 63, 78};
  for (int k = 0; k < 5; ++k) {
    c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr(labels[k]), kStyleNone,
                    QRect(123, labelYs[k], 36, 8)));
    c.push_back(Combo(kColourBoxIds[k], QRect(161, boxYs[k], 48, 60), kColourItems));
  }
}

DialogTemplate MakeSettings() {
  DialogTemplate t = Dialog(IDD_SETTINGS, DialogText::tr("Tockmere Settings"), 220, 151);
  t.minimizeBox = true;
  auto& c = t.controls;
  AddFontChoices(c);
  AddColourChoices(c);
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, QString(), kStyleNone, QRect(4, 98, 131, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Date format:"), kStyleNone,
                  QRect(14, 109, 36, 12)));
  c.push_back(Combo(IDC_DATE_FORMAT, QRect(57, 107, 68, 47),
                    {QT_TRANSLATE_NOOP("Choice", "U.K. (dd/mm/yy)"),
                     QT_TRANSLATE_NOOP("Choice", "U.S. (mm/dd/yy)")}));
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, QString(), kStyleNone, QRect(139, 98, 77, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Sound Alarms:"), kStyleNone,
                  QRect(150, 109, 45, 8)));
  c.push_back(Ctl(IDC_SOUND, K::CheckBox, QString(), kTabStop, QRect(200, 108, 12, 10)));
  c.push_back(Ctl(IDCANCEL_BUTTON, K::PushButton, DialogText::tr("Cancel"), kTabStop,
                  QRect(69, 133, 40, 14)));
  c.push_back(OkButton(DialogText::tr("Save"), QRect(117, 133, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& SettingsTemplate() {
  static const DialogTemplate t = MakeSettings();
  return t;
}
