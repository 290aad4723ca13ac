#pragma once

// The table index of the alarm whose pop-up or cleared notice is opening.
extern int g_shownAlarmIndex;

void ResetShownAlarm();
