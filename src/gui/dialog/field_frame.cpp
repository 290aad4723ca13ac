#include "gui/dialog/field_frame.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Paints the field's frame in its stead; the field's text is its viewport's.
class LineEditFrame : public QObject {
 public:
  explicit LineEditFrame(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* field = static_cast<QFrame*>(watched);
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->frameWidth();
    option.state |= QStyle::State_Sunken;
    // The field is not painted again when the focus comes or goes.
    option.state &= ~QStyle::State_HasFocus;
    QPainter painter(field);
    field->style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, field);
    return true;
  }
};

}  // namespace

void FrameAsLineEdit(QFrame* field) {
  field->installEventFilter(new LineEditFrame(field));
}
