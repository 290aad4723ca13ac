// The program's dialog templates: every control with its identifier, kind,
// text, style and rectangle in dialog units.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "core/model/alarm_kind.h"
#include "core/store/alarm_table.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/shown_texts.h"
#include "gui/resources/fonts.h"

namespace {

using K = ControlKind;

// The translators' context of the templates' texts: DialogText::tr gives a text
// in the user's language.
struct DialogText {
  Q_DECLARE_TR_FUNCTIONS(Dialog)
};

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

ControlTemplate Named(ControlTemplate c, const QString& name) {
  c.name = name;
  return c;
}

ControlTemplate OkButton(const QString& text, QRect rect) {
  return Ctl(IDOK_BUTTON, K::DefPushButton, text, kTabStop, rect);
}

// A combo box's items from a list of texts.
template <typename Texts>
QStringList ItemsOf(const Texts& texts) {
  QStringList items;
  for (std::string_view text : texts)
    items << QString::fromLatin1(text.data(), qsizetype(text.size()));
  return items;
}

const QStringList kColourItems = {
    QT_TRANSLATE_NOOP("Choice", "Yellow"), QT_TRANSLATE_NOOP("Choice", "Green"),
    QT_TRANSLATE_NOOP("Choice", "Blue"), QT_TRANSLATE_NOOP("Choice", "Orange"),
    QT_TRANSLATE_NOOP("Choice", "Pink")};

// The five rows of the main window's alarm list: row k lies at 45 + 22 k.
void AddListRows(std::vector<ControlTemplate>& controls) {
  const QStringList times = TimeTexts(), descriptions = RowDescriptionTexts();
  for (int k = 0; k < kListRowCount; ++k) {
    const int y = 45 + 22 * k;
    controls.push_back(Showing(
        Ctl(kRowNumberIds[k], K::Label, QString::number(k + 1), kCentred, QRect(116, y + 2, 8, 8)),
        {QString::number(kMaxAlarms)}));
    controls.push_back(Showing(Ctl(kRowTimeIds[k], K::Edit, QString(),
                                   kReadOnly | kCentred | kBorder, QRect(126, y, 20, 12)),
                               times));
    controls.push_back(
        Showing(Ctl(kRowTypeIds[k], K::Edit, QString(), kReadOnly | kBorder, QRect(152, y, 53, 12)),
                descriptions));
    controls.push_back(Ctl(kRowTextIds[k], K::PushButton, DialogText::tr("Text"), kTabStop,
                           QRect(211, y, 24, 12)));
    controls.push_back(Ctl(kRowClearIds[k], K::PushButton, DialogText::tr("Clear"), kTabStop,
                           QRect(241, y, 24, 12)));
  }
}

DialogTemplate MakeMain() {
  DialogTemplate t = Dialog(IDD_TOCKMERE_DIALOG, DialogText::tr("Tockmere"), 275, 177);
  t.minimizeBox = true;
  t.maximizeBox = true;
  auto& c = t.controls;
  c.push_back(
      Showing(Ctl(IDC_CLOCK, K::Edit, QString(), kCentred | kReadOnly, QRect(91, 0, 92, 12)),
              ClockLineTexts()));
  c.back().name = DialogText::tr("Time and date now");
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Set a new Alarm Call:"), kStyleNone,
                  QRect(4, 19, 87, 134)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Time:"), kStyleNone, QRect(11, 39, 18, 8)));
  c.push_back(Showing(ClassEdit(IDC_TIME, QStringLiteral("CTimeEdit"), QRect(32, 37, 40, 12)),
                      TimeTexts()));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Type:"), kStyleNone, QRect(10, 64, 19, 8)));
  c.push_back(Combo(IDC_TYPE, QRect(32, 61, 45, 82), ItemsOf(kFormTypes)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Day:"), kStyleNone, QRect(13, 87, 15, 8)));
  c.push_back(
      Combo(IDC_DAY, QRect(32, 85, 52, 89),
            {QT_TRANSLATE_NOOP("Choice", "Monday"), QT_TRANSLATE_NOOP("Choice", "Tuesday"),
             QT_TRANSLATE_NOOP("Choice", "Wednesday"), QT_TRANSLATE_NOOP("Choice", "Thursday"),
             QT_TRANSLATE_NOOP("Choice", "Friday"), QT_TRANSLATE_NOOP("Choice", "Saturday"),
             QT_TRANSLATE_NOOP("Choice", "Sunday"), QT_TRANSLATE_NOOP("Choice", "None")}));
  c.push_back(Showing(Ctl(IDC_DATE_LABEL, K::Label, DialogText::tr("Date:"), kCentred | kWordWrap,
                          QRect(7, 109, 25, 17)),
                      DateLabelTexts()));
  c.push_back(Showing(ClassEdit(IDC_DATE, QStringLiteral("CDateEdit"), QRect(32, 109, 40, 12)),
                      DateFieldTexts()));
  c.push_back(Ctl(IDC_ADD, K::PushButton, DialogText::tr("Add"), kTabStop, QRect(32, 133, 40, 12)));
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Your Current Alarm Calls:"), kStyleNone,
                  QRect(95, 19, 176, 134)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Time"), kStyleNone, QRect(127, 34, 17, 8)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Type"), kStyleNone, QRect(167, 34, 17, 8)));
  c.push_back(
      Named(Ctl(IDC_SCROLLBAR, K::VScrollBar, QString(), kStyleNone, QRect(103, 45, 10, 100)),
            DialogText::tr("Scroll the alarm calls")));
  AddListRows(c);
  c.push_back(OkButton(DialogText::tr("Exit"), QRect(117, 159, 40, 14)));
  return t;
}

