#include "gui/dialog/control_fitting.h"

#include <QSize>
#include <algorithm>
#include <numeric>

#include "gui/dialog/dialog_growth.h"
#include "gui/dialog/text_room.h"

namespace {

// The indices of the controls ordered by the edge given of their template rectangles.
template <typename Edge>
std::vector<std::size_t> OrderBy(const std::vector<ControlTemplate>& controls, Edge edge) {
  std::vector<std::size_t> order(controls.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return edge(controls[a].rect) < edge(controls[b].rect);
  });
  return order;
}

}  // namespace

// Each control grows as far as its texts need beyond what the controls before
// it gave it: widths from the left edge of the dialog to the right, then
// heights from top to bottom, at the widths found.
void FitControls(const std::vector<QWidget*>& widgets, const std::vector<ControlTemplate>& controls,
                 const std::vector<QRect>& places, DialogGrowth& growth) {
  TextWidths widths;
  auto size = [&](std::size_t k) { return growth.Map(controls[k].rect, places[k]).size(); };
  for (std::size_t k : OrderBy(controls, [](const QRect& r) { return r.x() + r.width(); }))
    growth.Widen(controls[k].rect, TextShortfall(widgets[k], controls[k], size(k), widths).width());
  for (std::size_t k : OrderBy(controls, [](const QRect& r) { return r.y() + r.height(); })) {
    if (!CanNeedHeight(widgets[k])) continue;
    growth.Deepen(controls[k].rect,
                  TextShortfall(widgets[k], controls[k], size(k), widths).height());
  }
}
