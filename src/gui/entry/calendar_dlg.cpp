#include "gui/entry/calendar_dlg.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>

#include "core/platform/local_clock.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/entry/date_grid_accessible.h"

// OK, Esc and the close box end the dialog by the dialog's standard handling.
CCalendarDlg::CCalendarDlg(const LocalClock& clock, QWidget* parent)
    : QDialog(parent), m_clock(clock) {
  DateGridAccessible::Install();
  BuildDialog(this, CalendarTemplate());
}

bool CCalendarDlg::OnInitDialog() {
  TakeOwnerIcon(this);
  // Today comes from the program's clock, like every other date it shows.
  const LocalTime now = m_clock.ToLocal(m_clock.Now());
  if (auto* calendar = DlgItem<QCalendarWidget>(this, IDC_CALENDAR)) {
    const QDate today(now.year, now.month, now.day);
    calendar->setSelectedDate(today);
    calendar->setCurrentPage(today.year(), today.month());
    calendar->setFocus();
    // The month grid takes Return for itself; the dialog's default button
    // should have it, as it has every other key the grid leaves alone.
    if (QWidget* grid = calendar->focusProxy()) {
      grid->installEventFilter(this);
      grid->setAccessibleName(QCoreApplication::translate("DialogText", "Month calendar"));
    }
  }
  return true;
}

bool CCalendarDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

namespace {

using K = ControlKind;

DialogTemplate MakeCalendar() {
  DialogTemplate t = Dialog(IDD_CALENDAR, DialogText::tr("Calendar"), 126, 114);
  t.controls.push_back(Ctl(IDC_CALENDAR, K::MonthCalendar, QStringLiteral("MonthCalendar1"),
                           kTabStop, QRect(4, 5, 118, 83)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(44, 96, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& CalendarTemplate() {
  static const DialogTemplate t = MakeCalendar();
  return t;
}
