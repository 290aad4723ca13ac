#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

struct DialogTemplate;

#include "core/model/clock_snapshot.h"
#include "core/model/date_format.h"
#include "core/store/followed_record.h"

class QPlainTextEdit;
class AlarmTable;

// "Alarm Text": the wake-up text of the table's record open for editing, with its time and
// long description. Save first reads in a change another program made to
// alarms.txt, then writes the text into that record, wherever it is now,
// unless the record went off (or the change took it out) while the dialog
// was open; the caller saves the table.
class CAlarmTextDlg : public QDialog {
  Q_OBJECT

 public:
  // Opens entry index of the table and follows it while the dialog lives.
  // clock and dateFormat: the reading and the date order the long description
  // is made for.
  CAlarmTextDlg(AlarmTable& table, int index, const ClockSnapshot& clock, DateFormat dateFormat,
                QWidget* parent = nullptr);
  ~CAlarmTextDlg() override;
  const FollowedRecord& Record() const { return m_record; }

  // Fills the fields from the record open for editing.
  bool OnInitDialog();
  // Save.
  void OnOK();
  // Save read in a change of alarms.txt: the list is to show it.
  bool ReadInChange() const { return m_readIn; }

  // The text field's lines as it shows them: a wrapped line is a line of its own.
  std::vector<std::string> ShownLines() const;
  // How many lines the text field has room for.
  int VisibleLineCount() const;

  std::string m_alarmText;
  std::string m_alarmTime;
  std::string m_alarmDesc;

  QPlainTextEdit* m_descEdit = nullptr;
  QPlainTextEdit* m_textEdit = nullptr;

 protected:
  void accept() override;
  void showEvent(QShowEvent* event) override;

 private:
  void DoDataExchange(class DataExchange& dx);
  bool UpdateData(bool saveAndValidate);
  int ShownLineCount() const;
  // Refuses a change that would take the text past the field's last line.
  void KeepWithinField();

  QString m_fittingText;  // the last text that fitted the field
  int m_fittingCursor = 0;
  int m_fittingLines = 0;  // lines of that text as the field shows it
  bool m_readIn = false;
  AlarmTable& m_table;
  FollowedRecord m_record;
  ClockSnapshot m_clock;
  DateFormat m_dateFormat;
};

// The alarm text dialog's template (IDD_ALARM_TEXT).
const DialogTemplate& AlarmTextTemplate();
