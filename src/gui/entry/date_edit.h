#pragma once

#include <string_view>

#include "gui/entry/filtered_edit.h"

// The date field of the entry form: "/" goes in after the second and the
// fourth character, except for Monthly, where the field holds a plain number
// or word.
class CDateEdit : public FilteredEdit {
  Q_OBJECT

 public:
  explicit CDateEdit(QWidget* parent = nullptr);

  // The form tells the field the type chosen, which decides the separators.
  void SetAlarmType(std::string_view type);
  bool Monthly() const { return m_monthly; }

 protected:
  std::string FilterKey(int& keyCount, char typed) const override;

 private:
  bool m_monthly = false;
};
