// The dialog templates built into widgets: identifiers, kinds, texts and places.
#include "gui/dialog/dialog_builder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "gui/app/about_dlg.h"
#include "gui/app/main_template.h"
#include "gui/app/translations.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_face.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/fitting_memo.h"
#include "gui/entry/calendar_dlg.h"
#include "gui/list/alarm_text_dlg.h"
#include "gui/resources/app_icon.h"
#include "gui/scheduler/alarm_popup_dlg.h"
#include "gui/scheduler/cleared_notice_dlg.h"
#include "gui/settings/settings_dlg.h"
#include "gui_support.h"

namespace {

std::unique_ptr<QDialog> Build(const DialogTemplate& tmpl) {
  auto dialog = std::make_unique<QDialog>();
  BuildDialog(dialog.get(), tmpl);
  return dialog;
}

DialogUnits UnitsOf(const QDialog& dialog) {
  return MeasureDialogUnits(dialog.font());
}

const std::vector<const DialogTemplate*>& AllTemplates() {
  static const std::vector<const DialogTemplate*> all = {
      &AboutTemplate(),    &MainTemplate(),     &AlarmTextTemplate(),    &AlarmPopupTemplate(),
      &SettingsTemplate(), &CalendarTemplate(), &ClearedNoticeTemplate()};
  return all;
}

// Whether a widget is of the class a control of this kind is built as.
bool HasKindClass(ControlKind kind, QWidget* w) {
  switch (kind) {
    case ControlKind::Edit:
      return qobject_cast<QLineEdit*>(w) != nullptr;
    case ControlKind::MultiLineEdit:
      return qobject_cast<QPlainTextEdit*>(w) != nullptr;
    case ControlKind::ComboBox:
      return qobject_cast<QComboBox*>(w) != nullptr;
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
      return qobject_cast<QPushButton*>(w) != nullptr;
    case ControlKind::Label:
    case ControlKind::Picture:
      return qobject_cast<QLabel*>(w) != nullptr;
    case ControlKind::GroupBox:
      return qobject_cast<QGroupBox*>(w) != nullptr;
    case ControlKind::VScrollBar: {
      auto* bar = qobject_cast<QScrollBar*>(w);
      return bar != nullptr && bar->orientation() == Qt::Vertical;
    }
    case ControlKind::CheckBox:
      return qobject_cast<QCheckBox*>(w) != nullptr;
    case ControlKind::RadioButton:
      return qobject_cast<QRadioButton*>(w) != nullptr;
    case ControlKind::BlackFrame:
      return qobject_cast<QFrame*>(w) != nullptr;
    case ControlKind::MonthCalendar:
      return qobject_cast<QCalendarWidget*>(w) != nullptr;
  }
  return false;
}

QString ShownText(QWidget* w) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* text = qobject_cast<QPlainTextEdit*>(w)) return text->toPlainText();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  return QString();
}

bool ShowsTextOf(ControlKind kind) {
  return kind != ControlKind::Picture && kind != ControlKind::MonthCalendar &&
         kind != ControlKind::ComboBox;
}

TEST(DialogBuilder, EveryTemplateBuildsWithCaptionSizeAndControls) {
  for (const DialogTemplate* tmpl : AllTemplates()) {
    SCOPED_TRACE(tmpl->id);
    auto dialog = Build(*tmpl);
    EXPECT_EQ(dialog->windowTitle(), tmpl->caption);
    // At least the template's size: a dialog grows where a text needs it.
    const QSize drawn = UnitsOf(*dialog).ToPixels(tmpl->width, tmpl->height);
    EXPECT_EQ(dialog->size().expandedTo(drawn), dialog->size());
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    for (const ControlTemplate& ctl : tmpl->controls) {
      if (ctl.id == -1) continue;
      SCOPED_TRACE(ctl.id);
      QWidget* w = GetDlgItem(dialog.get(), ctl.id);
      ASSERT_NE(w, nullptr);
      EXPECT_EQ(w->objectName(), QStringLiteral("ctl%1").arg(ctl.id));
      EXPECT_TRUE(HasKindClass(ctl.kind, w));
      if (ShowsTextOf(ctl.kind)) {
        EXPECT_EQ(ShownText(w), ctl.text);
      }
    }
  }
}

