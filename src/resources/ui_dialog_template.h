#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// A dialog template as data: what the resource script of a dialog holds.
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
  int id = -1;              // -1: no identifier
  ControlKind kind = ControlKind::Label;
  QString text;
  unsigned style = kStyleNone;
  QRect rect;               // dialog units: x, y, width, height
  QStringList items;        // combo box items from the template's initial data
  QString className;        // a program class to create instead ("CTimeEdit"), or empty
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

// The identifiers of one row of the main window's alarm list, rows 1 to 5 in order.
struct ListRowIds {
  int number;       // the label showing the row's number
  int time;         // read-only time field
  int description;  // read-only description field
  int text;         // "Text" button
  int clear;        // "Clear" button
};
inline constexpr ListRowIds kListRows[5] = {{1044, 1000, 1001, 1002, 1003},
                                            {1045, 1006, 1011, 1012, 1013},
                                            {1046, 1014, 1015, 1016, 1017},
                                            {1047, 1018, 1019, 1020, 1021},
                                            {1048, 1022, 1023, 1024, 1025}};
// Row k (0 to 4) of the list lies kListRowTop + k * kListRowPitch dialog units down.
inline constexpr int kListRowTop = 45;
inline constexpr int kListRowPitch = 22;

// The program's dialog templates.
const DialogTemplate& AboutTemplate();        // 100
const DialogTemplate& MainTemplate();         // 102
const DialogTemplate& AlarmTextTemplate();    // 133
const DialogTemplate& AlarmPopupTemplate();   // 134
const DialogTemplate& SettingsTemplate();     // 141
const DialogTemplate& CalendarTemplate();     // 144
const DialogTemplate& ClearedNoticeTemplate();// 145
