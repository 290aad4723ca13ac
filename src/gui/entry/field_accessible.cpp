#include "gui/entry/field_accessible.h"

#include <QFontMetrics>

#include "gui/entry/filtered_edit.h"

namespace {

QAccessibleInterface* FieldAccessibleOf(const QString& className, QObject* object) {
  if (className != QLatin1String(FilteredEdit::staticMetaObject.className())) return nullptr;
  return new FieldAccessible(static_cast<FilteredEdit*>(object));
}

}  // namespace

FieldAccessible::FieldAccessible(FilteredEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

void FieldAccessible::Install() {
  QAccessible::installFactory(FieldAccessibleOf);  // later calls add nothing
}

FilteredEdit* FieldAccessible::Field() const {
  return static_cast<FilteredEdit*>(widget());
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString FieldAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value && !Field()->text().isEmpty()) return Field()->text();
  return QAccessibleWidget::text(type);
}

void FieldAccessible::setText(QAccessible::Text type, const QString& text) {
  if (type == QAccessible::Value) {
    Field()->setText(text);
  } else {
    QAccessibleWidget::setText(type, text);
  }
}

QAccessible::State FieldAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.readOnly = Field()->isReadOnly();
  state.selectableText = true;
  return state;
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Field()->hasSelectedText()) return;
  *startOffset = Field()->selectionStart();
  *endOffset = Field()->selectionEnd();
}

int FieldAccessible::selectionCount() const {
  return Field()->hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) Field()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) Field()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const {
  return Field()->cursorPosition();
}

void FieldAccessible::setCursorPosition(int position) {
  Field()->setCursorPosition(position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return {};
  return Field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const {
  return static_cast<int>(Field()->text().size());
}

// Measured from the caret, which the line edit places for its alignment and
// scrolling, by the widths of the text between it and the character.
QRect FieldAccessible::characterRect(int offset) const {
  const QString whole = Field()->text();
  if (offset < 0 || offset >= whole.size()) return {};
  const QFontMetrics metrics(Field()->font());
  const QRect caret = Field()->CaretRect();
  const int x = caret.center().x() + metrics.horizontalAdvance(whole.left(offset)) -
                metrics.horizontalAdvance(whole.left(Field()->cursorPosition()));
  const QRect rect(x, caret.top(), metrics.horizontalAdvance(whole.mid(offset, 1)), caret.height());
  return rect.translated(Field()->mapToGlobal(QPoint(0, 0)));
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const {
  return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
}

void FieldAccessible::scrollToSubstring(int startIndex, int endIndex) {
  Field()->setCursorPosition(endIndex);
  Field()->setCursorPosition(startIndex);
}

// The fields have no attributes: the one run is the whole text.
QString FieldAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) {
  Field()->setText(Field()->text().remove(startOffset, endOffset - startOffset));
}

void FieldAccessible::insertText(int offset, const QString& text) {
  Field()->setText(Field()->text().insert(offset, text));
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  Field()->setText(Field()->text().replace(startOffset, endOffset - startOffset, text));
}
