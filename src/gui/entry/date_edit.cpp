#include "gui/entry/date_edit.h"

#include "core/entry/typing_filter.h"

CDateEdit::CDateEdit(QWidget* parent) : FilteredEdit(FilterDateKey, g_dateKeyCount, parent) {}
