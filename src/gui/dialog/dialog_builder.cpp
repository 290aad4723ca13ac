// Turns a dialog template into Qt widgets placed by dialog units.
#include "gui/dialog/dialog_builder.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <vector>

#include "gui/dialog/control_fitting.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_face.h"
#include "gui/dialog/dialog_growth.h"
#include "gui/dialog/field_frame.h"
#include "gui/dialog/text_widths.h"
#include "gui/resources/bitmaps.h"

namespace {

// The picture a template's picture control names (its IDB_ number as text),
// or a null pixmap for an unknown name.
QPixmap DialogBitmap(const QString& name, const QSize& size) {
  if (name == QString::number(IDB_FONT_SAMPLES)) return FontSamplesPicture(size);
  if (name == QString::number(IDB_ABOUT_CLOCK)) return AboutClockPicture();
  return QPixmap();
}

int Scale(int units, double unit) {
  return static_cast<int>(std::lround(units * unit));
}

Qt::Alignment HorizontalAlignment(unsigned style) {
  if (style & kCentred) return Qt::AlignHCenter;
  if (style & kRight) return Qt::AlignRight;
  return Qt::AlignLeft;
}

// Read-only edit fields show the dialog's face colour, so they do not look
// like fields to type in; the shade follows later palette changes too.
class ReadOnlyShade : public QObject {
 public:
  explicit ReadOnlyShade(QObject* parent) : QObject(parent) {}

  static void Apply(QWidget* edit) {
    const QVariant readOnly = edit->property("readOnly");
    QPalette palette = edit->palette();
    const QPalette standard = edit->parentWidget() ? edit->parentWidget()->palette() : palette;
    palette.setBrush(QPalette::Base, readOnly.toBool() ? standard.brush(QPalette::Window)
                                                       : standard.brush(QPalette::Base));
    edit->setPalette(palette);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) Apply(static_cast<QWidget*>(watched));
    return false;
  }
};

void ShadeReadOnly(QWidget* edit) {
  edit->installEventFilter(new ReadOnlyShade(edit));
  ReadOnlyShade::Apply(edit);
}

QWidget* CreateStandard(QDialog* dialog, ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return new QLineEdit(dialog);
    case ControlKind::MultiLineEdit:
      return new QPlainTextEdit(dialog);
    case ControlKind::ComboBox:
      return new QComboBox(dialog);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      return new QPushButton(dialog);
    case ControlKind::GroupBox:
      return new QGroupBox(dialog);
    case ControlKind::VScrollBar:
      return new QScrollBar(Qt::Vertical, dialog);
    case ControlKind::CheckBox:
      return new QCheckBox(dialog);
    case ControlKind::RadioButton:
      return new QRadioButton(dialog);
    case ControlKind::BlackFrame:
      return new QFrame(dialog);
    case ControlKind::MonthCalendar:
      return new QCalendarWidget(dialog);
    case ControlKind::Label:
    case ControlKind::Picture:
      break;
  }
  return new QLabel(dialog);
}

QWidget* CreateControl(QDialog* dialog, const ControlTemplate& ctl,
                       const ControlFactories& factories) {
  if (!ctl.className.isEmpty()) {
    const auto it = factories.find(ctl.className);
    if (it != factories.end() && it->second) {
      if (QWidget* widget = it->second(dialog)) {
        if (widget->parentWidget() != dialog) widget->setParent(dialog);
        return widget;
      }
    }
  }
  return CreateStandard(dialog, ctl.kind);
}

// Fields without a tab stop can still be clicked into, but Tab passes them by.
void SetTabStop(QWidget* widget, unsigned style) {
  if (!(style & kTabStop)) widget->setFocusPolicy(Qt::ClickFocus);
}

void ConfigureLineEdit(QLineEdit* edit, const ControlTemplate& ctl) {
  edit->setText(ctl.text);
  edit->setReadOnly(ctl.style & kReadOnly);
  edit->setAlignment(HorizontalAlignment(ctl.style) | Qt::AlignVCenter);
  edit->setFrame(ctl.style & kBorder);
  SetTabStop(edit, ctl.style);
  ShadeReadOnly(edit);
}

