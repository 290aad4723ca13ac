#include "entry/ui_entry_fields.h"

#include "entry/ui_date_edit.h"
#include "entry/ui_time_edit.h"

ControlFactories EntryFieldFactories() {
  return {
      {QStringLiteral("CTimeEdit"), [](QWidget* parent) { return new CTimeEdit(parent); }},
      {QStringLiteral("CDateEdit"), [](QWidget* parent) { return new CDateEdit(parent); }},
  };
}
