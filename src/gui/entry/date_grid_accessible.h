#pragma once

#include <QAccessibleWidget>
#include <QDate>
#include <map>

class QAbstractItemView;

// What a screen reader reads of a month calendar's grid of days: a grid whose
// item is the day chosen, called by its date in full ("Monday 15 June 2026").
// Each day is an object of its own, so that every move of the arrow and page
// keys is a move of the focus, which a screen reader says.
//
// Qt's own interface shows the grid as a table whose cells are called by the
// day of the month alone, and Orca reads a GUI table's whole row on each new
// row: "15. 16. ... 21.". Telling the grid's new date as a change of its name
// or description does not help either: Qt 6.4 sends the object's path, not
// the new text, with those changes, and Orca cannot say it.
class DateGridAccessible : public QAccessibleWidget {
 public:
  explicit DateGridAccessible(QAbstractItemView* grid);
  ~DateGridAccessible() override;

  // Has the grid of every month calendar made with this interface; once for
  // the program, before a calendar is made.
  static void Install();

  QString text(QAccessible::Text type) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  // Qt's item view names the day it moves to by its cell when it tells of
  // the move: whichever cell, it is the day chosen.
  QAccessibleInterface* child(int index) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 private:
  QAccessibleInterface* DayOf(const QDate& date) const;

  mutable std::map<QDate, QAccessible::Id> m_days;  // the days met so far
};
