#pragma once

#include <QAccessibleWidget>

class FilteredEdit;

// What a screen reader reads of the time and date fields: their text, caret
// and selection, as Qt's own line edit interface gives them, but with their
// text attributes given as one run over the whole text. Qt 6.4 gives a line
// edit's attributes at each offset as an empty run (it starts and ends at
// that offset); Orca joins the runs into one and reads the text only up to
// where the last run ends, so "10:00" was heard as "10:0".
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(FilteredEdit* field);

  // Has every FilteredEdit made with this interface; once for the program.
  static void Install();

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text type, const QString& text) override;
  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  FilteredEdit* Field() const;
};
