#include <QLabel>
#include <QScrollBar>

#include "core/list/list_window.h"
#include "main_window_fixture.h"

namespace {

class AlarmListTest : public MainWindowTest {
 protected:
  // n Daily alarms at 06:00, 06:01, ...
  void StartWithDailyAlarms(int n) {
    std::string file;
    for (int i = 0; i < n; ++i) file += "1,00/00/00,0,06:" + TwoDigits(i) + ",\r\n";
    folder.Write("alarms.txt", file);
    StartAt(At(2026, 12, 7, 12, 0));
  }

  QScrollBar* Bar() const { return DlgItem<QScrollBar>(dlg.get(), IDC_SCROLLBAR); }

  std::vector<QString> Labels() const {
    std::vector<QString> labels;
    for (int id : kRowNumberIds) labels.push_back(DlgItem<QLabel>(dlg.get(), id)->text());
    return labels;
  }

  // What a screen reader says of the alarm of each row's Text and Clear.
  std::vector<QString> Spoken(int row) const {
    return {GetDlgItem(dlg.get(), kRowTextIds[row])->accessibleDescription(),
            GetDlgItem(dlg.get(), kRowClearIds[row])->accessibleDescription()};
  }

  std::vector<QString> Times() const {
    std::vector<QString> times;
    for (int id : kRowTimeIds) times.push_back(Text(id));
    return times;
  }
};

TEST_F(AlarmListTest, RowsLabelsAndScrollRangeByCount) {
  struct Case {
    int count;
    int maximum;
    QString lastTime;
  };
  for (const Case& c : {Case{0, 0, ""}, Case{5, 0, "06:04"}, Case{6, 1, "06:04"},
                        Case{11, 6, "06:04"}, Case{12, 7, "06:04"}}) {
    SCOPED_TRACE(c.count);
    StartWithDailyAlarms(c.count);
    EXPECT_EQ(Bar()->minimum(), 0);
    EXPECT_EQ(Bar()->maximum(), c.maximum);
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(Labels(), (std::vector<QString>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Times()[4], c.lastTime);
    EXPECT_EQ(Text(kRowTypeIds[0]), c.count > 0 ? "Daily" : "");
    const QString last = c.lastTime.isEmpty() ? "Empty row" : c.lastTime + ", Daily";
    EXPECT_EQ(Spoken(4), (std::vector<QString>{last, last}));
    dlg.reset();
  }
}

TEST_F(AlarmListTest, ScrollCodesMoveOneRecordOrNothing) {
  StartWithDailyAlarms(8);
  dlg->List().OnVScroll(ScrollCode::LineUp, 0);
  EXPECT_EQ(Bar()->value(), 0);
  dlg->List().OnVScroll(ScrollCode::LineDown, 0);
  EXPECT_EQ(Bar()->value(), 1);
  EXPECT_EQ(Labels(), (std::vector<QString>{"2", "3", "4", "5", "6"}));
  EXPECT_EQ(Times()[0], "06:01");
  dlg->List().OnVScroll(ScrollCode::PageDown, 0);
  dlg->List().OnVScroll(ScrollCode::Bottom, 0);
  EXPECT_EQ(Bar()->value(), 1);
  dlg->List().OnVScroll(ScrollCode::ThumbTrack, 3);
  EXPECT_EQ(Bar()->value(), 3);
  dlg->List().OnVScroll(ScrollCode::LineDown, 0);
  EXPECT_EQ(Bar()->value(), 3);  // already at count - 5
  EXPECT_EQ(Labels(), (std::vector<QString>{"4", "5", "6", "7", "8"}));
  EXPECT_EQ(Times()[4], "06:07");
}

TEST_F(AlarmListTest, RealScrollBarArrowsAndTroughClicks) {
  StartWithDailyAlarms(7);
  Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Bar()->value(), 1);
  Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(Bar()->value(), 1);
  Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(Bar()->value(), 0);
}

// On the scroll bar, the keys move the list as its arrows and track do.
TEST_F(AlarmListTest, KeysOnTheScrollBarMoveTheList) {
  StartWithDailyAlarms(12);  // first rows 0 to 7
  struct Case {
    Qt::Key key;
    int top;
  };
  for (const Case& c : {Case{Qt::Key_Down, 1}, Case{Qt::Key_PageDown, 6}, Case{Qt::Key_PageDown, 7},
                        Case{Qt::Key_Up, 6}, Case{Qt::Key_PageUp, 1}, Case{Qt::Key_PageUp, 0},
                        Case{Qt::Key_End, 7}, Case{Qt::Key_Home, 0}}) {
    QTest::keyClick(Bar(), c.key);
    EXPECT_EQ(Bar()->value(), c.top) << "key " << std::hex << c.key;
    EXPECT_EQ(Labels()[0], QString::number(c.top + 1));
  }
}

// Tab goes through each row's Text and Clear, then to the scroll bar.
TEST_F(AlarmListTest, TabOrderEndsTheRowsWithTheScrollBar) {
  StartWithDailyAlarms(7);
  QStringList expected;
  for (int k = 0; k < kListRowCount; ++k) {
    const RowNames names = RowNamesOf(k + 1);
    expected << names.text << names.clear;
  }
  expected << Bar()->accessibleName();
  QWidget* stop = GetDlgItem(dlg.get(), kRowTextIds[0]);
  QStringList chain = {stop->accessibleName()};
  while (chain.size() < expected.size()) {
    do stop = stop->nextInFocusChain();
    while (!(stop->focusPolicy() & Qt::TabFocus));
    chain << stop->accessibleName();
  }
  EXPECT_EQ(chain.join(" | ").toStdString(), expected.join(" | ").toStdString());
}

TEST_F(AlarmListTest, DescriptionsOfEachKind) {
  folder.Write("alarms.txt",
               "0,26/12/07,0,07:00,\r\n0,26/12/08,0,07:00,\r\n0,27/01/02,0,07:00,\r\n"
               "2,00/00/00,1,07:00,\r\n4,00000021,0,07:00,\r\n5,00000009,6,07:00,\r\n"
               "7,00000000,0,07:00,\r\n");
  StartAt(At(2026, 12, 7, 6, 0));
  EXPECT_EQ(Text(kRowTypeIds[0]), "Today");
  EXPECT_EQ(Text(kRowTypeIds[1]), "Tomorrow");
  EXPECT_EQ(Text(kRowTypeIds[2]), "02/01/27");
  EXPECT_EQ(Text(kRowTypeIds[3]), "Sundays");
  EXPECT_EQ(Text(kRowTypeIds[4]), "21st of the month");
  dlg->List().OnVScroll(ScrollCode::ThumbTrack, 2);
  EXPECT_EQ(Text(kRowTypeIds[3]), "Last Friday");
  EXPECT_EQ(Text(kRowTypeIds[4]), "");  // an unknown type shows its time only
  EXPECT_EQ(Text(kRowTimeIds[4]), "07:00");
  EXPECT_EQ(Spoken(4)[0], "07:00");
}

TEST_F(AlarmListTest, NewAlarmIsShownAndOnlyTheMarkerIsEmptied) {
  folder.Write("alarms.txt", "1,00/00/00,0,05:00,$%&abc|\r\n");
  StartAt(At(2026, 12, 7, 6, 0));
  table.AppendAlarm({"06:03", AlarmKind::kDaily, "", ""}, dlg->Clock().Snapshot(), DateFormat::Uk);
  table.SaveAlarms();
  table.LoadAlarms();
  dlg->List().Refresh(ShowNewAlarm);
  // The user's own text that begins like the marker is kept.
  EXPECT_EQ(table.At(0).text, "$%&abc|");
  EXPECT_EQ(table.At(1).text, "");
  EXPECT_EQ(folder.Read("alarms.txt"), "1,00/00/00,0,05:00,$%&abc|\r\n1,00/00/00,0,06:03,\r\n");
}

TEST_F(AlarmListTest, NewRecordIsScrolledIntoRowThree) {
  StartWithDailyAlarms(11);
  table.AppendAlarm({"06:09", AlarmKind::kDaily, "", ""}, dlg->Clock().Snapshot(),
                    DateFormat::Uk);  // sorts to position 10 of 12
  table.SaveAlarms();
  table.LoadAlarms();
  dlg->List().Refresh(ShowNewAlarm);
  EXPECT_EQ(Bar()->value(), 7);
  EXPECT_EQ(Labels(), (std::vector<QString>{"8", "9", "10", "11", "12"}));
  EXPECT_EQ(Bar()->value(), 7);
}

}  // namespace
