#pragma once

#include "gui/entry/filtered_edit.h"

// The date field of the entry form: "/" goes in after the second and the
// fourth character, except for Monthly, where the field holds a plain number
// or word.
class CDateEdit : public FilteredEdit {
  Q_OBJECT

 public:
  explicit CDateEdit(QWidget* parent = nullptr);
};