void ConfigureTextEdit(QPlainTextEdit* edit, const ControlTemplate& ctl) {
  edit->setPlainText(ctl.text);
  edit->setReadOnly(ctl.style & kReadOnly);
  if (ctl.style & kBorder) {
    FrameAsLineEdit(edit);
  } else {
    edit->setFrameShape(QFrame::NoFrame);
  }
  // Lines wrap at the field's width and the field never scrolls by itself.
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setTabChangesFocus(true);
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(HorizontalAlignment(ctl.style));
  edit->document()->setDefaultTextOption(option);
  SetTabStop(edit, ctl.style);
  ShadeReadOnly(edit);
}

// The rectangle of a combo box includes its drop-down list: one list line is
// about eight dialog units, and the closed box is as high as the style needs.
void ConfigureComboBox(QComboBox* box, const ControlTemplate& ctl) {
  box->setEditable(true);
  box->setCompleter(nullptr);  // typed text stays as typed
  box->setInsertPolicy(QComboBox::NoInsert);
  // Each item shows in the user's language and keeps its English text as
  // its data, the value the program reads and stores.
  for (const QString& item : ctl.items)
    box->addItem(QCoreApplication::translate("Choice", item.toUtf8().constData()), item);
  box->setMaxVisibleItems(std::max(1, (ctl.rect.height() - 12) / 8));
  box->setCurrentIndex(-1);
  SetTabStop(box, ctl.style);
}

void ConfigureLabel(QLabel* label, const ControlTemplate& ctl) {
  if (ctl.kind == ControlKind::Picture) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  } else {
    label->setTextFormat(Qt::PlainText);
    label->setText(ctl.text);
    label->setAlignment(HorizontalAlignment(ctl.style) | Qt::AlignTop);
    label->setWordWrap(ctl.style & kWordWrap);
  }
  if (ctl.style & kSunken) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
  }
}

void ConfigureBlackFrame(QFrame* frame) {
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(1);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  frame->setPalette(palette);
}

void ConfigureButton(QAbstractButton* button, const ControlTemplate& ctl) {
  button->setText(ctl.text);
  if (auto* push = qobject_cast<QPushButton*>(button)) {
    push->setAutoDefault(true);
    if (ctl.kind == ControlKind::DefPushButton) push->setDefault(true);
  }
}

// The OK and Cancel buttons (identifiers 1 and 2) end a dialog through its
// accept() and reject(), which a dialog may override.
void ConnectStandardButton(QDialog* dialog, QWidget* widget, int id) {
  auto* button = qobject_cast<QPushButton*>(widget);
  if (button == nullptr) return;
  if (id == IDOK_BUTTON) QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
  if (id == IDCANCEL_BUTTON)
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
}

void Configure(QWidget* widget, const ControlTemplate& ctl) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    ConfigureLineEdit(edit, ctl);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    ConfigureTextEdit(text, ctl);
  } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
    ConfigureComboBox(box, ctl);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    ConfigureButton(button, ctl);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(ctl.text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    ConfigureLabel(label, ctl);
  } else if (auto* calendar = qobject_cast<QCalendarWidget*>(widget)) {
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  } else if (ctl.kind == ControlKind::BlackFrame) {
    if (auto* frame = qobject_cast<QFrame*>(widget)) ConfigureBlackFrame(frame);
  }
}

// A picture control shows its bitmap at the bitmap's own size.
void PlacePicture(QLabel* label, const ControlTemplate& ctl, QRect place) {
  const int frame = label->frameWidth();
  const QPixmap pixmap = DialogBitmap(ctl.text, place.size() - QSize(2 * frame, 2 * frame));
  if (pixmap.isNull()) return;
  label->setPixmap(pixmap);
  place.setSize(pixmap.size() + QSize(2 * frame, 2 * frame));
  label->setGeometry(place);
}

// Where a control stands before any control grows: its template rectangle,
// a combo box only as high as its closed box.
QRect TemplatePlace(QWidget* widget, const ControlTemplate& ctl, const DialogUnits& units,
                    int topOffset) {
  QRect place = units.ToPixels(ctl.rect).translated(0, topOffset);
  if (auto* box = qobject_cast<QComboBox*>(widget))
    place.setHeight(std::min(place.height(), box->sizeHint().height()));
  return place;
}

void Place(QWidget* widget, const ControlTemplate& ctl, QRect place) {
  widget->setGeometry(place);
  if (ctl.kind == ControlKind::Picture) {
    if (auto* label = qobject_cast<QLabel*>(widget)) PlacePicture(label, ctl, place);
  }
}

