// Moves values between a dialog's members and its controls.
#include "gui/dialog/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtDebug>

#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/prompter.h"

namespace {

QString ReadText(const QWidget* widget) {
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(widget)) return text->toPlainText();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* box = qobject_cast<const QComboBox*>(widget)) return box->currentText();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return QString();
}

// Writes a text only when it differs, so that a field being typed in keeps
// its cursor and selection when the same value is written back.
void WriteText(QWidget* widget, const QString& value) {
  if (ReadText(widget) == value) return;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
    // A field that only shows a text shows its beginning, as a description
    // wider than its field would otherwise be cut off at the front.
    if (edit->isReadOnly()) edit->setCursorPosition(0);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    text->setPlainText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
    box->setEditText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  }
}

// The typing limit of a single-line field. A value already longer than the
// limit is shown whole (the check when values are taken reports it) rather
// than cut off unseen.
void SetInputLimit(QWidget* widget, qsizetype limit, qsizetype shownLength) {
  auto* edit = qobject_cast<QLineEdit*>(widget);
  if (edit == nullptr || limit < 0) return;
  // Setting the limit puts the text back and moves the cursor: only on a change.
  const int maxLength = static_cast<int>(std::max(limit, shownLength));
  if (edit->maxLength() != maxLength) edit->setMaxLength(maxLength);
}

// The value of the text a combo box shows: an item's English data when the
// text is the item's, else the text as typed.
QString ComboValue(const QComboBox* box) {
  const QString text = box->currentText();
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const QVariant data = index >= 0 ? box->itemData(index) : QVariant();
  return data.isValid() ? data.toString() : text;
}

void WriteComboText(QComboBox* box, const QString& value) {
  if (value.isEmpty()) {
    box->setCurrentIndex(-1);
    if (box->isEditable()) box->clearEditText();
    return;
  }
  int index = box->findData(value);
  if (index < 0) index = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) {
    box->setCurrentIndex(index);
    const QString shown = box->itemText(index);
    if (box->isEditable() && box->currentText() != shown) box->setEditText(shown);
    return;
  }
  box->setCurrentIndex(-1);
  if (box->isEditable()) box->setEditText(value);
}

}  // namespace

QWidget* DataExchange::Control(int id) const {
  QWidget* widget = GetDlgItem(m_dialog, id);
  if (widget == nullptr) qWarning("Data exchange: dialog has no control %d", id);
  return widget;
}

void DataExchange::Fail(QWidget* widget, const QString& message) {
  GetPrompter().Show(m_dialog, message, QString(), Prompter::Icon::Warning);
  widget->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
  m_ok = false;
}

void DataExchange::Text(int id, std::string& value, int limit) {
  if (!m_ok) return;
  QWidget* widget = Control(id);
  if (widget == nullptr) return;
  if (!m_save) {
    const QString text = QString::fromStdString(value);
    SetInputLimit(widget, limit, text.size());
    WriteText(widget, text);
    return;
  }
  const QString text = ReadText(widget);
  if (limit >= 0 && text.size() > limit) {
    Fail(widget, QCoreApplication::translate("Message", "Please enter no more than %1 characters.")
                     .arg(limit));
    return;
  }
  value = text.toStdString();
}

void DataExchange::ComboText(int id, std::string& value) {
  if (!m_ok) return;
  auto* box = qobject_cast<QComboBox*>(Control(id));
  if (box == nullptr) return;
  if (m_save) {
    value = ComboValue(box).toStdString();
  } else {
    WriteComboText(box, QString::fromStdString(value));
  }
}

void DataExchange::Radio(int firstId, int& index) {
  if (!m_ok) return;
  auto* first = qobject_cast<QAbstractButton*>(Control(firstId));
  if (first == nullptr) return;
  QList<QAbstractButton*> buttons{first};
  if (first->group() != nullptr) buttons = first->group()->buttons();
  if (m_save) {
    index = -1;
    for (qsizetype k = 0; k < buttons.size(); ++k) {
      if (buttons[k]->isChecked()) index = static_cast<int>(k);
    }
    return;
  }
  // An exclusive group keeps one button checked: lift that while clearing.
  QButtonGroup* group = first->group();
  const bool exclusive = group != nullptr && group->exclusive();
  if (exclusive) group->setExclusive(false);
  for (qsizetype k = 0; k < buttons.size(); ++k) buttons[k]->setChecked(k == index);
  if (exclusive) group->setExclusive(true);
}
