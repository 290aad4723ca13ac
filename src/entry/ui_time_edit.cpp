#include "entry/ui_time_edit.h"

#include "entry/typing_filter.h"

CTimeEdit::CTimeEdit(QWidget* parent) : FilteredEdit(FilterTimeKey, g_timeKeyCount, parent) {}