TEST(DialogBuilder, OneLineLabelsShowTheirWholeTextInsideTheDialog) {
  for (const DialogTemplate* tmpl : AllTemplates()) {
    SCOPED_TRACE(tmpl->id);
    auto dialog = Build(*tmpl);
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->wordWrap() || label->text().isEmpty()) continue;
      SCOPED_TRACE(label->text().toStdString());
      EXPECT_GE(label->contentsRect().width(),
                label->fontMetrics().horizontalAdvance(label->text()));
      EXPECT_TRUE(dialog->rect().contains(label->geometry()));
    }
  }
}

TEST(DialogBuilder, MainWindowHoldsItsFormListAndExitControls) {
  auto dialog = Build(MainTemplate());
  EXPECT_EQ(MainTemplate().id, 102);
  EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), IDOK_BUTTON)), "Exit");
  EXPECT_TRUE(DlgItem<QPushButton>(dialog.get(), IDOK_BUTTON)->isDefault());
  EXPECT_FALSE(DlgItem<QPushButton>(dialog.get(), IDC_ADD)->isDefault());
  EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), IDC_ADD)), "Add");
  EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), IDC_DATE_LABEL)), "Date:");
  auto* clock = DlgItem<QLineEdit>(dialog.get(), IDC_CLOCK);
  EXPECT_TRUE(clock->isReadOnly());
  EXPECT_FALSE(clock->hasFrame());
  EXPECT_EQ(clock->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  for (int id : {IDC_TIME, IDC_DATE}) {
    auto* field = DlgItem<QLineEdit>(dialog.get(), id);
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_TRUE(field->hasFrame());
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }
  // The template names the program classes of the two filtered fields.
  for (const ControlTemplate& ctl : MainTemplate().controls) {
    if (ctl.id == IDC_TIME) {
      EXPECT_EQ(ctl.className, "CTimeEdit");
    } else if (ctl.id == IDC_DATE) {
      EXPECT_EQ(ctl.className, "CDateEdit");
    }
  }
  int unnamed = 0;
  for (const ControlTemplate& ctl : MainTemplate().controls) unnamed += ctl.id == -1;
  EXPECT_EQ(unnamed, 7);  // two group boxes, three form labels, two column headings
}

TEST(DialogBuilder, ListRowsStandOneUnderAnother) {
  auto dialog = Build(MainTemplate());
  const DialogUnits units = UnitsOf(*dialog);
  auto at = [&](int id) { return GetDlgItem(dialog.get(), id)->geometry(); };
  EXPECT_EQ(at(kRowTimeIds[0]).y(), units.ToPixels(QRect(126, 45, 20, 12)).y());
  for (int k = 0; k < kListRowCount; ++k) {
    SCOPED_TRACE(k);
    const int rowY = units.ToPixels(QRect(0, 45 + 22 * k, 0, 0)).y();
    EXPECT_EQ(at(kRowNumberIds[k]).y(), units.ToPixels(QRect(0, 47 + 22 * k, 0, 0)).y());
    EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), kRowNumberIds[k])), QString::number(k + 1));
    for (int id : {kRowTimeIds[k], kRowTypeIds[k], kRowTextIds[k], kRowClearIds[k]}) {
      EXPECT_EQ(at(id).y(), rowY);
    }
    // Columns, left to right, and every row the same as the first.
    EXPECT_EQ(at(kRowNumberIds[k]).x(), at(kRowNumberIds[0]).x());
    EXPECT_LT(at(kRowNumberIds[k]).right(), at(kRowTimeIds[k]).left());
    EXPECT_LT(at(kRowTimeIds[k]).right(), at(kRowTypeIds[k]).left());
    EXPECT_LT(at(kRowTypeIds[k]).right(), at(kRowTextIds[k]).left());
    EXPECT_LT(at(kRowTextIds[k]).right(), at(kRowClearIds[k]).left());
    EXPECT_EQ(at(kRowClearIds[k]).size(), units.ToPixels(QRect(0, 0, 24, 12)).size());
    EXPECT_TRUE(DlgItem<QLineEdit>(dialog.get(), kRowTimeIds[k])->isReadOnly());
    EXPECT_TRUE(DlgItem<QLineEdit>(dialog.get(), kRowTypeIds[k])->isReadOnly());
    EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), kRowTextIds[k])), "Text");
    EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), kRowClearIds[k])), "Clear");
  }
  EXPECT_EQ(at(kRowTimeIds[1]).y() - at(kRowTimeIds[0]).y(),
            units.ToPixels(QRect(0, 67, 0, 0)).y() - units.ToPixels(QRect(0, 45, 0, 0)).y());
  // The scroll bar spans the rows, to their left.
  EXPECT_EQ(at(IDC_SCROLLBAR).size(), units.ToPixels(QRect(103, 45, 10, 100)).size());
  EXPECT_EQ(at(IDC_SCROLLBAR).y(), at(kRowTimeIds[0]).y());
  EXPECT_LT(at(IDC_SCROLLBAR).right(), at(kRowNumberIds[0]).left());
}

