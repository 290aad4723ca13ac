#pragma once

#include <QDialog>

#include "core/platform/local_clock.h"

struct DialogTemplate;

// "Calendar": a month calendar to look dates up in. Nothing chosen in it goes
// anywhere; OK, Esc and the close box just end it.
class CCalendarDlg : public QDialog {
  Q_OBJECT

 public:
  // Today is the clock's; the caller keeps the clock.
  explicit CCalendarDlg(const LocalClock& clock, QWidget* parent = nullptr);

  // Sets the window icon and selects today in the calendar.
  bool OnInitDialog();

 protected:
  // Return and Enter in the month grid press OK.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const LocalClock& m_clock;
};

// The calendar dialog's template (IDD_CALENDAR).
const DialogTemplate& CalendarTemplate();
