// Every control shows its longest text whole in each sans-serif face a desktop
// may have, the templates built with that face.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/list/alarm_description.h"
#include "core/model/alarm_record.h"
#include "core/scheduler/clock_reading.h"
#include "gui/app/about_dlg.h"
#include "gui/app/main_template.h"
#include "gui/app/translations.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/fitting_memo.h"
#include "gui/entry/calendar_dlg.h"
#include "gui/entry/entry_fields.h"
#include "gui/list/alarm_text_dlg.h"
#include "gui/platform/translated_phrase.h"
#include "gui/scheduler/alarm_popup_dlg.h"
#include "gui/scheduler/cleared_notice_dlg.h"
#include "gui/settings/settings_dlg.h"
#include "gui_support.h"

namespace {

const char* const kFaces[] = {"DejaVu Sans", "Liberation Sans", "Cantarell", "Noto Sans"};

std::unique_ptr<QDialog> BuildIn(const DialogTemplate& tmpl, const char* face,
                                 FittingMemo* memo = nullptr) {
  DialogTemplate copy = tmpl;
  copy.fontFace = QString::fromLatin1(face);
  auto dialog = std::make_unique<QDialog>();
  BuildDialog(dialog.get(), copy, EntryFieldFactories(), nullptr, memo);
  dialog->show();
  return dialog;
}

// The texts in the language the test runs in (gui.whole_texts_test_de: German).
QString Row(const char* type, const std::string& day, const char* date, DateFormat order) {
  return Translated(DescribeRecordPhrase({type, day, "20:58", date, ""}, ClockSnapshot{}, order));
}

QString Long(const char* type, const std::string& day, const char* date) {
  return Translated(
      DescribeAlarmLongPhrase({type, day, "20:58", date, ""}, ClockSnapshot{}, DateFormat::Uk));
}

QStringList In(const char* context, std::initializer_list<const char*> texts) {
  QStringList translated;
  for (const char* text : texts) translated << QCoreApplication::translate(context, text);
  return translated;
}

// The same texts of each weekday.
template <typename Text>
QStringList EachWeekday(Text text) {
  QStringList texts;
  for (std::string_view day : kWeekdayNames) texts << text(std::string(day));
  return texts;
}

QStringList ClockLines() {
  QStringList lines;
  ClockSnapshot clock;
  clock.hour = 20, clock.minute = 58, clock.day = 28, clock.month = 8, clock.year = 38;
  for (std::string_view day : kWeekdayNames) {
    clock.weekdayName = std::string(day);
    for (DateFormat order : {DateFormat::Uk, DateFormat::Us})
      lines << Translated(ClockLinePhrase(clock, order));
  }
  return lines;
}

// A dialog whose controls the template draws too narrow for their texts: a
// button, and two labels ending at one edge, the shorter first.
const int kShortLabel = 101, kLongLabel = 102;

ControlTemplate Narrow(int id, ControlKind kind, const char* text, QRect rect) {
  ControlTemplate ctl;
  ctl.id = id, ctl.kind = kind, ctl.text = QString::fromLatin1(text), ctl.rect = rect;
  return ctl;
}

const DialogTemplate& NarrowTemplate() {
  static const DialogTemplate narrow = [] {
    DialogTemplate t;
    t.width = 30, t.height = 44;
    t.controls = {Narrow(IDOK_BUTTON, ControlKind::DefPushButton, "Cancel", QRect(4, 4, 10, 14)),
                  Narrow(kShortLabel, ControlKind::Label, "One-off:", QRect(4, 22, 10, 8)),
                  Narrow(kLongLabel, ControlKind::Label, "Fortnightly:", QRect(4, 32, 10, 8))};
    return t;
  }();
  return narrow;
}

struct Longest {
  const DialogTemplate& (*tmpl)();
  int id;
  QStringList texts;
};

std::vector<Longest> Table() {
  const QStringList rowTypes =
      QStringList{Row("Fortnightly", "None", "28/08/26", DateFormat::Us),
                  Row("Monthly", "None", "21", DateFormat::Uk),
                  Row("Monthly", "None", "1", DateFormat::Uk),
                  QCoreApplication::translate("Choice", "Tomorrow")} +
      EachWeekday([](const std::string& d) { return Row("Monthly", d, "Last", DateFormat::Uk); }) +
      EachWeekday([](const std::string& d) { return Row("Monthly", d, "2", DateFormat::Uk); }) +
      EachWeekday([](const std::string& d) { return Row("Weekly", d, "", DateFormat::Uk); });
  std::vector<Longest> table = {
      {MainTemplate, IDC_CLOCK, ClockLines()},
      {MainTemplate, IDC_TIME, {"20:58"}},
      {MainTemplate, IDC_TYPE,
       In("Choice",
          {"Today", "Tomorrow", "Daily", "Weekly", "Fortnightly", "Monthly", "One Date"})},
      {MainTemplate, IDC_DAY,
       In("Choice",
          {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "None"})},
      {MainTemplate, IDC_DATE_LABEL,
       In("Date label", {"Week in month:", "Day of month:", "From Date:", "Date:"})},
      {MainTemplate, IDC_DATE, {"28/08/26", "Last"}},
      {MainTemplate, IDC_ADD, In("DialogText", {"Add"})},
      {MainTemplate, IDOK_BUTTON, In("DialogText", {"Exit"})},
      {AlarmTextTemplate, IDC_ALARM_TIME, {"20:58"}},
      {AlarmTextTemplate, IDC_ALARM_DESC,
       QStringList{Long("Fortnightly", "None", "28/08/26"), Long("Monthly", "None", "21")} +
           EachWeekday([](const std::string& d) { return Long("Monthly", d, "Last"); }) +
           EachWeekday([](const std::string& d) { return Long("Monthly", d, "2"); }) +
           EachWeekday([](const std::string& d) { return Long("Weekly", d, ""); })},
      {AlarmTextTemplate, IDCANCEL_BUTTON, In("DialogText", {"Cancel"})},
      {SettingsTemplate, IDC_DATE_FORMAT, In("Choice", {"U.K. (dd/mm/yy)", "U.S. (mm/dd/yy)"})},
      {SettingsTemplate, IDCANCEL_BUTTON, In("DialogText", {"Cancel"})},
      {SettingsTemplate, IDOK_BUTTON, In("DialogText", {"Save"})},
      {NarrowTemplate, IDOK_BUTTON, {"Cancel"}},
      {NarrowTemplate, kShortLabel, {"One-off:"}},
      {NarrowTemplate, kLongLabel, {"Fortnightly:"}},
  };
  for (int id : kColourBoxIds)
    table.push_back(
        {SettingsTemplate, id, In("Choice", {"Yellow", "Green", "Blue", "Orange", "Pink"})});
  for (int k = 0; k < kListRowCount; ++k) {
    table.push_back({MainTemplate, kRowNumberIds[k], {"12"}});
    table.push_back({MainTemplate, kRowTimeIds[k], {"20:58"}});
    table.push_back({MainTemplate, kRowTypeIds[k], rowTypes});
    table.push_back({MainTemplate, kRowTextIds[k], In("DialogText", {"Text"})});
    table.push_back({MainTemplate, kRowClearIds[k], In("DialogText", {"Clear"})});
  }
  return table;
}

// Where a line edit starts its text, with the cursor at the position given.
int TextStart(QLineEdit* edit, int cursor, const QString& text) {
  edit->setCursorPosition(cursor);
  edit->grab();  // the scroll is worked out as it paints
  const QRect rect = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  return rect.center().x() - edit->fontMetrics().horizontalAdvance(text.left(cursor));
}

// A line edit that shows its text whole starts it in one place wherever the
// cursor is: one that must scroll to show the cursor at the end has cut off
// the start (setText leaves the cursor there).
bool LineShowsWhole(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  return TextStart(edit, int(text.size()), text) == TextStart(edit, 0, text);
}

// A button's text is centred with a pixel of air each side between its frame.
bool ButtonShowsWhole(QPushButton* button, const QString& text) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = text;
  if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
  if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  const QRect contents =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  return button->fontMetrics().horizontalAdvance(text) + 2 <= contents.width();
}