// Set TOCKMERE_GRAB_DIR to keep the picture of the main window for a look.
TEST(DialogBuilder, MainWindowCanBeGrabbedToPng) {
  auto dialog = Build(MainTemplate());
  QTemporaryDir folder;
  const QString path = folder.filePath("main102.png");
  ASSERT_TRUE(GrabToPng(dialog.get(), path));
  EXPECT_EQ(QImage(path).size(), dialog->size());
  if (const char* keep = std::getenv("TOCKMERE_GRAB_DIR")) {
    EXPECT_TRUE(GrabToPng(dialog.get(), QDir(keep).filePath("main102.png")));
  }
}

TEST(DialogBuilder, ReadOnlyFieldsShowTheDialogFaceAndFollowChanges) {
  auto dialog = Build(MainTemplate());
  const QColor face = dialog->palette().color(QPalette::Window);
  auto* date = DlgItem<QLineEdit>(dialog.get(), IDC_DATE);
  EXPECT_EQ(DlgItem<QLineEdit>(dialog.get(), kRowTimeIds[0])->palette().color(QPalette::Base),
            face);
  EXPECT_NE(date->palette().color(QPalette::Base), face);
  date->setReadOnly(true);
  EXPECT_EQ(date->palette().color(QPalette::Base), face);
  date->setReadOnly(false);
  EXPECT_NE(date->palette().color(QPalette::Base), face);
}

// The bar shows the dialog's font, not the desktop's: its height is taken in
// that font, or a gap opens under it (or it covers the first row).
TEST(DialogBuilder, TopBarMovesControlsDownByItsHeightInTheDialogFont) {
  const QFont desktop = QApplication::font();
  QApplication::setFont(QFont(desktop.family(), 20));
  auto plain = Build(MainTemplate());
  QDialog dialog;
  auto* bar = new QMenuBar(&dialog);
  bar->addMenu(QStringLiteral("Options"));
  BuildDialog(&dialog, MainTemplate(), {}, bar);
  const int height = bar->sizeHint().height();
  const QFont application = QApplication::font();
  QApplication::setFont(desktop);
  EXPECT_EQ(application, QFont(desktop.family(), 20)) << "building gives the font back";
  EXPECT_EQ(bar->font(), dialog.font());
  EXPECT_EQ(dialog.height(), plain->height() + height);
  EXPECT_EQ(GetDlgItem(&dialog, IDC_TIME)->geometry(),
            GetDlgItem(plain.get(), IDC_TIME)->geometry().translated(0, height));
}

