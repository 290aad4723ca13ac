#include "gui/app/main_dlg.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScreen>

#include "core/settings/settings_store.h"
#include "gui/app/main_template.h"
#include "gui/app/minimised_start.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_face.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/fitting_memo.h"
#include "gui/dialog/prompter.h"
#include "gui/entry/entry_fields.h"
#include "gui/platform/translated_phrase.h"
#include "gui/platform/window_activation.h"
#include "gui/resources/app_icon.h"

// The panels take their controls from the built window, the clock driver
// first: the other two read its clock.
CMainDlg::CMainDlg(AlarmTable& table, SettingsStore& settings, const LocalClock& clock,
                   FittingMemo* fittingMemo)
    : m_table(table),
      m_settings(settings),
      m_clock(clock),
      m_icon(AppIcon()),
      m_fittingMemo(fittingMemo) {
  m_table.SetListener(this);
  BuildMenu();
  BuildDialog(this, MainTemplate(), EntryFieldFactories(), m_menuBar, fittingMemo);
  setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
  ClockHost& clockHost = *this;
  AlarmListHost& listHost = *this;
  EntryFormHost& entryHost = *this;
  m_clockDriver = std::make_unique<ClockDriver>(this, m_table, m_settings, m_clock, clockHost);
  m_list =
      std::make_unique<AlarmList>(this, m_table, m_clockDriver->Snapshot(), m_settings, listHost);
  m_entry = std::make_unique<EntryForm>(this, m_table, m_clockDriver->Snapshot(), m_settings,
                                        m_clock, entryHost);
}

CMainDlg::~CMainDlg() {
  m_table.SetListener(nullptr);
}

int CMainDlg::DoModal() {
  OnInitDialog();
  return Run();
}

// The main window is an ordinary top-level window, not a modal one: every
// window manager lets the user minimise it (GNOME's refuses to minimise a
// dialog), and nothing asks for it to be activated as it is mapped (KWin
// restores an iconic window it is asked to activate). Its run ends when the
// window is done (Exit, Esc, the session's end), as a modal run would.
int CMainDlg::Run() {
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  if (isMinimized()) new MinimisedStart(this);
  show();
  loop.exec(QEventLoop::DialogExec);
  return result();
}

// The start-up steps run in this order; later steps rely on earlier ones.
bool CMainDlg::OnInitDialog() {
  UpdateData(false);
  // X11 window managers offer no system menu to add an About item to.
  setWindowIcon(m_icon);
  m_settings.LoadSettings();
  m_clockDriver->Tick();
  PlaceWindow();
  m_entry->SetUpForStart();
  m_table.LoadAlarmsAtStartUp();
  m_list->Refresh(0);
  m_clockDriver->ClearMissedAlarms();
  m_entry->OnTypeChange();
  m_clockDriver->Start();
  UpdateData(false);
  return true;
}

// Centres the normal rectangle on the screen and, on every start after the
// first, opens the window minimised.
void CMainDlg::PlaceWindow() {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desktop = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
  const int top = (desktop.height() - height()) / 2;
  const int left = (desktop.width() - width()) / 2;
  m_normalRect = QRect(left, top, width(), height());
  move(m_normalRect.topLeft());
  if (!m_settings.FirstRun()) ApplyPlacement(true);
}

void CMainDlg::ApplyPlacement(bool minimised) {
  if (minimised) {
    setWindowState(windowState() | Qt::WindowMinimized);
    return;
  }
  if (auto* start = findChild<MinimisedStart*>()) start->Cancel();
  setWindowState(windowState() & ~Qt::WindowMinimized);
  move(m_normalRect.topLeft());
  if (isVisible()) showNormal();
}

void CMainDlg::BringToFront(const QString& token) {
  ApplyPlacement(false);
  ActivateWindow(this, token);
}

// The first paint of the window in its normal state runs one extra tick. What
// fitting the controls measured is written after the first paint of all, once
// the face the window was built in has been checked (dialog_face.h).
void CMainDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (FittingMemo* memo = std::exchange(m_fittingMemo, nullptr)) {
    QMetaObject::invokeMethod(
        this,
        [memo] {
          CheckDialogFace(MainTemplate(), *memo);
          memo->Save();
        },
        Qt::QueuedConnection);
  }
  if (!isMinimized() && m_firstPaint) {
    m_firstPaint = false;
    // Queued, so that a pass it may run never opens a pop-up inside a paint.
    QMetaObject::invokeMethod(
        this, [this] { m_clockDriver->Tick(); }, Qt::QueuedConnection);
  }
}

// The value members of the three panels and their controls.
void CMainDlg::DoDataExchange(DataExchange& dx) {
  m_clockDriver->Exchange(dx);
  m_entry->Exchange(dx);
  m_list->Exchange(dx);
}

bool CMainDlg::UpdateData(bool saveAndValidate) {
  DataExchange dx(this, saveAndValidate);
  DoDataExchange(dx);
  return dx.ok();
}

// Who is told of what: a deletion (a Clear, a fired one-off alarm) and a
// change Add read in go to the list; a new minute and a new date format to the
// form as well. The wake-up timer hears every change of the alarms from the
// table itself.
void CMainDlg::AlarmDeleted(int i, int count) {
  m_list->AlarmDeleted(i, count);
}

void CMainDlg::ShowTableChange() {
  m_list->ShowTableChange();
}

void CMainDlg::AlarmAdded() {
  m_list->Refresh(ShowNewAlarm);
}

void CMainDlg::AlarmSnoozed(int i) {
  m_list->ShowTableChange(i);
}

void CMainDlg::MinuteTurned() {
  m_entry->TakeClockTime();
}

void CMainDlg::DateFormatChanged() {
  m_list->Refresh(0);
  m_entry->OnTypeChange();
}

void CMainDlg::ShowMessage(const std::string& text, const std::string& caption) {
  GetPrompter().Show(this, TranslatedCore("Message", text), TranslatedCore("Message", caption),
                     Prompter::Icon::Warning);
}
