// The room a control leaves for its text, measured with its font and style.
#include "gui/dialog/text_room.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <algorithm>

#include "gui/dialog/dialog_template.h"

namespace {

// A line edit keeps this margin each side of its text, and scrolls a text
// that does not leave one pixel more for the cursor.
constexpr int kLineEditMargin = 2;
constexpr int kCursorRoom = 1;

// The width a line edit of this size has for its text.
int LineEditRoom(const QLineEdit* edit, QSize size) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.rect = QRect(QPoint(), size);
  option.lineWidth = edit->hasFrame()
                         ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
  const QMargins margins = edit->textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - kCursorRoom;
}

// The width an editable combo box of this size has for the text of its field.
int ComboBoxRoom(const QComboBox* box, QSize size) {
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.rect = QRect(QPoint(), size);
  option.editable = true;
  option.frame = box->hasFrame();
  const QRect field =
      box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
  return box->lineEdit() != nullptr ? LineEditRoom(box->lineEdit(), field.size()) : field.width();
}

int ButtonRoom(const QPushButton* button, QSize size) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.rect = QRect(QPoint(), size);
  option.text = button->text();
  const QRect contents =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  return contents.width() - 2;  // a pixel of air each side
}

int WrappedHeight(const QFontMetrics& metrics, const QString& text, int width) {
  const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
  return metrics.boundingRect(QRect(0, 0, width, 0), flags, text).height();
}

// How much a box of this size must grow for every text, wrapped at its words,
// to show whole in no more lines than the template drew it for: wider where a
// text needs more lines at its width, higher where the lines need it.
QSize WrappedShortfall(const QFontMetrics& metrics, const QStringList& texts, QSize room,
                       int lines) {
  int width = room.width();
  for (const QString& text : texts) {
    for (const QString& word : text.split(QLatin1Char(' ')))
      width = std::max(width, metrics.horizontalAdvance(word));
  }
  // Laid-out lines may stand further apart than the font's line spacing.
  const int linesHeight =
      std::max(1, lines) * WrappedHeight(metrics, QStringLiteral("X"), room.width());
  for (const QString& text : texts) {
    int wide = std::max(width, metrics.horizontalAdvance(text));
    while (width < wide) {
      const int middle = (width + wide) / 2;
      if (WrappedHeight(metrics, text, middle) <= linesHeight) {
        wide = middle;
      } else {
        width = middle + 1;
      }
    }
  }
  int height = room.height();
  for (const QString& text : texts) height = std::max(height, WrappedHeight(metrics, text, width));
  return QSize(width, height) - room;
}

// The lines of text a template drew a box for: a line is 8 dialog units high.
int TemplateLines(const ControlTemplate& ctl) {
  return ctl.rect.height() / 8;
}

QSize WrappedShortfall(const QWidget* widget, const QStringList& texts, QSize room, int lines,
                       TextWidths& widths) {
  return widths.Measured(
      widget->font(), "wrapped", {room.width(), room.height(), lines}, texts,
      [&] { return WrappedShortfall(widget->fontMetrics(), texts, room, lines); });
}

// A label showing a picture shows it at the picture's own size.
QSize LabelShortfall(const QLabel* label, const ControlTemplate& ctl, const QStringList& texts,
                     QSize size, TextWidths& widths) {
  const int frame = 2 * label->frameWidth();
  if (!label->pixmap().isNull())
    return label->pixmap().deviceIndependentSize().toSize() + QSize(frame, frame) - size;
  if (texts.isEmpty()) return QSize(0, 0);
  if (!label->wordWrap())
    return QSize(widths.Widest(label->font(), texts) + frame - size.width(), 0);
  return WrappedShortfall(label, texts, size - QSize(frame, frame), TemplateLines(ctl), widths);
}

QSize TextEditShortfall(const QPlainTextEdit* edit, const ControlTemplate& ctl,
                        const QStringList& texts, QSize size, TextWidths& widths) {
  // The field scrolls unless its last line ends a pixel above the bottom margin.
  const int inset = 2 * (edit->frameWidth() + qCeil(edit->document()->documentMargin()));
  return WrappedShortfall(edit, texts, size - QSize(inset, inset + 1), TemplateLines(ctl), widths);
}

int WidthShortfall(const QWidget* widget, const QStringList& texts, QSize size,
                   TextWidths& widths) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
    return widths.Widest(edit->font(), texts) - LineEditRoom(edit, size);
  if (const auto* box = qobject_cast<const QComboBox*>(widget))
    return widths.Widest(box->font(), texts) - ComboBoxRoom(box, size);
  if (const auto* button = qobject_cast<const QPushButton*>(widget))
    return widths.Widest(button->font(), texts) - ButtonRoom(button, size);
  if (const auto* group = qobject_cast<const QGroupBox*>(widget))
    return group->minimumSizeHint().width() - size.width();
  return 0;
}

// The control's own text and items, and what it shows at run time.
QStringList TextsOf(const QWidget* widget, const ControlTemplate& ctl, TextWidths& widths) {
  QStringList texts = ctl.shows;
  if (ctl.madeShows.make != nullptr) {
    const QStringList& made = widths.Made(ctl.madeShows);
    texts = texts.isEmpty() ? made : texts + made;
  }
  if (ctl.kind != ControlKind::Picture && !ctl.text.isEmpty()) texts << ctl.text;
  if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  }
  return texts;
}

}  // namespace

bool CanNeedHeight(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget))
    return label->wordWrap() || !label->pixmap().isNull();
  return qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
         qobject_cast<const QCalendarWidget*>(widget) != nullptr;
}

QSize TextShortfall(const QWidget* widget, const ControlTemplate& ctl, QSize size,
                    TextWidths& widths) {
  if (const auto* calendar = qobject_cast<const QCalendarWidget*>(widget))
    return (calendar->minimumSizeHint() - size).expandedTo(QSize(0, 0));
  // A field of made texts alone: their widest is recalled without making them.
  const auto* field = qobject_cast<const QLineEdit*>(widget);
  if (field != nullptr && ctl.madeShows.make != nullptr && ctl.shows.isEmpty() &&
      ctl.text.isEmpty())
    return QSize(
        std::max(0, widths.WidestMade(field->font(), ctl.madeShows) - LineEditRoom(field, size)),
        0);
  const QStringList texts = TextsOf(widget, ctl, widths);
  QSize shortfall(0, 0);
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    shortfall = LabelShortfall(label, ctl, texts, size, widths);
  } else if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
    if (!texts.isEmpty()) shortfall = TextEditShortfall(edit, ctl, texts, size, widths);
  } else if (!texts.isEmpty() || qobject_cast<const QGroupBox*>(widget) != nullptr) {
    shortfall.setWidth(WidthShortfall(widget, texts, size, widths));
  }
  return shortfall.expandedTo(QSize(0, 0));
}
