#pragma once

#include <QWidget>
#include <string>

// One run of a dialog's data exchange: in the saving direction values are
// taken from the controls (with length limits checked), otherwise values are
// put into the controls (and the limits set as input limits).
class DataExchange {
 public:
  DataExchange(QWidget* dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

  bool saving() const { return m_save; }
  // False after a failed check; later calls do nothing then.
  bool ok() const { return m_ok; }

  // Edit control or label text; limit < 0 means none. A text longer than the
  // limit shows "Please enter no more than %1 characters." and fails.
  void Text(int id, std::string& value, int limit = -1);
  // Combo box: reading takes its text; writing selects the item with that
  // text, or puts the text into its edit field; empty leaves no selection.
  void ComboText(int id, std::string& value);
  // A group of radio buttons starting at firstId: the position of the checked
  // button in its group, -1 when none is checked (writing -1 clears them all).
  void Radio(int firstId, int& index);

 private:
  QWidget* Control(int id) const;
  void Fail(QWidget* control, const QString& message);

  QWidget* m_dialog;
  bool m_save;
  bool m_ok = true;
};
