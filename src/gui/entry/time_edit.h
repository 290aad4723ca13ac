#pragma once

#include "gui/entry/filtered_edit.h"

// The time field of the entry form: ":" goes in after the second character.
class CTimeEdit : public FilteredEdit {
  Q_OBJECT

 public:
  explicit CTimeEdit(QWidget* parent = nullptr);

 protected:
  std::string FilterKey(int& keyCount, char typed) const override;
};