bool ShowsWhole(QWidget* widget, const QString& text) {
  const QFontMetrics metrics = widget->fontMetrics();
  if (auto* box = qobject_cast<QComboBox*>(widget)) return LineShowsWhole(box->lineEdit(), text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return LineShowsWhole(edit, text);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    edit->setPlainText(text);
    edit->grab();
    return edit->verticalScrollBar()->maximum() == 0;
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
    if (label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
    return metrics.horizontalAdvance(text) <= label->contentsRect().width();
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) return ButtonShowsWhole(button, text);
  ADD_FAILURE() << "no measure for " << widget->metaObject()->className();
  return false;
}

// The lines the control shows its text in, once ShowsWhole has put it there.
int ShownLines(QWidget* widget) {
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    int lines = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
      lines += block.layout()->lineCount();
    return lines;
  }
  auto* label = qobject_cast<QLabel*>(widget);
  if (label == nullptr || !label->wordWrap()) return 1;
  const int height = label->heightForWidth(label->width()) - 2 * label->frameWidth();
  return qRound(double(height) / label->fontMetrics().lineSpacing());
}

const ControlTemplate& ControlOf(const DialogTemplate& tmpl, int id) {
  return *std::find_if(tmpl.controls.begin(), tmpl.controls.end(),
                       [id](const ControlTemplate& ctl) { return ctl.id == id; });
}

