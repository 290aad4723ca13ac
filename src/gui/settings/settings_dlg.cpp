#include "gui/settings/settings_dlg.h"

#include <QCheckBox>
#include <QComboBox>

#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"

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
