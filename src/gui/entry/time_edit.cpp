#include "gui/entry/time_edit.h"

#include "core/entry/typing_filter.h"

CTimeEdit::CTimeEdit(QWidget* parent) : FilteredEdit(FilterTimeKey, g_timeKeyCount, parent) {}
