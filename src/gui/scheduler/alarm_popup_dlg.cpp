#include "gui/scheduler/alarm_popup_dlg.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QWindow>
#include <array>

#include "core/entry/snooze_alarm.h"
#include "core/model/alarm_kind.h"
#include "core/model/alarm_settings.h"
#include "core/scheduler/late_alarm_text.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/platform/desktop_notifier.h"
#include "gui/platform/system_sound.h"
#include "gui/platform/translated_phrase.h"
#include "gui/platform/window_activation.h"
#include "gui/resources/fonts.h"

namespace {

constexpr int kFontCellHeight = 30;
const QString kSnoozeAction = QStringLiteral("snooze");
// Some desktops show the default action as a button too.
const char* const kShowLabel = QT_TRANSLATE_NOOP("Notification", "Show");
const char* const kSnoozeLabel = QT_TRANSLATE_NOOP("Notification", "Snooze %1 minutes");
// About as long as the warning sound lasts.
constexpr int kWarningSpanMs = 1000;

// Yellow, Green, Blue, Orange, Pink.
const std::array<QColor, 5> kColours = {QColor(255, 255, 153), QColor(180, 250, 180),
                                        QColor(150, 250, 250), QColor(250, 200, 130),
                                        QColor(245, 195, 215)};
// A colour index outside the table gives a plain white panel.
const QColor kUnknownColour(255, 255, 255);

int ColourIndexOfType(const std::string& type, const AlarmSettings& settings) {
  const KindRow* row = FindStoredKind(type);
  return row != nullptr ? settings.*(row->colour) : -1;
}

// A font of the face whose character cell is kFontCellHeight pixels high.
QFont PopupFont(int fontNo) {
  QFont font(AlarmFontFace(fontNo));
  font.setPixelSize(kFontCellHeight);
  const int cell = QFontMetrics(font).height();
  if (cell > kFontCellHeight) font.setPixelSize(kFontCellHeight * kFontCellHeight / cell);
  return font;
}

}  // namespace

const QRect CAlarmPopupDlg::kPanelRect(QPoint(10, 10), QPoint(281, 183));
const QRect CAlarmPopupDlg::kTextRect(QPoint(18, 15), QPoint(273, 178));

CAlarmPopupDlg::CAlarmPopupDlg(const AlarmRecord& alarm, const AlarmSettings& settings,
                               const QIcon& icon, std::int64_t minutesLate)
    : CAlertDialog(AlarmPopupTemplate(), icon),
      m_alarm(alarm),
      m_settings(settings),
      m_minutesLate(minutesLate) {
  m_warningSpan.setSingleShot(true);
  m_warningSpan.setInterval(kWarningSpanMs);
  setAccessibleDescription(DisplayText(m_alarm.text));  // the text is only painted
}

CAlarmPopupDlg::~CAlarmPopupDlg() {
  WithdrawNotification();
}

QString CAlarmPopupDlg::NotificationSummary(const AlarmRecord& alarm, std::int64_t minutesLate) {
  return AlarmPopupTemplate().caption + " " + Translated(LateAlarmPhrase(alarm.time, minutesLate));
}

QString CAlarmPopupDlg::NotificationBody(const AlarmRecord& alarm) {
  return DisplayText(alarm.text).section(QLatin1Char('\n'), 0, 0);
}

void CAlarmPopupDlg::showEvent(QShowEvent* event) {
  CAlertDialog::showEvent(event);
  if (QWindow* window = windowHandle(); window != m_watchedWindow && window != nullptr) {
    window->installEventFilter(this);
    m_watchedWindow = window;
  }
  if (m_notification != 0) return;
  m_notification = GetDesktopNotifier().Notify(NotificationSummary(m_alarm, m_minutesLate),
                                               NotificationBody(m_alarm), windowIcon(), Actions());
}

void CAlarmPopupDlg::OfferSnooze(QObject* owner, std::function<void(const AlarmRecord&)> snooze) {
  m_snoozeOwner = owner;
  m_snooze = std::move(snooze);
}

