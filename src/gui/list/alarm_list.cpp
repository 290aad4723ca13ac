#include "gui/list/alarm_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "core/list/alarm_description.h"
#include "core/store/alarm_table.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/platform/translated_phrase.h"

namespace {

ScrollCode CodeOfAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollCode::PageDown;
    case QAbstractSlider::SliderToMinimum:
      return ScrollCode::Top;
    case QAbstractSlider::SliderToMaximum:
      return ScrollCode::Bottom;
    default:
      return ScrollCode::ThumbTrack;
  }
}

// How many rows a key on the scroll bar moves the list, as so many clicks on
// its arrows: Up and Down one, Page Up and Page Down a page of rows, Home and
// End as far as the list goes. Other keys move nothing.
int ArrowStepsOfKey(int key) {
  switch (key) {
    case Qt::Key_Up:
      return -1;
    case Qt::Key_Down:
      return 1;
    case Qt::Key_PageUp:
      return -kListRowCount;
    case Qt::Key_PageDown:
      return kListRowCount;
    case Qt::Key_Home:
      return -kMaxAlarms;
    case Qt::Key_End:
      return kMaxAlarms;
    default:
      return 0;
  }
}

}  // namespace

AlarmList::AlarmList(QWidget* window, AlarmTable& table, const ClockSnapshot& snapshot,
                     const SettingsStore& settings, AlarmListHost& host)
    : m_window(window), m_table(table), m_snapshot(snapshot), m_settings(settings), m_host(host) {
  m_scrollBar = DlgItem<QScrollBar>(window, IDC_SCROLLBAR);
  for (int r = 0; r < kListRowCount; ++r) m_rowNo[r] = DlgItem<QLabel>(window, kRowNumberIds[r]);
  TakeScrollKeys();
  ConnectControls();
}

// The scroll bar comes after the last row's Clear in the Tab order; there
// Up, Down, Page Up, Page Down, Home and End scroll the list as its arrows
// and its track do, so every alarm can be reached without a mouse.
void AlarmList::TakeScrollKeys() {
  m_scrollBar->setFocusPolicy(Qt::StrongFocus);
  QWidget::setTabOrder(GetDlgItem(m_window, kRowClearIds[kListRowCount - 1]), m_scrollBar);
  m_scrollBar->installEventFilter(this);
}

bool AlarmList::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_scrollBar || event->type() != QEvent::KeyPress) return false;
  const int steps = ArrowStepsOfKey(static_cast<QKeyEvent*>(event)->key());
  if (steps == 0) return false;
  OnVScroll(ScrollCode::ThumbPosition, m_scrollBar->value() + steps);
  return true;
}

// A row's controls are named by the number of the alarm the row shows; its
// two buttons, the only ones Tab reaches, also say that alarm's time and kind.
void AlarmList::NameRow(int row, int number) {
  const RowNames names = RowNamesOf(number);
  const QString alarm =
      RowAlarmWords(QString::fromStdString(m_rowTime[static_cast<std::size_t>(row)]),
                    QString::fromStdString(m_rowType[static_cast<std::size_t>(row)]));
  GetDlgItem(m_window, kRowTimeIds[row])->setAccessibleName(names.time);
  GetDlgItem(m_window, kRowTypeIds[row])->setAccessibleName(names.type);
  GetDlgItem(m_window, kRowTextIds[row])->setAccessibleName(names.text);
  GetDlgItem(m_window, kRowClearIds[row])->setAccessibleName(names.clear);
  for (const int id : {kRowTextIds[row], kRowClearIds[row]})
    GetDlgItem(m_window, id)->setAccessibleDescription(alarm);
}

