#pragma once

#include "core/model/date_format.h"

// The user's eight display settings, kept in the registry stand-in.
struct AlarmSettings {
  int Sound = 0;
  int DateFormat = 0;  // a DateFormat: 0 U.K., 1 U.S.
  int FontNo = 0;
  int OColour = 0;
  int DColour = 0;
  int WColour = 0;
  int FColour = 0;
  int MColour = 0;
};

extern AlarmSettings g_settings;
// True when the settings key could not be opened at the last load.
extern bool g_firstRun;

// The defaults a missing key or value gives.
AlarmSettings DefaultSettings();
void LoadSettings();
// Writes all eight values; on failure shows "Registry key error.\nCould not save settings.".
void SaveSettings();