// The handler outlives the pop-up when a snooze is offered, so it holds what
// it needs by value and the pop-up by a guarded pointer: a click on the
// notification of a closed pop-up does nothing.
NotificationActions CAlarmPopupDlg::Actions() {
  NotificationActions actions;
  actions.offered = {{kDefaultAction, QCoreApplication::translate("Notification", kShowLabel)}};
  actions.owner = this;
  if (m_snooze && m_snoozeOwner) {
    actions.offered.append(
        {kSnoozeAction,
         QCoreApplication::translate("Notification", kSnoozeLabel).arg(kSnoozeMinutes)});
    actions.owner = m_snoozeOwner;
  }
  actions.handler = [popup = QPointer<CAlarmPopupDlg>(this), snooze = m_snooze, alarm = m_alarm](
                        const QString& key, const QString& token) {
    if (key == kDefaultAction && popup) ActivateWindow(popup, token);
    if (key != kSnoozeAction || !snooze) return;
    if (popup) popup->reject();
    snooze(alarm);
  };
  return actions;
}

void CAlarmPopupDlg::done(int result) {
  WithdrawNotification();
  CAlertDialog::done(result);
}

void CAlarmPopupDlg::WithdrawNotification() {
  if (m_notification == 0) return;
  GetDesktopNotifier().Withdraw(m_notification);
  m_notification = 0;
}

QColor CAlarmPopupDlg::ColourOfType(const std::string& type, const AlarmSettings& settings) {
  const int index = ColourIndexOfType(type, settings);
  const bool known = index >= 0 && index < static_cast<int>(kColours.size());
  return known ? kColours[index] : kUnknownColour;
}

QString CAlarmPopupDlg::DisplayText(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
}

// The text rectangle reaches past the pop-up's right edge; text is wrapped
// within the part that can be seen, inside the frame.
QRect CAlarmPopupDlg::TextArea() const {
  const DialogTemplate& tmpl = AlarmPopupTemplate();
  const DialogUnits units = MeasureDialogUnits(DialogFont(tmpl));
  QRect visible = kTextRect.intersected(rect());
  for (const ControlTemplate& control : tmpl.controls) {
    if (control.kind == ControlKind::BlackFrame) {
      visible = visible.intersected(units.ToPixels(control.rect).adjusted(1, 1, -1, -1));
    }
  }
  return visible;
}

// The window system exposes the window when it is shown and each time it is
// uncovered: the warning sounds once for each. On X11 a window just mapped is
// exposed twice within milliseconds, so exposures within the warning's span
// are one; repaints (a change of focus or activation) are silent.
bool CAlarmPopupDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_watchedWindow && event->type() == QEvent::Expose &&
      m_watchedWindow->isExposed() && !m_warningSpan.isActive()) {
    m_warningSpan.start();
    if (m_settings.Sound == 1) GetSystemSound().PlayExclamation();
  }
  return CAlertDialog::eventFilter(watched, event);
}

void CAlarmPopupDlg::hideEvent(QHideEvent* event) {
  m_warningSpan.stop();
  CAlertDialog::hideEvent(event);
}

void CAlarmPopupDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  PaintAlarm();
}

// Draws the panel and the text.
void CAlarmPopupDlg::PaintAlarm() {
  QPainter painter(this);
  const QColor colour = ColourOfType(m_alarm.type, m_settings);
  painter.fillRect(kPanelRect, colour);
  painter.setFont(PopupFont(m_settings.FontNo));
  painter.setPen(Qt::black);
  painter.setClipRect(TextArea());
  painter.drawText(TextArea(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   DisplayText(m_alarm.text));
}

namespace {

using K = ControlKind;

DialogTemplate MakeAlarmPopup() {
  DialogTemplate t = Dialog(IDD_ALARM_POPUP, DialogText::tr("Your alarm call:"), 146, 115);
  t.controls.push_back(Ctl(IDC_STATIC, K::BlackFrame, QString(), kStyleNone, QRect(4, 4, 138, 88)));
  t.controls.push_back(OkButton(DialogText::tr("OK"), QRect(53, 97, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& AlarmPopupTemplate() {
  static const DialogTemplate t = MakeAlarmPopup();
  return t;
}
