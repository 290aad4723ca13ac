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

bool IsPushButton(const ControlTemplate& ctl) {
  return ctl.kind == ControlKind::PushButton || ctl.kind == ControlKind::DefPushButton;
}

// Push buttons the template draws alike in one row stand as a pair (Cancel and
// Save): each grows to the widest of them, so that they stay alike. Widening
// one moves the others of its row along, but leaves their widths.
void GrowPairsTogether(const std::vector<ControlTemplate>& controls,
                       const std::vector<QRect>& places, DialogGrowth& growth) {
  auto width = [&](std::size_t k) { return growth.Map(controls[k].rect, places[k]).width(); };
  for (std::size_t a = 0; a < controls.size(); ++a) {
    if (!IsPushButton(controls[a])) continue;
    std::vector<std::size_t> pair;
    int widest = 0;
    for (std::size_t b = 0; b < controls.size(); ++b) {
      const QRect& r = controls[b].rect;
      if (!IsPushButton(controls[b]) || r.y() != controls[a].rect.y() ||
          r.size() != controls[a].rect.size())
        continue;
      pair.push_back(b);
      widest = std::max(widest, width(b));
    }
    for (std::size_t b : pair) growth.Widen(controls[b].rect, widest - width(b));
  }
}

}  // namespace

// Each control grows as far as its texts need beyond what the controls before
// it gave it: widths from the left edge of the dialog to the right, then
// heights from top to bottom, at the widths found.
void FitControls(const std::vector<QWidget*>& widgets, const std::vector<ControlTemplate>& controls,
                 const std::vector<QRect>& places, DialogGrowth& growth, TextWidths& widths) {
  auto size = [&](std::size_t k) { return growth.Map(controls[k].rect, places[k]).size(); };
  for (std::size_t k : OrderBy(controls, [](const QRect& r) { return r.x() + r.width(); }))
    growth.Widen(controls[k].rect, TextShortfall(widgets[k], controls[k], size(k), widths).width());
  GrowPairsTogether(controls, places, growth);
  for (std::size_t k : OrderBy(controls, [](const QRect& r) { return r.y() + r.height(); })) {
    if (!CanNeedHeight(widgets[k])) continue;
    growth.Deepen(controls[k].rect,
                  TextShortfall(widgets[k], controls[k], size(k), widths).height());
  }
}