// A label names the field that follows it in the template (its buddy), which
// is what a screen reader says of the field; the name follows the label's text.
void NameByLabel(QWidget* widget, const ControlTemplate& ctl, QLabel*& lastLabel) {
  auto* label = qobject_cast<QLabel*>(widget);
  if (label != nullptr && ctl.kind == ControlKind::Label) {
    lastLabel = label;
    return;
  }
  const bool field = ctl.kind == ControlKind::Edit || ctl.kind == ControlKind::MultiLineEdit ||
                     ctl.kind == ControlKind::ComboBox || ctl.kind == ControlKind::CheckBox;
  if (field && lastLabel != nullptr) {
    lastLabel->setBuddy(widget);
    // A combo box is otherwise called by its current text, its field by nothing.
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
      box->setAccessibleName(lastLabel->text());
      if (box->lineEdit() != nullptr) box->lineEdit()->setAccessibleName(lastLabel->text());
    }
  }
  lastLabel = nullptr;
}

// Radio buttons in a row form one exclusive group; a button with kGroupStart
// begins a new one. The checked button is the group's tab stop.
void JoinRadioGroup(QDialog* dialog, QWidget* widget, const ControlTemplate& ctl,
                    QButtonGroup*& group) {
  auto* radio = qobject_cast<QRadioButton*>(widget);
  if (radio == nullptr) {
    group = nullptr;
    return;
  }
  if (group == nullptr || (ctl.style & kGroupStart)) {
    group = new QButtonGroup(dialog);
    group->setExclusive(true);
    // Tab enters the group on its checked button, where the arrows leave it.
    QObject::connect(
        group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton* checked, bool on) {
          if (!on) return;
          for (QAbstractButton* button : group->buttons())
            button->setFocusPolicy(button == checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
  }
  group->addButton(radio, ctl.id);
}

// The controls of a built dialog by identifier, the first of each: a data
// exchange finds each control at once, not by searching the dialog's children.
class ControlIndex : public QObject {
 public:
  explicit ControlIndex(QObject* dialog) : QObject(dialog) {}

  static ControlIndex* Of(const QObject* dialog) {
    for (QObject* child : dialog->children()) {
      if (auto* index = dynamic_cast<ControlIndex*>(child)) return index;
    }
    return nullptr;
  }

  void Add(int id, QWidget* widget) {
    if (id == -1) return;
    QPointer<QWidget>& known = m_controls[id];
    if (known.isNull()) known = widget;  // or a control since taken away
  }

  QWidget* Find(int id) const { return m_controls.value(id); }

 private:
  QHash<int, QPointer<QWidget>> m_controls;
};

// Qt lays out a line edit's empty text in the application's font as the edit
// is made, before the edit takes the dialog's font: a dialog in a font of its
// own would load the application's as well, a second fontconfig match and its
// fallback search (a tenth of the main window's start) for a font no control
// shows. While the controls are made the application's font is the dialog's;
// every control follows the dialog's font, and no control is a window of its
// own, so nothing keeps the exchanged font.
class DialogFontWhileBuilding {
 public:
  explicit DialogFontWhileBuilding(const QFont& font) : m_application(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
  }
  ~DialogFontWhileBuilding() { QGuiApplication::setFont(m_application); }
  DialogFontWhileBuilding(const DialogFontWhileBuilding&) = delete;
  DialogFontWhileBuilding& operator=(const DialogFontWhileBuilding&) = delete;

 private:
  const QFont m_application;
};

// Names a control by its identifier and adds it to the dialog's index.
void Tag(QWidget* widget, int id, ControlIndex& index) {
  if (id != -1) widget->setObjectName(QStringLiteral("ctl%1").arg(id));
  index.Add(id, widget);
}

Qt::WindowFlags DialogFlags(const QDialog* dialog, const DialogTemplate& tmpl) {
  Qt::WindowFlags flags = dialog->windowFlags() | Qt::Dialog | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  flags.setFlag(Qt::WindowMinimizeButtonHint, tmpl.minimizeBox);
  flags.setFlag(Qt::WindowMaximizeButtonHint, tmpl.maximizeBox);
  flags.setFlag(Qt::WindowContextHelpButtonHint, false);
  return flags;
}

}  // namespace

QRect DialogUnits::ToPixels(const QRect& units) const {
  return QRect(Scale(units.x(), x), Scale(units.y(), y), Scale(units.width(), x),
               Scale(units.height(), y));
}

QSize DialogUnits::ToPixels(int width, int height) const {
  return QSize(Scale(width, x), Scale(height, y));
}

DialogUnits MeasureDialogUnits(const QFont& font, TextWidths* widths) {
  const QFontMetrics metrics(font);
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const auto measure = [&] { return QSize(metrics.horizontalAdvance(letters), 0); };
  const int alphabet = widths != nullptr
                           ? widths->Measured(font, "alphabet", {}, {letters}, measure).width()
                           : measure().width();
  const int averageWidth = (alphabet / 26 + 1) / 2;
  return DialogUnits{averageWidth / 4.0, metrics.height() / 8.0};
}

QFont DialogFont(const DialogTemplate& tmpl) {
  QFont font(tmpl.fontFace, tmpl.fontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// The templates were drawn for a narrower face than the desktop's usual
// sans-serif: each control whose text would be cut grows to show it, to the
// right (a calendar down), and what stands beyond it moves along, so that the
// rows and columns of the dialog keep their order and their look.
void BuildDialog(QDialog* dialog, const DialogTemplate& tmpl, const ControlFactories& factories,
                 const QWidget* topBar, FittingMemo* memo) {
  dialog->setWindowFlags(DialogFlags(dialog, tmpl));
  dialog->setWindowTitle(tmpl.caption);
  dialog->setFont(memo != nullptr ? RememberedDialogFont(tmpl, *memo) : DialogFont(tmpl));
  const DialogFontWhileBuilding fontWhileBuilding(dialog->font());
  const int topOffset = topBar != nullptr ? topBar->sizeHint().height() : 0;
  TextWidths widths(memo);
  const DialogUnits units = MeasureDialogUnits(dialog->font(), &widths);
  QButtonGroup* radioGroup = nullptr;
  QLabel* lastLabel = nullptr;
  ControlIndex* index = ControlIndex::Of(dialog);
  if (index == nullptr) index = new ControlIndex(dialog);
  std::vector<QWidget*> widgets;
  std::vector<QRect> places;
  DialogGrowth growth;
  for (const ControlTemplate& ctl : tmpl.controls) {
    QWidget* widget = CreateControl(dialog, ctl, factories);
    widgets.push_back(widget);
    Tag(widget, ctl.id, *index);
    Configure(widget, ctl);
    if (!ctl.name.isEmpty()) widget->setAccessibleName(ctl.name);
    NameByLabel(widget, ctl, lastLabel);
    places.push_back(TemplatePlace(widget, ctl, units, topOffset));
    // A picture is drawn first, so that what stands beyond it makes room for
    // the picture's own size.
    if (ctl.kind == ControlKind::Picture) Place(widget, ctl, places.back());
    JoinRadioGroup(dialog, widget, ctl, radioGroup);
    ConnectStandardButton(dialog, widget, ctl.id);
  }
  FitControls(widgets, tmpl.controls, places, growth, widths);
  for (std::size_t k = 0; k < widgets.size(); ++k)
    Place(widgets[k], tmpl.controls[k], growth.Map(tmpl.controls[k].rect, places[k]));
  const QSize size = units.ToPixels(tmpl.width, tmpl.height) + QSize(0, topOffset);
  const QRect whole(0, 0, tmpl.width, tmpl.height);
  dialog->setFixedSize(growth.Map(whole, QRect(QPoint(), size)).size());
}

// A control stays the dialog's while no other window stands between them.
QWidget* GetDlgItem(const QWidget* dialog, int id) {
  if (dialog == nullptr || id == -1) return nullptr;
  const ControlIndex* index = ControlIndex::Of(dialog);
  QWidget* control = index != nullptr ? index->Find(id) : nullptr;
  for (const QWidget* up = control; up != nullptr && up != dialog; up = up->parentWidget()) {
    if (up->isWindow()) return nullptr;
  }
  return control;
}

void TakeOwnerIcon(QWidget* dialog) {
  const QWidget* owner = dialog->parentWidget();
  dialog->setWindowIcon(owner != nullptr ? owner->windowIcon() : QIcon());
}
