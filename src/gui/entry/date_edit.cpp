#include "gui/entry/date_edit.h"

#include "core/entry/typing_filter.h"
#include "core/model/alarm_kind.h"

CDateEdit::CDateEdit(QWidget* parent) : FilteredEdit(parent) {}

void CDateEdit::SetAlarmType(std::string_view type) {
  m_monthly = DateFieldOf(type) == DateField::DayOrWeek;
}

std::string CDateEdit::FilterKey(int& keyCount, char typed) const {
  return FilterDateKey(keyCount, m_monthly, typed);
}
