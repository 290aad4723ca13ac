#pragma once

#include "core/model/alarm_settings.h"
#include "core/model/core_ui.h"
#include "core/model/date_format.h"

extern AlarmSettings g_settings;
// True when the settings key could not be opened at the last load.
extern bool g_firstRun;

// Puts g_settings and g_firstRun back to their state at program start.
void ResetSettings();

// The defaults a missing key or value gives.
AlarmSettings DefaultSettings();
void LoadSettings();
// Writes all eight values; false when they could not be written.
bool WriteSettings();
// Writes all eight values; on failure ui shows "Registry key error.\nCould not save settings.".
void SaveSettings(CoreUi& ui);
