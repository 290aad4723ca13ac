#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// A dialog template as data: caption, size, font, and every control.
enum class ControlKind {
  Edit,           // single-line QLineEdit
  MultiLineEdit,  // QPlainTextEdit
  ComboBox,       // editable drop-down QComboBox
  PushButton,
  DefPushButton,  // the default push button
  Label,          // QLabel
  GroupBox,
  VScrollBar,
  CheckBox,
  RadioButton,
  Picture,        // QLabel showing a pixmap (text names the image resource)
  BlackFrame,     // QFrame drawn as a black rectangle
  MonthCalendar,  // QCalendarWidget without the today line
};

enum ControlStyle : unsigned {
  kStyleNone = 0,
  kCentred = 1u << 0,
  kRight = 1u << 1,
  kReadOnly = 1u << 2,
  kBorder = 1u << 3,
  kTabStop = 1u << 4,
  kGroupStart = 1u << 5,
  kWantReturn = 1u << 6,
  kSunken = 1u << 7,
  kWordWrap = 1u << 8,
};

// Texts a function makes in the user's language, which a control may show at
// run time: made only when they are measured, known in the memo by the name.
struct MadeTexts {
  const char* name = nullptr;
  QStringList (*make)() = nullptr;
};

struct ControlTemplate {
  int id = -1;  // -1: no identifier
  ControlKind kind = ControlKind::Label;
  QString text;
  unsigned style = kStyleNone;
  QRect rect;         // dialog units: x, y, width, height
  QStringList items;  // combo box items from the template's initial data
  QString className;  // a program class to create instead ("CTimeEdit"), or empty
  // What the program may put into the control at run time: the control grows
  // to show the widest of these whole, as it does for its own text and items.
  QStringList shows;
  MadeTexts madeShows;  // more of them, made when measured
  // What a screen reader calls a control that no label names, or empty.
  QString name;
};

struct DialogTemplate {
  int id = 0;
  QString caption;
  int width = 0;   // dialog units
  int height = 0;  // dialog units
  QString fontFace = QStringLiteral("MS Sans Serif");
  int fontPoints = 8;
  bool minimizeBox = false;
  bool maximizeBox = false;
  std::vector<ControlTemplate> controls;
};

// The translators' context of the templates' texts: DialogText::tr gives a
// text in the user's language.
struct DialogText {
  Q_DECLARE_TR_FUNCTIONS(DialogText)
};

// The makers of a template: a dialog with no controls yet, and each control.
DialogTemplate Dialog(int id, const QString& caption, int width, int height);
ControlTemplate Ctl(int id, ControlKind kind, const QString& text, unsigned style, QRect rect);
// A drop-down combo box with an edit field; the rectangle's height includes the list.
ControlTemplate Combo(int id, QRect rect, const QStringList& items);
// An edit field made by a program class (the filtering time and date fields).
ControlTemplate ClassEdit(int id, const QString& className, QRect rect);
// The control with the texts it may show at run time, and with what a screen
// reader calls it.
ControlTemplate Showing(ControlTemplate c, const QStringList& shows);
ControlTemplate ShowingMade(ControlTemplate c, MadeTexts shows);
ControlTemplate Named(ControlTemplate c, const QString& name);
// The dialog's OK (Save, Exit) button, its default.
ControlTemplate OkButton(const QString& text, QRect rect);
