#pragma once

#include <QComboBox>
#include <string>

// The value of the list item selected in a combo box (its English data, which
// the program reads and stores, whatever language it shows); empty when none
// is selected.
inline std::string SelectedItemText(const QComboBox* box) {
  const int index = box->currentIndex();
  if (index < 0) return std::string();
  const QVariant data = box->itemData(index);
  return (data.isValid() ? data.toString() : box->itemText(index)).toStdString();
}