// Each row's two buttons call the one handler of their kind with the row.
void AlarmList::ConnectControls() {
  connect(m_scrollBar, &QAbstractSlider::actionTriggered, this,
          [this](int action) { OnVScroll(CodeOfAction(action), m_scrollBar->sliderPosition()); });
  connect(m_scrollBar, &QAbstractSlider::sliderReleased, this,
          [this] { OnVScroll(ScrollCode::ThumbPosition, m_scrollBar->sliderPosition()); });
  for (int r = 0; r < kListRowCount; ++r) {
    connect(DlgItem<QPushButton>(m_window, kRowClearIds[r]), &QPushButton::clicked, this,
            [this, r] { OnClearRow(r); });
    connect(DlgItem<QPushButton>(m_window, kRowTextIds[r]), &QPushButton::clicked, this,
            [this, r] { OnTextRow(r); });
  }
}

void AlarmList::Exchange(DataExchange& dx) {
  for (int r = 0; r < kListRowCount; ++r) dx.Text(kRowTimeIds[r], m_rowTime[r]);
  for (int r = 0; r < kListRowCount; ++r) dx.Text(kRowTypeIds[r], m_rowType[r]);
}

// Puts every value of the window into the controls. While a screen reader
// listens, a newly added alarm's Text button takes the focus, so that it says
// the alarm (Qt 6.4 has no announcement, and what it sends of a changed name
// or description Orca cannot say); otherwise the focus stays on Add.
void AlarmList::Refresh(int top) {
  if (top == ShowNewAlarm) {
    const int k = FindNewAlarmRecord(m_table);
    top = 0;
    if (k >= 0) {
      m_table.SetText(k, "");
      top = TopForNewRecord(k, m_table.Count());
      const AlarmRecord added = m_table.At(k);
      m_table.SaveAlarms();  // which may read in a change of the file
      ShowRows(top);
      if (QAccessible::isActive()) FocusRecord(FindRecord(m_table, added));
      return;
    }
  }
  ShowRows(top);
}

void AlarmList::ShowRows(int top) {
  const int count = m_table.Count();
  m_listWindow.ShowFrom(top, count);
  const QSignalBlocker blocker(m_scrollBar);
  m_scrollBar->setRange(0, std::max(0, count - kListRowCount));
  m_scrollBar->setValue(m_listWindow.Top());
  for (int r = 0; r < kListRowCount; ++r) {
    const int i = m_listWindow.Top() + r;
    const bool filled = i < count;
    m_rowTime[r] = filled ? m_table.At(i).time : std::string();
    m_rowType[r] = filled
                       ? Translated(DescribeAlarmPhrase(m_table, i, m_snapshot, m_settings.Order()))
                             .toStdString()
                       : std::string();
    m_rowNo[r]->setText(QString::number(i + 1));
    NameRow(r, i + 1);
  }
  m_host.UpdateData(false);
}

void AlarmList::FocusRecord(int i) {
  const int row = i - m_listWindow.Top();
  if (i >= 0 && row >= 0 && row < kListRowCount) GetDlgItem(m_window, kRowTextIds[row])->setFocus();
}

// A minimised window has nothing typed, and may hold a newer time unshown.
void AlarmList::ShowTableChange(int inView) {
  if (!m_window->isMinimized()) m_host.UpdateData(true);
  Refresh(inView >= 0 ? TopForNewRecord(inView, m_table.Count()) : m_listWindow.Top());
}

void AlarmList::AlarmDeleted(int i, int count) {
  m_listWindow.RecordDeleted(i, count);
  Refresh(m_listWindow.Top());
}

void AlarmList::OnVScroll(ScrollCode code, int position) {
  const int pos = ScrolledTop(code, m_scrollBar->value(), position, m_table.Count());
  if (ScrollCodeMovesBar(code)) m_scrollBar->setValue(pos);
  Refresh(pos);
}

RowNames RowNamesOf(int number) {
  const QString n = QString::number(number);
  return {DialogText::tr("Alarm %1 time").arg(n), DialogText::tr("Alarm %1 type").arg(n),
          DialogText::tr("Text of alarm %1").arg(n), DialogText::tr("Clear alarm %1").arg(n)};
}

QString RowAlarmWords(const QString& time, const QString& kind) {
  if (time.isEmpty()) return DialogText::tr("Empty row");
  return kind.isEmpty() ? time : time + QStringLiteral(", ") + kind;
}
