#pragma once

#include <QDialog>

// "Calendar": a month calendar to look dates up in. Nothing chosen in it goes
// anywhere; OK, Esc and the close box just end it.
class CCalendarDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCalendarDlg(QWidget* parent = nullptr);

  // Sets the window icon and selects today in the calendar.
  bool OnInitDialog();
};
