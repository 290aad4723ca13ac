#include "gui/entry/entry_fields.h"

#include "gui/entry/date_edit.h"
#include "gui/entry/time_edit.h"

ControlFactories EntryFieldFactories() {
  return {
      {QStringLiteral("CTimeEdit"), [](QWidget* parent) { return new CTimeEdit(parent); }},
      {QStringLiteral("CDateEdit"), [](QWidget* parent) { return new CDateEdit(parent); }},
  };
}
