#pragma once

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

// What a screen reader calls the controls of the list row that shows alarm
// number ("Alarm 1 time", "Alarm 1 type", "Text of alarm 1", "Clear alarm 1").
struct RowNames {
  QString time;
  QString type;
  QString text;
  QString clear;
};
RowNames RowNamesOf(int number);
// What a screen reader says of the alarm a row shows: its time and kind as
// the row shows them ("07:01, Daily"), or that the row is empty.
QString RowAlarmWords(const QString& time, const QString& kind);

// The program's dialog templates.
const DialogTemplate& AboutTemplate();          // IDD_ABOUTBOX
const DialogTemplate& MainTemplate();           // IDD_TOCKMERE_DIALOG
const DialogTemplate& AlarmTextTemplate();      // IDD_ALARM_TEXT
const DialogTemplate& AlarmPopupTemplate();     // IDD_ALARM_POPUP
const DialogTemplate& SettingsTemplate();       // IDD_SETTINGS
const DialogTemplate& CalendarTemplate();       // IDD_CALENDAR
const DialogTemplate& ClearedNoticeTemplate();  // IDD_CLEARED_NOTICE
