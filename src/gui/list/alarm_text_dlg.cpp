#include "gui/list/alarm_text_dlg.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "core/list/alarm_description.h"
#include "core/list/wake_up_text.h"
#include "core/scheduler/clock_reading.h"
#include "core/store/alarm_table.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/prompter.h"
#include "gui/list/shown_texts.h"
#include "gui/platform/translated_phrase.h"

namespace {

// The lines a block of the field shows, laid out at the field's width.
void AppendBlockLines(const QTextBlock& block, std::vector<std::string>& lines) {
  const QTextLayout* layout = block.layout();
  const QString text = block.text();
  if (layout == nullptr || layout->lineCount() == 0) {
    lines.push_back(text.toStdString());
    return;
  }
  for (int k = 0; k < layout->lineCount(); ++k) {
    const QTextLine line = layout->lineAt(k);
    lines.push_back(text.mid(line.textStart(), line.textLength()).toStdString());
  }
}

bool AlarmOpen(const AlarmTable& table, const FollowedRecord& record) {
  return record.Index() >= 0 && record.Index() < table.Count();
}

}  // namespace

CAlarmTextDlg::CAlarmTextDlg(AlarmTable& table, int index, const ClockSnapshot& clock,
                             DateFormat dateFormat, QWidget* parent)
    : QDialog(parent), m_table(table), m_record(index), m_clock(clock), m_dateFormat(dateFormat) {
  m_table.Follow(&m_record);
  BuildDialog(this, AlarmTextTemplate());
  m_descEdit = DlgItem<QPlainTextEdit>(this, IDC_ALARM_DESC);
  m_textEdit = DlgItem<QPlainTextEdit>(this, IDC_ALARM_TEXT);
  connect(m_textEdit, &QPlainTextEdit::textChanged, this, [this] { KeepWithinField(); });
}

CAlarmTextDlg::~CAlarmTextDlg() {
  m_table.Follow(nullptr);
}

bool CAlarmTextDlg::OnInitDialog() {
  TakeOwnerIcon(this);
  if (AlarmOpen(m_table, m_record)) {
    const AlarmRecord& record = m_table.At(m_record.Index());
    m_alarmTime = record.time;
    m_alarmText = EditorText(record.text);
    m_alarmDesc = Translated(DescribeAlarmLongPhrase(record, m_clock, m_dateFormat)).toStdString();
  }
  {
    const QSignalBlocker blocker(m_textEdit);
    UpdateData(false);
  }
  m_fittingText = m_textEdit->toPlainText();
  m_textEdit->moveCursor(QTextCursor::End);
  m_fittingCursor = m_textEdit->textCursor().position();
  m_textEdit->setFocus();
  return true;
}

void CAlarmTextDlg::OnOK() {
  UpdateData(true);
  m_readIn = m_table.ReadInAlarmsChange();
  if (m_record.Gone()) {
    GetPrompter().Show(
        this, QCoreApplication::translate("Message", "This alarm has gone off.\n Update ignored."),
        QString(), Prompter::Icon::Warning);
  } else if (AlarmOpen(m_table, m_record)) {
    m_table.SetText(m_record.Index(), StoredText(ShownLines()));
  }
  QDialog::accept();
}

void CAlarmTextDlg::accept() {
  OnOK();
}

std::vector<std::string> CAlarmTextDlg::ShownLines() const {
  QTextDocument* document = m_textEdit->document();
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
  std::vector<std::string> lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (layout != nullptr) layout->ensureBlockLayout(block);
    AppendBlockLines(block, lines);
  }
  return lines;
}

int CAlarmTextDlg::ShownLineCount() const {
  return static_cast<int>(ShownLines().size());
}

int CAlarmTextDlg::VisibleLineCount() const {
  const int lineHeight = m_textEdit->fontMetrics().lineSpacing();
  const int room = m_textEdit->viewport()->height() -
                   2 * static_cast<int>(m_textEdit->document()->documentMargin());
  return std::max(1, room / std::max(1, lineHeight));
}

void CAlarmTextDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_fittingLines = ShownLineCount();
}

// A text stored longer than the field shows (written by hand, or for another
// font) opens whole; changes that do not make it longer are still taken.
void CAlarmTextDlg::KeepWithinField() {
  // Lines are only laid out at the field's width once it is on the screen.
  const int lines = m_textEdit->isVisible() ? ShownLineCount() : 0;
  if (lines <= std::max(VisibleLineCount(), m_fittingLines)) {
    m_fittingText = m_textEdit->toPlainText();
    m_fittingCursor = m_textEdit->textCursor().position();
    m_fittingLines = lines;
    return;
  }
  const QSignalBlocker blocker(m_textEdit);
  m_textEdit->setPlainText(m_fittingText);
  QTextCursor cursor = m_textEdit->textCursor();
  cursor.setPosition(std::min(m_fittingCursor, static_cast<int>(m_fittingText.size())));
  m_textEdit->setTextCursor(cursor);
}

void CAlarmTextDlg::DoDataExchange(DataExchange& dx) {
  dx.Text(IDC_ALARM_TEXT, m_alarmText);
  dx.Text(IDC_ALARM_TIME, m_alarmTime);
  dx.Text(IDC_ALARM_DESC, m_alarmDesc);
}

bool CAlarmTextDlg::UpdateData(bool saveAndValidate) {
  DataExchange dx(this, saveAndValidate);
  DoDataExchange(dx);
  return dx.ok();
}

namespace {

using K = ControlKind;

DialogTemplate MakeAlarmText() {
  DialogTemplate t = Dialog(IDD_ALARM_TEXT, DialogText::tr("Alarm Text"), 112, 102);
  auto& c = t.controls;
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Alarm:"), kStyleNone, QRect(4, 6, 20, 8)));
  c.push_back(Showing(
      Ctl(IDC_ALARM_TIME, K::Edit, QString(), kReadOnly | kCentred | kBorder, QRect(27, 4, 22, 12)),
      TimeTexts()));
  c.push_back(Showing(Ctl(IDC_ALARM_DESC, K::MultiLineEdit, QString(),
                          kReadOnly | kCentred | kBorder, QRect(54, 4, 54, 20)),
                      LongDescriptionTexts()));
  c.back().name = DialogText::tr("When the alarm goes off");
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Text:"), kStyleNone, QRect(4, 23, 16, 8)));
  c.push_back(Ctl(IDC_ALARM_TEXT, K::MultiLineEdit, QString(), kWantReturn | kBorder | kTabStop,
                  QRect(4, 33, 104, 44)));
  c.push_back(OkButton(DialogText::tr("Save"), QRect(59, 84, 40, 14)));
  c.push_back(Ctl(IDCANCEL_BUTTON, K::PushButton, DialogText::tr("Cancel"), kTabStop,
                  QRect(12, 84, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& AlarmTextTemplate() {
  static const DialogTemplate t = MakeAlarmText();
  return t;
}