TEST(DialogUnitsTest, ConversionRoundsEachValueAsTheDialogManagerDoes) {
  // The base units of 8-point "MS Sans Serif" at 96 dpi: 6 x 13 pixels.
  const DialogUnits units{6 / 4.0, 13 / 8.0};
  EXPECT_EQ(units.ToPixels(QRect(32, 37, 40, 12)), QRect(48, 60, 60, 20));
  EXPECT_EQ(units.ToPixels(275, 177), QSize(413, 288));
  EXPECT_EQ(units.ToPixels(QRect(0, 0, 0, 0)), QRect(0, 0, 0, 0));
}

TEST(DialogUnitsTest, ComeFromTheFontSoALargerFontGivesALargerDialog) {
  DialogTemplate big = CalendarTemplate();
  big.fontPoints = 16;
  auto small = Build(CalendarTemplate());
  auto large = Build(big);
  const DialogUnits su = UnitsOf(*small);
  const DialogUnits lu = UnitsOf(*large);
  // An 8-point face gives characters some 4 to 10 pixels wide and 9 to 20 high.
  EXPECT_GE(su.x, 1.0);
  EXPECT_LE(su.x, 2.5);
  EXPECT_GE(su.y, 9 / 8.0);
  EXPECT_LE(su.y, 20 / 8.0);
  EXPECT_GT(lu.x, su.x * 1.5);
  EXPECT_GT(lu.y, su.y * 1.5);
  EXPECT_GT(large->width(), small->width() * 3 / 2);
  EXPECT_GT(large->height(), small->height() * 3 / 2);
  EXPECT_EQ(large->font().pointSize(), 16);
  EXPECT_EQ(GetDlgItem(large.get(), IDOK_BUTTON)->geometry(), lu.ToPixels(QRect(44, 96, 40, 14)));
}

std::vector<QString> ItemsOf(QComboBox* box) {
  std::vector<QString> items;
  for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i));
  return items;
}

TEST(DialogBuilder, ComboBoxesAreEditableWithTheirItemsInOrder) {
  auto main = Build(MainTemplate());
  auto* type = DlgItem<QComboBox>(main.get(), IDC_TYPE);
  EXPECT_EQ(ItemsOf(type), (std::vector<QString>{"Today", "Tomorrow", "Daily", "Weekly",
                                                 "Fortnightly", "Monthly", "One Date"}));
  EXPECT_EQ(ItemsOf(DlgItem<QComboBox>(main.get(), IDC_DAY)),
            (std::vector<QString>{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                  "Saturday", "Sunday", "None"}));
  EXPECT_TRUE(type->isEditable());
  EXPECT_EQ(type->currentIndex(), -1);  // nothing selected until the program selects
  EXPECT_EQ(type->completer(), nullptr);
  auto settings = Build(SettingsTemplate());
  for (int id : kColourBoxIds) {
    EXPECT_EQ(ItemsOf(DlgItem<QComboBox>(settings.get(), id)),
              (std::vector<QString>{"Yellow", "Green", "Blue", "Orange", "Pink"}));
  }
  EXPECT_EQ(ItemsOf(DlgItem<QComboBox>(settings.get(), IDC_DATE_FORMAT)),
            (std::vector<QString>{"U.K. (dd/mm/yy)", "U.S. (mm/dd/yy)"}));
}

TEST(DialogBuilder, SettingsRadioButtonsFormOneExclusiveGroup) {
  auto dialog = Build(SettingsTemplate());
  QButtonGroup* group = DlgItem<QRadioButton>(dialog.get(), kFontRadioIds[0])->group();
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(group->exclusive());
  ASSERT_EQ(group->buttons().size(), 5);
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(group->buttons()[k], GetDlgItem(dialog.get(), kFontRadioIds[k]));
  DlgItem<QRadioButton>(dialog.get(), kFontRadioIds[1])->click();
  DlgItem<QRadioButton>(dialog.get(), kFontRadioIds[3])->click();
  EXPECT_FALSE(DlgItem<QRadioButton>(dialog.get(), kFontRadioIds[1])->isChecked());
  EXPECT_TRUE(DlgItem<QRadioButton>(dialog.get(), kFontRadioIds[3])->isChecked());
  EXPECT_TRUE(DlgItem<QPushButton>(dialog.get(), IDOK_BUTTON)->isDefault());
  EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), IDOK_BUTTON)), "Save");
}

