#include "gui/entry/calendar_dlg.h"

#include <QCalendarWidget>
#include <QDate>

#include "core/platform/local_clock.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"

// OK, Esc and the close box end the dialog by the dialog's standard handling.
CCalendarDlg::CCalendarDlg(const LocalClock& clock, QWidget* parent)
    : QDialog(parent), m_clock(clock) {
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
  }
  return true;
}
