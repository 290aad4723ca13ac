#pragma once

#include <QComboBox>
#include <string>

// The text of the list item selected in a combo box; empty when none is.
inline std::string SelectedItemText(const QComboBox* box) {
  const int index = box->currentIndex();
  return index < 0 ? std::string() : box->itemText(index).toStdString();
}