// Whether a band of image rows holds a dark pixel.
bool HasInkAround(const QImage& image, int centreY) {
  for (int y = std::max(0, centreY - 3); y <= std::min(image.height() - 1, centreY + 3); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 100) return true;
    }
  }
  return false;
}

TEST(DialogBuilder, FontSamplesStandLevelWithTheirRadioButtons) {
  auto dialog = Build(SettingsTemplate());
  auto* picture = DlgItem<QLabel>(dialog.get(), IDC_FONT_SAMPLES);
  const QImage image = picture->pixmap().toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(qGray(image.pixel(1, 1)), 255);  // white ground
  const QRect inside = picture->contentsRect().translated(picture->pos());
  EXPECT_EQ(image.size(), inside.size());
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    const int centre =
        GetDlgItem(dialog.get(), kFontRadioIds[k])->geometry().center().y() - inside.y();
    EXPECT_TRUE(HasInkAround(image, centre));
  }
  // Between two samples there is only white.
  const int gap = (GetDlgItem(dialog.get(), kFontRadioIds[0])->geometry().center().y() +
                   GetDlgItem(dialog.get(), kFontRadioIds[1])->geometry().center().y()) /
                      2 -
                  inside.y();
  EXPECT_FALSE(HasInkAround(image, gap) && HasInkAround(image, gap + 1) &&
               HasInkAround(image, gap - 1));
}

TEST(DialogBuilder, AboutClockPictureShowsAtItsOwnSize) {
  auto dialog = Build(AboutTemplate());
  QLabel* picture = nullptr;
  for (auto* label : dialog->findChildren<QLabel*>()) {
    if (!label->pixmap().isNull()) picture = label;
  }
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(35, 51));
  EXPECT_EQ(picture->contentsRect().size(), QSize(35, 51));
  EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(ShownText(GetDlgItem(dialog.get(), IDOK_BUTTON)), "OK");
  EXPECT_FALSE(ShownText(GetDlgItem(dialog.get(), IDC_WEB_LINK)).isEmpty());
}

TEST(DialogBuilder, AppIconHasEverySizeDrawn) {
  const QIcon icon = AppIcon();
  for (int side : {16, 32, 48, 64}) {
    SCOPED_TRACE(side);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
    const QImage image = icon.pixmap(side, side).toImage();
    EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 2)), 255);  // the face is opaque
    EXPECT_EQ(qAlpha(image.pixel(0, side - 1)), 0);           // the corners are clear
  }
}

TEST(DialogBuilder, GetDlgItemFindsNothingForUnknownOrMissingIdentifiers) {
  auto dialog = Build(AlarmPopupTemplate());
  EXPECT_EQ(GetDlgItem(dialog.get(), 9999), nullptr);
  EXPECT_EQ(GetDlgItem(dialog.get(), -1), nullptr);
  EXPECT_EQ(GetDlgItem(nullptr, IDOK_BUTTON), nullptr);
  EXPECT_EQ(DlgItem<QLineEdit>(dialog.get(), IDOK_BUTTON), nullptr);  // a button, not an edit
  // A control of another window owned by the dialog is not one of its own.
  QDialog child(dialog.get());
  BuildDialog(&child, CalendarTemplate());
  EXPECT_EQ(GetDlgItem(dialog.get(), IDC_CALENDAR), nullptr);
  EXPECT_EQ(GetDlgItem(dialog.get(), IDOK_BUTTON)->window(), dialog.get());
  // Nor is one moved into another window, or one taken away.
  QWidget* ok = GetDlgItem(dialog.get(), IDOK_BUTTON);
  ok->setParent(&child);
  EXPECT_EQ(GetDlgItem(dialog.get(), IDOK_BUTTON), nullptr);
  ok->setParent(dialog.get());
  EXPECT_EQ(GetDlgItem(dialog.get(), IDOK_BUTTON), ok);
  delete ok;
  EXPECT_EQ(GetDlgItem(dialog.get(), IDOK_BUTTON), nullptr);
}

