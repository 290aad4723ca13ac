#include "core/settings/date_order.h"

#include "core/settings/alarm_settings.h"
#include "core/store/alarm_line.h"

std::string SwapDateOrder(std::string_view date) {
  return SwapDateOrder(date, DateFormatOf(g_settings.DateFormat));
}
