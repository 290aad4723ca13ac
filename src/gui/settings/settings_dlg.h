#pragma once

#include <QDialog>

struct DialogTemplate;

#include "core/model/alarm_settings.h"

class QCheckBox;
class QComboBox;

// "Tockmere Settings": the pop-up font, the background colour of each kind of
// alarm, the date format and the sound. Save copies the choices into the
// settings it was given (written to the registry when the main window
// closes); Cancel leaves them alone.
class CSettingsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSettingsDlg(AlarmSettings& settings, QWidget* parent = nullptr);

  // Shows the current settings.
  bool OnInitDialog();
  // Save.
  void OnOK();

  QCheckBox* m_soundCheck = nullptr;
  QComboBox* m_dateFormatBox = nullptr;
  QComboBox* m_weeklyColourBox = nullptr;
  QComboBox* m_oneOffColourBox = nullptr;
  QComboBox* m_monthlyColourBox = nullptr;
  QComboBox* m_fortnightlyColourBox = nullptr;
  QComboBox* m_dailyColourBox = nullptr;
  int m_font = -1;  // the checked font button, -1 when none is

 protected:
  void accept() override;

 private:
  AlarmSettings& m_settings;
  void DoDataExchange(class DataExchange& dx);
  bool UpdateData(bool saveAndValidate);
};

// The position a box's text selects: the item it shows, or -1 when typed text
// matches no item (letter case aside).
int SelectedPosition(const QComboBox* box);

// The settings dialog's template (IDD_SETTINGS).
const DialogTemplate& SettingsTemplate();