TEST(DialogBuilder, FactoriesMakeTheNamedProgramClasses) {
  int made = 0;
  ControlFactories factories{{"CTimeEdit", [&made](QWidget* parent) {
                                ++made;
                                auto* edit = new QLineEdit(parent);
                                edit->setProperty("madeBy", "factory");
                                return edit;
                              }}};
  QDialog dialog;
  BuildDialog(&dialog, MainTemplate(), factories);
  EXPECT_EQ(made, 1);
  auto* time = DlgItem<QLineEdit>(&dialog, IDC_TIME);
  ASSERT_NE(time, nullptr);
  EXPECT_EQ(time->property("madeBy").toString(), "factory");
  EXPECT_TRUE(time->hasFrame());  // the template's styles still apply
  EXPECT_EQ(time->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(time->geometry(), GetDlgItem(Build(MainTemplate()).get(), IDC_TIME)->geometry());
}

// A memo file as the program writes one: the lines, then their check.
QByteArray Checked(const QByteArray& lines) {
  return lines + "check " + QCryptographicHash::hash(lines, QCryptographicHash::Sha1).toHex() +
         '\n';
}

// What fitting measured is believed only from a whole file as the program
// writes it: any damage, or a line it would never write, leaves nothing
// recalled, so the texts are measured again. The file's folder is the user's
// alone.
TEST(DialogBuilder, FittingMemoBelievesOnlyAWholeFile) {
  QTemporaryDir dir;
  const std::filesystem::path file = dir.filePath("cache/tockmere/fitted-texts").toStdString();
  const QByteArray key(40, 'a'), nameKey(40, 'b');
  FittingMemo written(file);
  written.Remember(key, QSize(151, 7));
  written.RememberName(nameKey, QStringLiteral("Noto Sans"));
  ASSERT_TRUE(written.Save());
  struct stat folder {};
  ASSERT_EQ(stat(file.parent_path().c_str(), &folder), 0);
  EXPECT_EQ(folder.st_mode & 0777, 0700u);
  QFile saved(QString::fromStdString(file.string()));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray whole = saved.readAll();
  saved.close();
  const QByteArray header = "tockmere fitted texts 1\n", line = key + " 151 7\n";
  const QByteArray name = nameKey + " =4e6f746f2053616e73\n";  // "Noto Sans" in UTF-8
  ASSERT_EQ(whole, Checked(header + line + name));
  QByteArray changed = whole;
  changed.replace(" 151 ", " 161 ");
  const struct {
    const char* damage;
    QByteArray content;
    bool believed;
  } files[] = {
      {"none", whole, true},
      {"cut short", whole.chopped(1), false},
      {"a width changed", changed, false},
      {"the check left out", header + line, false},
      {"another format", Checked("tockmere fitted texts 2\n" + line), false},
      {"a negative width", Checked(header + key + " -151 7\n"), false},
      {"a width with a leading zero", Checked(header + key + " 0151 7\n"), false},
      {"a short key", Checked(header + key.chopped(1) + " 151 7\n"), false},
      {"a line twice", Checked(header + line + line), false},
      {"a name in capitals", Checked(header + line + name.toUpper()), false},
      {"an empty name", Checked(header + line + nameKey + " =\n"), false},
      {"empty", "", false},
  };
  for (const auto& [damage, content, believed] : files) {
    SCOPED_TRACE(damage);
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write(content);
    saved.close();
    FittingMemo memo(file);
    EXPECT_EQ(memo.Recall(key), believed ? std::optional(QSize(151, 7)) : std::nullopt);
    EXPECT_EQ(memo.RecallName(nameKey),
              believed ? std::optional(QStringLiteral("Noto Sans")) : std::nullopt);
  }
}

int madeCount = 0;

QStringList CountedTexts() {
  ++madeCount;
  return {QStringLiteral("12:34   Wednesday   30/12/99")};
}

// Texts a function makes are made and measured once; under the same source
// the next build recalls their width by name without making them, and a
// build from another source (another build of the program, another
// translation) makes and measures them again.
TEST(DialogBuilder, MadeTextsAreRecalledWithoutBeingMade) {
  QTemporaryDir dir;
  const std::filesystem::path file = dir.filePath("fitted-texts").toStdString();
  DialogTemplate tmpl = Dialog(1, QStringLiteral("Made"), 120, 20);
  tmpl.controls.push_back(
      ShowingMade(Ctl(IDC_CLOCK, ControlKind::Edit, QString(), kReadOnly, QRect(2, 2, 20, 12)),
                  {"counted", CountedTexts}));
  const auto builtWidth = [&](const QByteArray& source) {
    FittingMemo memo(file);
    memo.SetTextsSource(source);
    QDialog dialog;
    BuildDialog(&dialog, tmpl, {}, nullptr, &memo);
    EXPECT_TRUE(memo.Save());
    return GetDlgItem(&dialog, IDC_CLOCK)->width();
  };
  madeCount = 0;
  const int width = builtWidth("a");
  EXPECT_EQ(madeCount, 1);
  DialogTemplate unfitted = tmpl;
  unfitted.controls.back().madeShows = {};
  EXPECT_GT(width, GetDlgItem(Build(unfitted).get(), IDC_CLOCK)->width());  // it grew for them
  EXPECT_EQ(builtWidth("a"), width);
  EXPECT_EQ(madeCount, 1);
  EXPECT_EQ(builtWidth("b"), width);
  EXPECT_EQ(madeCount, 2);
}

// The source of the program's texts names the translation installed: the
// widths of German texts are not recalled for English ones.
TEST(DialogBuilder, TextsSourceChangesWithTheTranslation) {
  QCoreApplication& app = *QCoreApplication::instance();
  const QByteArray english = TextsSource(app);
  ASSERT_FALSE(english.isEmpty());
  ASSERT_FALSE(InstallTranslations(app, QLocale(QStringLiteral("de")),
                                   {QStringLiteral(TOCKMERE_TRANSLATIONS)})
                   .isEmpty());
  const QByteArray german = TextsSource(app);
  qDeleteAll(app.findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
  EXPECT_NE(german, english);
  EXPECT_EQ(TextsSource(app), english);
}

// The family the main window's face came to is asked for by name at the next
// start; once the window is shown, a record that the fonts no longer bear out
// (another family, as a start before fonts changed left it) is replaced, and
// the start after builds in the face's own family again.
TEST(DialogBuilder, AKeptFaceIsCheckedOnceTheWindowIsShown) {
  QTemporaryDir dir;
  const std::filesystem::path file = dir.filePath("fitted-texts").toStdString();
  const QString path = QString::fromStdString(file.string());
  const auto builtFamily = [&] {
    FittingMemo memo(file);
    QDialog dialog;
    BuildDialog(&dialog, MainTemplate(), {}, nullptr, &memo);
    CheckDialogFace(MainTemplate(), memo);
    EXPECT_TRUE(memo.Save());
    return QFontInfo(dialog.font()).family();
  };
  const QString own = QFontInfo(DialogFont(MainTemplate())).family();
  ASSERT_EQ(builtFamily(), own);
  QString other;
  for (const QString& family : QFontDatabase::families()) {
    if (family != own && QFontInfo(QFont(family)).family() == family) other = family;
  }
  ASSERT_FALSE(other.isEmpty());
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  QByteArray lines = saved.readAll();
  saved.close();
  lines.truncate(lines.lastIndexOf("check "));
  ASSERT_TRUE(lines.contains(" =" + own.toUtf8().toHex() + '\n'));
  lines.replace(" =" + own.toUtf8().toHex() + '\n', " =" + other.toUtf8().toHex() + '\n');
  ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
  saved.write(Checked(lines));
  saved.close();
  EXPECT_EQ(builtFamily(), other);
  EXPECT_EQ(builtFamily(), own);
}

}  // namespace
