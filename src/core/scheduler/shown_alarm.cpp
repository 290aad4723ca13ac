#include "core/scheduler/shown_alarm.h"

int g_shownAlarmIndex = 0;

void ResetShownAlarm() {
  g_shownAlarmIndex = 0;
}
