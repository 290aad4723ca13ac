#pragma once

#include "core/model/alarm_settings.h"
#include "core/model/core_ui.h"
#include "core/model/date_format.h"
#include "core/platform/stderr_note.h"

// The display settings and the registry key they live in. The application
// makes one, loads it at start-up and hands it to the windows that show or
// change it; it is written back when the main window closes. Each test makes
// its own.
class SettingsStore {
 public:
  AlarmSettings& Values() { return m_values; }
  const AlarmSettings& Values() const { return m_values; }
  // The order dates are typed and shown in.
  DateFormat Order() const { return DateFormatOf(m_values.DateFormat); }
  // True when the settings key could not be opened at the last load.
  bool FirstRun() const { return m_firstRun; }

  void LoadSettings();
  // Writes all eight values; false when they could not be written, which is
  // said once on stderr, with why.
  bool WriteSettings() const;
  // Writes all eight values; on failure ui shows "Registry key error.\nCould not save settings.".
  void SaveSettings(CoreUi& ui) const;

 private:
  AlarmSettings m_values;
  bool m_firstRun = false;
  mutable StderrNote m_said;  // what stderr was told of a failed write
};

// The defaults a missing key or value gives.
AlarmSettings DefaultSettings();
