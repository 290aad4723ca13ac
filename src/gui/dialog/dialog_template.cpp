#include "gui/dialog/dialog_template.h"

#include "gui/dialog/control_ids.h"

namespace {
using K = ControlKind;
}  // namespace

DialogTemplate Dialog(int id, const QString& caption, int width, int height) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.width = width;
  t.height = height;
  return t;
}

ControlTemplate Ctl(int id, ControlKind kind, const QString& text, unsigned style, QRect rect) {
  ControlTemplate c;
  c.id = id;
  c.kind = kind;
  c.text = text;
  c.style = style;
  c.rect = rect;
  return c;
}

// A drop-down combo box with an edit field; the rectangle's height includes the list.
ControlTemplate Combo(int id, QRect rect, const QStringList& items) {
  ControlTemplate c = Ctl(id, K::ComboBox, QString(), kTabStop, rect);
  c.items = items;
  return c;
}

// An edit field made by a program class (the filtering time and date fields).
ControlTemplate ClassEdit(int id, const QString& className, QRect rect) {
  ControlTemplate c = Ctl(id, K::Edit, QString(), kCentred | kBorder | kTabStop, rect);
  c.className = className;
  return c;
}

ControlTemplate Showing(ControlTemplate c, const QStringList& shows) {
  c.shows = shows;
  return c;
}

ControlTemplate ShowingMade(ControlTemplate c, MadeTexts shows) {
  c.madeShows = shows;
  return c;
}

ControlTemplate Named(ControlTemplate c, const QString& name) {
  c.name = name;
  return c;
}

ControlTemplate OkButton(const QString& text, QRect rect) {
  return Ctl(IDOK_BUTTON, K::DefPushButton, text, kTabStop, rect);
}