// Each text shows whole, in no more lines than the template drew the control
// for: a line of text is 8 dialog units high.
TEST(WholeTexts, EveryControlShowsItsLongestTextInEachFace) {
  for (const char* face : kFaces) {
    SCOPED_TRACE(face);
    ASSERT_TRUE(QFontDatabase::hasFamily(face)) << face << " is not installed";
    for (const Longest& row : Table()) {
      SCOPED_TRACE(row.id);
      const auto dialog = BuildIn(row.tmpl(), face);
      QWidget* widget = GetDlgItem(dialog.get(), row.id);
      ASSERT_NE(widget, nullptr);
      const int lines = std::max(1, ControlOf(row.tmpl(), row.id).rect.height() / 8);
      for (const QString& text : row.texts) {
        EXPECT_TRUE(ShowsWhole(widget, text)) << text.toStdString();
        EXPECT_LE(ShownLines(widget), lines) << text.toStdString();
      }
      EXPECT_TRUE(dialog->rect().contains(widget->geometry()));
    }
  }
}

const std::vector<const DialogTemplate*>& AllTemplates() {
  static const std::vector<const DialogTemplate*> all = {
      &AboutTemplate(),    &MainTemplate(),     &AlarmTextTemplate(),    &AlarmPopupTemplate(),
      &SettingsTemplate(), &CalendarTemplate(), &ClearedNoticeTemplate()};
  return all;
}

// Whether the template puts b to the right of a, their rows overlapping.
bool RightOf(const QRect& a, const QRect& b) {
  return a.x() + a.width() <= b.x() && a.y() < b.y() + b.height() && b.y() < a.y() + a.height();
}

int GapRight(const QRect& a, const QRect& b) {
  return b.x() - (a.x() + a.width());
}

// A rectangle with x and y exchanged: what stands below stands to the right.
QRect Flipped(const QRect& r) {
  return QRect(r.y(), r.x(), r.height(), r.width());
}

bool IsPushButton(const ControlTemplate& ctl) {
  return ctl.kind == ControlKind::PushButton || ctl.kind == ControlKind::DefPushButton;
}

