#include "gui/entry/time_edit.h"

#include "core/entry/typing_filter.h"

CTimeEdit::CTimeEdit(QWidget* parent) : FilteredEdit(parent) {}

std::string CTimeEdit::FilterKey(int& keyCount, char typed) const {
  return FilterTimeKey(keyCount, typed);
}
