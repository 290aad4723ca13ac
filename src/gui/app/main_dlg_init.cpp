#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "core/scheduler/clock_snapshot.h"
#include "core/settings/alarm_settings.h"
#include "core/store/alarm_table.h"
#include "gui/app/app_state.h"
#include "gui/app/dialog_builder.h"
#include "gui/app/main_dlg.h"
#include "gui/entry/date_edit.h"
#include "gui/entry/entry_fields.h"
#include "gui/entry/time_edit.h"
#include "gui/resources/app_icon.h"
#include "gui/resources/dialog_template.h"

CMainDlg::CMainDlg(AlarmTable& table, SettingsStore& settings, const LocalClock& clock)
    : m_icon(AppIcon()), m_table(table), m_settings(settings), m_clock(clock) {
  m_table.SetListener(this);
  BuildMenu();
  BuildDialog(this, MainTemplate(), EntryFieldFactories(), m_menuBar->sizeHint().height());
  m_scrollBar = DlgItem<QScrollBar>(this, IDC_SCROLLBAR);
  for (int r = 0; r < kListRowCount; ++r) m_rowNo[r] = DlgItem<QLabel>(this, kRowNumberIds[r]);
  m_dateLabel = DlgItem<QLabel>(this, IDC_DATE_LABEL);
  m_dateEdit = DlgItem<CDateEdit>(this, IDC_DATE);
  m_timeEdit = DlgItem<CTimeEdit>(this, IDC_TIME);
  m_clockEdit = DlgItem<QLineEdit>(this, IDC_CLOCK);
  m_typeBox = DlgItem<QComboBox>(this, IDC_TYPE);
  m_dayBox = DlgItem<QComboBox>(this, IDC_DAY);
  SetUpClockTimers();
  ConnectControls();
}

CMainDlg::~CMainDlg() {
  m_table.SetListener(nullptr);
}

int CMainDlg::DoModal() {
  OnInitDialog();
  return exec();
}

// The start-up steps run in this order; later steps rely on earlier ones.
bool CMainDlg::OnInitDialog() {
  UpdateData(false);
  // X11 window managers offer no system menu to add an About item to.
  setWindowIcon(m_icon);
  g_appIcon = m_icon;
  m_settings.LoadSettings();
  ClockTick();
  PlaceWindow();
  m_dayBox->setCurrentIndex(0);
  m_day = m_dayBox->itemText(0).toStdString();
  m_typeBox->setCurrentIndex(0);
  m_type = m_typeBox->itemText(0).toStdString();
  m_time = m_clockSnapshot.timeText;
  m_timeEdit->SetKeyCount(5);
  m_table.LoadAlarmsAtStartUp();
  RefreshList(0);
  ClearMissedAlarms();
  OnTypeChange();
  StartClockTimer();
  UpdateData(false);
  return true;
}

// Centres the normal rectangle on the screen and, on every start after the
// first, opens the window minimised.
void CMainDlg::PlaceWindow() {
  QScreen* screen = QGuiApplication::primaryScreen();
  m_desktopRect = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
  m_windowHeight = height();
  m_windowWidth = width();
  const int top = (m_desktopRect.height() - m_windowHeight) / 2;
  const int left = (m_desktopRect.width() - m_windowWidth) / 2;
  m_windowRect = QRect(left, top, m_windowWidth, m_windowHeight);
  g_mainPlacement = WindowPlacement{m_windowRect};
  move(m_windowRect.topLeft());
  if (!m_settings.FirstRun()) ApplyPlacement(true);
}

void CMainDlg::ApplyPlacement(bool minimised) {
  if (minimised) {
    setWindowState(windowState() | Qt::WindowMinimized);
    return;
  }
  setWindowState(windowState() & ~Qt::WindowMinimized);
  move(g_mainPlacement.normalRect.topLeft());
  if (isVisible()) showNormal();
}

void CMainDlg::BringToFront() {
  ApplyPlacement(false);
  raise();
  activateWindow();
}