// The dialog as a screen at this scale shows it.
QImage Rendered(QWidget* dialog, double scale) {
  QImage image((QSizeF(dialog->size()) * scale).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  dialog->render(&image);
  return image;
}

// Whether a line darker than the dialog's face runs along every side of the
// field placed at place: within a pixel of each side, nine steps in ten.
bool FramedAllRound(const QImage& image, const QRect& place, int face) {
  const double scale = image.devicePixelRatio();
  const int left = qRound(place.x() * scale), right = qRound((place.x() + place.width()) * scale);
  const int top = qRound(place.y() * scale), bottom = qRound((place.y() + place.height()) * scale);
  auto dark = [&](int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < face - 30;
  };
  auto side = [&](int from, int to, auto inked) {
    int missing = 0;
    for (int t = from + 3; t < to - 3; ++t)
      missing += !(inked(t, -1) || inked(t, 0) || inked(t, 1));
    return missing * 10 <= to - from;
  };
  return side(top, bottom, [&](int y, int d) { return dark(left + d, y); }) &&
         side(top, bottom, [&](int y, int d) { return dark(right - 1 + d, y); }) &&
         side(left, right, [&](int x, int d) { return dark(x, top + d); }) &&
         side(left, right, [&](int x, int d) { return dark(x, bottom - 1 + d); });
}

bool HasFrame(QWidget* field) {
  auto* edit = qobject_cast<QLineEdit*>(field);
  auto* text = qobject_cast<QPlainTextEdit*>(field);
  return (edit != nullptr && edit->hasFrame()) ||
         (text != nullptr && text->frameShape() != QFrame::NoFrame);
}

// What stands to the right of a control in the template, or below it, stays as
// far from it once the controls have grown to their texts and pictures; push
// buttons drawn alike in one row (Cancel and Save) stay one width; framed
// fields show their frames whole at the fractional scales of a screen too,
// where a line on a field's very edge falls out of it.
TEST(WholeTexts, ControlsKeepTheirDistancesPairsAndFramesInEachFace) {
  for (const char* face : kFaces) {
    SCOPED_TRACE(face);
    for (const DialogTemplate* tmpl : AllTemplates()) {
      SCOPED_TRACE(tmpl->id);
      const auto dialog = BuildIn(*tmpl, face);
      const auto widgets = dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
      ASSERT_EQ(std::size_t(widgets.size()), tmpl->controls.size());
      const DialogUnits units = MeasureDialogUnits(dialog->font());
      for (qsizetype a = 0; a < widgets.size(); ++a) {
        for (qsizetype b = 0; b < widgets.size(); ++b) {
          const QRect& ua = tmpl->controls[std::size_t(a)].rect;
          const QRect& ub = tmpl->controls[std::size_t(b)].rect;
          if (a < b && IsPushButton(tmpl->controls[std::size_t(a)]) &&
              IsPushButton(tmpl->controls[std::size_t(b)]) && ua.y() == ub.y() &&
              ua.size() == ub.size()) {
            EXPECT_EQ(widgets[a]->width(), widgets[b]->width()) << a << " and " << b;
          }
          for (const auto turn : {+[](const QRect& r) { return r; }, &Flipped}) {
            if (!RightOf(turn(ua), turn(ub))) continue;
            EXPECT_GE(GapRight(turn(widgets[a]->geometry()), turn(widgets[b]->geometry())),
                      GapRight(turn(units.ToPixels(ua)), turn(units.ToPixels(ub))))
                << a << " to " << b << (turn == &Flipped ? " below" : " right");
          }
        }
      }
      const int gray = qGray(dialog->palette().color(QPalette::Window).rgb());
      for (double scale : {1.0, 1.22, 1.5}) {
        const QImage image = Rendered(dialog.get(), scale);
        for (QWidget* field : widgets) {
          if (HasFrame(field)) {
            EXPECT_TRUE(FramedAllRound(image, field->geometry(), gray))
                << field->objectName().toStdString() << " at " << scale;
          }
        }
      }
    }
  }
}

// Where a dialog and each of its controls stand.
std::vector<QRect> Places(const QDialog& dialog) {
  std::vector<QRect> places{dialog.rect()};
  for (QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    places.push_back(w->geometry());
  return places;
}

// What fitting measured, kept and recalled at the next start, builds every
// template exactly as measuring does in each face; what was kept for another
// face (the face before) is not taken for this one's.
TEST(WholeTexts, KeptMeasuresBuildTheSameDialogsInEachFace) {
  QTemporaryDir dir;
  const std::filesystem::path file = dir.filePath("fitted-texts").toStdString();
  for (const DialogTemplate* tmpl : AllTemplates()) {
    SCOPED_TRACE(tmpl->id);
    for (const char* face : kFaces) {
      SCOPED_TRACE(face);
      const std::vector<QRect> measured = Places(*BuildIn(*tmpl, face));
      FittingMemo another(file);
      another.SetTextsSource(TextsSource(*QCoreApplication::instance()));
      EXPECT_EQ(Places(*BuildIn(*tmpl, face, &another)), measured);
      ASSERT_TRUE(another.Save());
      FittingMemo kept(file);
      kept.SetTextsSource(another.TextsSource());
      EXPECT_EQ(Places(*BuildIn(*tmpl, face, &kept)), measured);
      EXPECT_FALSE(kept.Changed());  // every measure was recalled
    }
  }
}

// The calendar shows its six week rows whole.
TEST(WholeTexts, CalendarShowsSixWeeksInEachFace) {
  for (const char* face : kFaces) {
    SCOPED_TRACE(face);
    const auto dialog = BuildIn(CalendarTemplate(), face);
    auto* calendar = DlgItem<QCalendarWidget>(dialog.get(), IDC_CALENDAR);
    calendar->setCurrentPage(2026, 8);  // 1 August is a Saturday: six weeks
    auto* view = calendar->findChild<QAbstractItemView*>();
    dialog->grab();
    const QRect lastWeek = view->visualRect(view->model()->index(6, 6));
    EXPECT_LE(lastWeek.bottom(), view->viewport()->height()) << lastWeek.bottom();
  }
}

}  // namespace
