#pragma once

#include "core/model/alarm_settings.h"
#include "core/model/date_format.h"

extern AlarmSettings g_settings;
// True when the settings key could not be opened at the last load.
extern bool g_firstRun;

// The defaults a missing key or value gives.
AlarmSettings DefaultSettings();
void LoadSettings();
// Writes all eight values; on failure shows "Registry key error.\nCould not save settings.".
void SaveSettings();