DialogTemplate MakeAbout() {
  DialogTemplate t = Dialog(IDD_ABOUTBOX, DialogText::tr("About Tockmere"), 124, 112);
  auto& c = t.controls;
  c.push_back(
      Ctl(IDC_STATIC, K::Picture, QString::number(IDB_ABOUT_CLOCK), kSunken, QRect(31, 6, 19, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label,
                  DialogText::tr("Tockmere   version %1").arg(QStringLiteral(TOCKMERE_VERSION)),
                  kWordWrap, QRect(53, 11, 41, 17)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Copyright \u00a9 the Tockmere authors"),
                  kWordWrap, QRect(31, 38, 67, 20)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("For more please visit us at"), kStyleNone,
                  QRect(23, 61, 79, 8)));
  c.push_back(Ctl(IDC_WEB_LINK, K::PushButton, QStringLiteral(TOCKMERE_DOC_FROM_BIN), kTabStop,
                  QRect(15, 72, 94, 13)));
  c.push_back(OkButton(DialogText::tr("OK"), QRect(43, 94, 40, 14)));
  return t;
}

DialogTemplate MakeAlarmText() {
  DialogTemplate t = Dialog(IDD_ALARM_TEXT, DialogText::tr("Alarm Text"), 112, 102);
  auto& c = t.controls;
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Alarm:"), kStyleNone, QRect(4, 6, 20, 8)));
  c.push_back(Showing(
      Ctl(IDC_ALARM_TIME, K::Edit, QString(), kReadOnly | kCentred | kBorder, QRect(27, 4, 22, 12)),
      TimeTexts()));
  c.push_back(Showing(Ctl(IDC_ALARM_DESC, K::MultiLineEdit, QString(),
                          kReadOnly | kCentred | kBorder, QRect(54, 4, 54, 20)),
                      LongDescriptionTexts()));
  c.back().name = DialogText::tr("When the alarm goes off");
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Text:"), kStyleNone, QRect(4, 23, 16, 8)));
  c.push_back(Ctl(IDC_ALARM_TEXT, K::MultiLineEdit, QString(), kWantReturn | kBorder | kTabStop,
                  QRect(4, 33, 104, 44)));
  c.push_back(OkButton(DialogText::tr("Save"), QRect(59, 84, 40, 14)));
  c.push_back(Ctl(IDCANCEL_BUTTON, K::PushButton, DialogText::tr("Cancel"), kTabStop,
                  QRect(12, 84, 40, 14)));
  return t;
}

DialogTemplate MakeAlarmPopup() {
  DialogTemplate t = Dialog(IDD_ALARM_POPUP, DialogText::tr("Your alarm call:"), 146, 115);
  t.controls.push_back(Ctl(IDC_STATIC, K::BlackFrame, QString(), kStyleNone, QRect(4, 4, 138, 88)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(53, 97, 40, 14)));
  return t;
}

void AddFontChoices(std::vector<ControlTemplate>& c) {
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Alarm Call font:"), kStyleNone,
                  QRect(4, 4, 106, 93)));
  c.push_back(Ctl(IDC_FONT_SAMPLES, K::Picture, QString::number(IDB_FONT_SAMPLES), kSunken,
                  QRect(10, 22, 80, 67)));
  const int ys[5] = {24, 38, 51, 64, 77};
  for (int k = 0; k < kFontChoiceCount; ++k) {
    const unsigned style = k == 0 ? kGroupStart | kTabStop : kStyleNone;
    c.push_back(
        Named(Ctl(kFontRadioIds[k], K::RadioButton, QString(), style, QRect(96, ys[k], 9, 10)),
              DialogText::tr("Alarm call font: %1").arg(AlarmFontFace(k))));
  }
}

