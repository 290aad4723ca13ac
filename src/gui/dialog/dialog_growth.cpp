#include "gui/dialog/dialog_growth.h"

void DialogGrowth::Cut(std::map<int, int>& cuts, int edge, int growth) {
  if (growth > 0) cuts[edge] += growth;
}

// How far a position moves: by every cut at or before it.
int DialogGrowth::Moved(const std::map<int, int>& cuts, int position) {
  int moved = 0;
  for (auto it = cuts.begin(); it != cuts.end() && it->first <= position; ++it) moved += it->second;
  return moved;
}

void DialogGrowth::Widen(const QRect& units, int growth) {
  Cut(m_columns, units.x() + units.width(), growth);
}

void DialogGrowth::Deepen(const QRect& units, int growth) {
  Cut(m_rows, units.y() + units.height(), growth);
}

QRect DialogGrowth::Map(const QRect& units, const QRect& place) const {
  const int left = place.x() + Moved(m_columns, units.x());
  const int top = place.y() + Moved(m_rows, units.y());
  const int right = place.x() + place.width() + Moved(m_columns, units.x() + units.width());
  const int bottom = place.y() + place.height() + Moved(m_rows, units.y() + units.height());
  return QRect(left, top, right - left, bottom - top);
}
