#include "gui/dialog/dialog_growth.h"

void DialogGrowth::Cut(std::map<int, int>& cuts, int edge, int growth) {
  if (growth > 0) cuts[edge] += growth;
}

// A position moves by every cut at or before it.
int DialogGrowth::Moved(const std::map<int, int>& cuts, int position) {
  int moved = position;
  for (auto it = cuts.begin(); it != cuts.end() && it->first <= position; ++it) moved += it->second;
  return moved;
}

void DialogGrowth::Widen(const QRect& place, int growth) {
  Cut(m_columns, place.x() + place.width(), growth);
}

void DialogGrowth::Deepen(const QRect& place, int growth) {
  Cut(m_rows, place.y() + place.height(), growth);
}

QRect DialogGrowth::Map(const QRect& place) const {
  const int left = Moved(m_columns, place.x());
  const int top = Moved(m_rows, place.y());
  const int right = Moved(m_columns, place.x() + place.width());
  const int bottom = Moved(m_rows, place.y() + place.height());
  return QRect(left, top, right - left, bottom - top);
}