void AddColourChoices(std::vector<ControlTemplate>& c) {
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, DialogText::tr("Background colours:"), kStyleNone,
                  QRect(114, 4, 102, 93)));
  const char* labels[5] = {
      QT_TRANSLATE_NOOP("Dialog", "One-off:"), QT_TRANSLATE_NOOP("Dialog", "Daily:"),
      QT_TRANSLATE_NOOP("Dialog", "Weekly:"), QT_TRANSLATE_NOOP("Dialog", "Fortnightly:"),
      QT_TRANSLATE_NOOP("Dialog", "Monthly:")};
  const int labelYs[5] = {24, 38, 52, 66, 80};
  const int boxYs[5] = {21, 35, 49, 63, 78};
  for (int k = 0; k < 5; ++k) {
    c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr(labels[k]), kStyleNone,
                    QRect(123, labelYs[k], 36, 8)));
    c.push_back(Combo(kColourBoxIds[k], QRect(161, boxYs[k], 48, 60), kColourItems));
  }
}

DialogTemplate MakeSettings() {
  DialogTemplate t = Dialog(IDD_SETTINGS, DialogText::tr("Tockmere Settings"), 220, 151);
  t.minimizeBox = true;
  auto& c = t.controls;
  AddFontChoices(c);
  AddColourChoices(c);
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, QString(), kStyleNone, QRect(4, 98, 131, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Date format:"), kStyleNone,
                  QRect(14, 109, 36, 12)));
  c.push_back(Combo(IDC_DATE_FORMAT, QRect(57, 107, 68, 47),
                    {QT_TRANSLATE_NOOP("Choice", "U.K. (dd/mm/yy)"),
                     QT_TRANSLATE_NOOP("Choice", "U.S. (mm/dd/yy)")}));
  c.push_back(Ctl(IDC_STATIC, K::GroupBox, QString(), kStyleNone, QRect(139, 98, 77, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Sound Alarms:"), kStyleNone,
                  QRect(150, 109, 45, 8)));
  c.push_back(Ctl(IDC_SOUND, K::CheckBox, QString(), kTabStop, QRect(200, 108, 12, 10)));
  c.push_back(Ctl(IDCANCEL_BUTTON, K::PushButton, DialogText::tr("Cancel"), kTabStop,
                  QRect(69, 133, 40, 14)));
  c.push_back(OkButton(DialogText::tr("Save"), QRect(117, 133, 40, 14)));
  return t;
}

DialogTemplate MakeCalendar() {
  DialogTemplate t = Dialog(IDD_CALENDAR, DialogText::tr("Calendar"), 126, 114);
  t.controls.push_back(Ctl(IDC_CALENDAR, K::MonthCalendar, QStringLiteral("MonthCalendar1"),
                           kTabStop, QRect(4, 5, 118, 83)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(44, 96, 40, 14)));
  return t;
}

DialogTemplate MakeClearedNotice() {
  DialogTemplate t = Dialog(IDD_CLEARED_NOTICE, DialogText::tr("Tockmere"), 122, 83);
  t.controls.push_back(
      Ctl(IDC_NOTICE_TEXT, K::Label, QStringLiteral("Static"), kWordWrap, QRect(4, 0, 114, 62)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(41, 65, 40, 14)));
  return t;
}

}  // namespace

RowNames RowNamesOf(int number) {
  const QString n = QString::number(number);
  return {DialogText::tr("Alarm %1 time").arg(n), DialogText::tr("Alarm %1 type").arg(n),
          DialogText::tr("Text of alarm %1").arg(n), DialogText::tr("Clear alarm %1").arg(n)};
}

QString RowAlarmWords(const QString& time, const QString& kind) {
  if (time.isEmpty()) return DialogText::tr("Empty row");
  return kind.isEmpty() ? time : time + QStringLiteral(", ") + kind;
}

const DialogTemplate& AboutTemplate() {
  static const DialogTemplate t = MakeAbout();
  return t;
}

const DialogTemplate& MainTemplate() {
  static const DialogTemplate t = MakeMain();
  return t;
}

const DialogTemplate& AlarmTextTemplate() {
  static const DialogTemplate t = MakeAlarmText();
  return t;
}

const DialogTemplate& AlarmPopupTemplate() {
  static const DialogTemplate t = MakeAlarmPopup();
  return t;
}

const DialogTemplate& SettingsTemplate() {
  static const DialogTemplate t = MakeSettings();
  return t;
}

const DialogTemplate& CalendarTemplate() {
  static const DialogTemplate t = MakeCalendar();
  return t;
}

const DialogTemplate& ClearedNoticeTemplate() {
  static const DialogTemplate t = MakeClearedNotice();
  return t;
}
