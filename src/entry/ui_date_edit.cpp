#include "entry/ui_date_edit.h"

#include "entry/typing_filter.h"

CDateEdit::CDateEdit(QWidget* parent) : FilteredEdit(FilterDateKey, g_dateKeyCount, parent) {}
