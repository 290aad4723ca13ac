#include "gui/entry/date_grid_accessible.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLocale>
#include <QPointer>

namespace {

QCalendarWidget* CalendarOf(const QAbstractItemView* grid) {
  return qobject_cast<QCalendarWidget*>(grid->parentWidget());
}

// One day of the calendar, while it is the day chosen, in the grid's cell
// that shows it.
class DayAccessible : public QAccessibleInterface {
 public:
  DayAccessible(QAbstractItemView* grid, const QDate& date) : m_grid(grid), m_date(date) {}

  bool isValid() const override { return !m_grid.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent()->window(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_grid);
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text type) const override {
    if (type != QAccessible::Name) return {};
    return QLocale().toString(m_date, QStringLiteral("dddd d MMMM yyyy"));
  }
  void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}

  QRect rect() const override {
    if (!Chosen()) return {};
    const QRect cell = m_grid->visualRect(m_grid->currentIndex());
    return cell.translated(m_grid->viewport()->mapToGlobal(QPoint(0, 0)));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = Chosen();
    state.focused = Chosen() && m_grid->hasFocus();
    state.invisible = !Chosen();
    return state;
  }

 private:
  bool Chosen() const { return isValid() && CalendarOf(m_grid)->selectedDate() == m_date; }

  QPointer<QAbstractItemView> m_grid;
  QDate m_date;
};

// The grid is the calendar's one item view; it is called by the name of its
// class, which Qt keeps to itself, so it is known by its place. Qt may ask for
// its interface while making it, before the calendar has taken it as its
// focus proxy.
QAccessibleInterface* DateGridAccessibleOf(const QString& className, QObject* object) {
  auto* grid = qobject_cast<QAbstractItemView*>(object);
  if (grid == nullptr || className != QLatin1String(object->metaObject()->className()) ||
      CalendarOf(grid) == nullptr)
    return nullptr;
  return new DateGridAccessible(grid);
}

}  // namespace

DateGridAccessible::DateGridAccessible(QAbstractItemView* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

DateGridAccessible::~DateGridAccessible() {
  for (const auto& [date, id] : m_days) QAccessible::deleteAccessibleInterface(id);
}

void DateGridAccessible::Install() {
  QAccessible::installFactory(DateGridAccessibleOf);  // later calls add nothing
}

QAccessibleInterface* DateGridAccessible::DayOf(const QDate& date) const {
  auto found = m_days.find(date);
  if (found == m_days.end()) {
    auto* grid = static_cast<QAbstractItemView*>(widget());
    found =
        m_days
            .emplace(date, QAccessible::registerAccessibleInterface(new DayAccessible(grid, date)))
            .first;
  }
  return QAccessible::accessibleInterface(found->second);
}

// The focus comes to the grid itself, after its day: it says the day too.
QString DateGridAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Description) return child(0)->text(QAccessible::Name);
  return QAccessibleWidget::text(type);
}

int DateGridAccessible::childCount() const {
  return 1;
}

int DateGridAccessible::indexOfChild(const QAccessibleInterface* day) const {
  return day == child(0) ? 0 : -1;
}

QAccessibleInterface* DateGridAccessible::child(int index) const {
  if (index < 0) return nullptr;
  return DayOf(CalendarOf(static_cast<QAbstractItemView*>(widget()))->selectedDate());
}

QAccessibleInterface* DateGridAccessible::childAt(int x, int y) const {
  QAccessibleInterface* day = child(0);
  return day->rect().contains(x, y) ? day : nullptr;
}
