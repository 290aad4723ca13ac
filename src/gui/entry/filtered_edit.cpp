#include "gui/entry/filtered_edit.h"

#include <QKeyEvent>

#include "core/entry/typing_filter.h"
#include "gui/entry/field_accessible.h"

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsBackspace(const QKeyEvent* event) {
  return event->key() == Qt::Key_Backspace && !(event->modifiers() & kCommandModifiers);
}

// Printable text typed without a command modifier (Ctrl+V, Alt+F are commands).
bool IsCharacter(const QKeyEvent* event) {
  if (event->modifiers() & kCommandModifiers) return false;
  const QString text = event->text();
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (!c.isPrint() && !c.isSurrogate()) return false;
  }
  return true;
}

// The filter reads single bytes; a character outside ASCII counts as one
// character all the same, so a stand-in is handed over for it.
char FilterKeyFor(char32_t c) {
  return c < 0x80 ? static_cast<char>(c) : '?';
}

}  // namespace

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {
  FieldAccessible::Install();
  // Paste, cut, Delete, undo, a replaced selection or a drop: whatever the
  // user changed without typing at the end, the counter follows the text.
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (!m_filtering) SyncKeyCount();
  });
}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  const bool backspace = IsBackspace(event);
  if (isReadOnly() || !(backspace || IsCharacter(event))) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (hasSelectedText()) {
    del();  // the typed key replaces the selection; the counter follows
    if (backspace) return;
  }
  if (!CaretAtEnd()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  TypeAtEnd(backspace ? QString(QChar(kBackspace)) : event->text());
  event->accept();
}

// Each key goes through the filter with the counter in step with the text, so
// that a field rewritten by the form, or a key the length limit refused, can
// not put the separators in the wrong place.
void FilteredEdit::TypeAtEnd(const QString& typed) {
  m_filtering = true;
  for (const char32_t c : typed.toUcs4()) {
    SyncKeyCount();
    const QString one = QString::fromUcs4(&c, 1);
    const char key = FilterKeyFor(c);
    Apply(FilterKey(m_keyCount, key), key, one);
  }
  m_filtering = false;
  SyncKeyCount();
}

// Hands the filter's keys to the line edit: '\b' removes the character before
// the caret, the typed key goes in as typed, the others are separators.
void FilteredEdit::Apply(const std::string& keys, char typedKey, const QString& typed) {
  bool typedDone = false;
  for (const char key : keys) {
    if (key == kBackspace) {
      backspace();
    } else if (key == typedKey && !typedDone) {
      insert(typed);
      typedDone = true;
    } else {
      insert(QString(QChar::fromLatin1(key)));
    }
  }
}

void FilteredEdit::SyncKeyCount() {
  m_keyCount = KeyCountForText(text().toStdString());
}

bool FilteredEdit::CaretAtEnd() const {
  return cursorPosition() == text().size();
}
