#pragma once

#include <QLineEdit>
#include <string>

class QKeyEvent;

// A line edit whose typing goes through a filter that counts the characters
// and puts in separators ("07:30", "25/12/03"). Typed characters and Backspace
// at the end of the field are handed to the filter; everything else (moving
// the caret, Delete, paste, cut, undo, typing into the middle) is the line
// edit's own work, after which the counter is brought back in step with the
// text.
class FilteredEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FilteredEdit(QWidget* parent);

  // The characters the field holds as its filter counts them.
  int KeyCount() const { return m_keyCount; }
  // The form sets the counter when it puts a value in the field.
  void SetKeyCount(int count) { m_keyCount = count; }
  // Where the caret stands, for a screen reader to place the characters by.
  QRect CaretRect() const { return cursorRect(); }

 protected:
  // The characters to put in for one typed key ('\b' for Backspace); updates keyCount.
  virtual std::string FilterKey(int& keyCount, char typed) const = 0;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TypeAtEnd(const QString& typed);
  void Apply(const std::string& keys, char typedKey, const QString& typed);
  void SyncKeyCount();
  bool CaretAtEnd() const;

  int m_keyCount = 0;
  bool m_filtering = false;  // edits made by the filter are typing, not a resync
};
