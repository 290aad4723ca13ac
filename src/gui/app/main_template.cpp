// The main window's template: every control with its identifier, kind, text,
// style and rectangle in dialog units.
#include "gui/app/main_template.h"

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "core/model/alarm_kind.h"
#include "core/store/alarm_table.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_template.h"
#include "gui/list/shown_texts.h"

namespace {

using K = ControlKind;

// A combo box's items from a list of texts.
template <typename Texts>
QStringList ItemsOf(const Texts& texts) {
  QStringList items;
  for (std::string_view text : texts)
    items << QString::fromLatin1(text.data(), qsizetype(text.size()));
  return items;
}

// The five rows of the main window's alarm list: row k lies at 45 + 22 k.
void AddListRows(std::vector<ControlTemplate>& controls) {
  const QStringList times = TimeTexts();
  for (int k = 0; k < kListRowCount; ++k) {
    const int y = 45 + 22 * k;
    controls.push_back(Showing(
        Ctl(kRowNumberIds[k], K::Label, QString::number(k + 1), kCentred, QRect(116, y + 2, 8, 8)),
        {QString::number(kMaxAlarms)}));
    controls.push_back(Showing(Ctl(kRowTimeIds[k], K::Edit, QString(),
                                   kReadOnly | kCentred | kBorder, QRect(126, y, 20, 12)),
                               times));
    controls.push_back(ShowingMade(
        Ctl(kRowTypeIds[k], K::Edit, QString(), kReadOnly | kBorder, QRect(152, y, 53, 12)),
        {"row descriptions", RowDescriptionTexts}));
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
      ShowingMade(Ctl(IDC_CLOCK, K::Edit, QString(), kCentred | kReadOnly, QRect(91, 0, 92, 12)),
                  {"clock line", ClockLineTexts}));
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

}  // namespace

const DialogTemplate& MainTemplate() {
  static const DialogTemplate t = MakeMain();
  return t;
}
