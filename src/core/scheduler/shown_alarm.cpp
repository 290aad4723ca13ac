#include "core/scheduler/shown_alarm.h"

int g_shownAlarmIndex = 0;
