#pragma once

#include <QRect>
#include <map>

// Where a dialog's controls stand once some of them have grown. A control
// that grows cuts the dialog at its right (or bottom) edge: everything at or
// beyond the cut moves by the growth, and what reaches across it (a group box,
// the dialog itself) grows with it. Controls in one column move together, so
// the rows and columns keep their order and their look. The cuts are made
// where the template puts the edges, in dialog units: a control that touches
// the grown one there moves along, though the pixels of the two, each rounded
// on its own, overlap by one.
class DialogGrowth {
 public:
  // The control at units of the template must be wider (higher) by growth
  // than Map makes it now.
  void Widen(const QRect& units, int growth);
  void Deepen(const QRect& units, int growth);
  // Where the control at units of the template stands after every growth;
  // place is where it stood in pixels before any.
  QRect Map(const QRect& units, const QRect& place) const;

 private:
  static void Cut(std::map<int, int>& cuts, int edge, int growth);
  static int Moved(const std::map<int, int>& cuts, int position);

  std::map<int, int> m_columns;  // right edge in the template: growth
  std::map<int, int> m_rows;     // bottom edge in the template: growth
};
