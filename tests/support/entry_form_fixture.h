#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <sstream>
#include <string>
#include <vector>

#include "gui/entry/date_edit.h"
#include "gui/entry/time_edit.h"
#include "main_window_fixture.h"

// The main window shown on a fake clock, with helpers that work its entry form
// the way a user does: keys into the fields, picks in the boxes, clicks on Add.
class EntryFormTest : public MainWindowTest {
 protected:
  void Open(std::int64_t moment) {
    StartAt(moment);
    dlg->show();
  }

  CTimeEdit* TimeEdit() const { return DlgItem<CTimeEdit>(dlg.get(), IDC_TIME); }
  CDateEdit* DateEdit() const { return DlgItem<CDateEdit>(dlg.get(), IDC_DATE); }
  QComboBox* TypeBox() const { return DlgItem<QComboBox>(dlg.get(), IDC_TYPE); }
  QComboBox* DayBox() const { return DlgItem<QComboBox>(dlg.get(), IDC_DAY); }
  QString DateLabel() const { return DlgItem<QLabel>(dlg.get(), IDC_DATE_LABEL)->text(); }

  // The list item of an English value (as stored), or of a text shown.
  static int ItemOf(const QComboBox* box, const QString& item) {
    const int index = box->findData(item);
    return index >= 0 ? index : box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
  }

  // Chooses a list item as a click in the drop-down list does.
  static void Pick(QComboBox* box, const QString& item) {
    const int index = ItemOf(box, item);
    ASSERT_GE(index, 0) << item.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
  }

  // Leaves a box's edit field holding text, chosen from the list when it is an item.
  static void SetBoxText(QComboBox* box, const QString& text) {
    const int index = ItemOf(box, text);
    if (index >= 0 && !text.isEmpty()) {
      Pick(box, text);
      return;
    }
    box->setCurrentIndex(-1);
    box->setEditText(text);
  }

  // The four form fields as a user may leave them: the type is picked first
  // (which presets the others), then the day, the date and the time are set.
  void Fill(const QString& time, const QString& type, const QString& day, const QString& date) {
    SetBoxText(TypeBox(), type);
    SetBoxText(DayBox(), day);
    DateEdit()->setText(date);
    TimeEdit()->setText(time);
  }

  static void Backspaces(QWidget* field, int count) {
    for (int i = 0; i < count; ++i) QTest::keyClick(field, Qt::Key_Backspace);
  }

  // Empties a field with Backspace and types keys into it.
  static void Retype(QLineEdit* field, const QString& keys) {
    field->setFocus();
    field->end(false);
    Backspaces(field, static_cast<int>(field->text().size()));
    QTest::keyClicks(field, keys);
  }

  void ClickAdd() const {
    QTest::mouseClick(DlgItem<QPushButton>(dlg.get(), IDC_ADD), Qt::LeftButton);
  }

  // The lines of alarms.txt without their CR LF.
  std::vector<std::string> FileLines() const {
    std::vector<std::string> lines;
    std::istringstream in(folder.Read("alarms.txt"));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
};
