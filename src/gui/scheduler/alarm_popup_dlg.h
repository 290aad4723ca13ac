#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <functional>

#include "core/model/alarm_record.h"
#include "core/model/alarm_settings.h"
#include "gui/platform/desktop_notifier.h"
#include "gui/scheduler/alert_dialog.h"

struct DialogTemplate;

// The pop-up "Your alarm call:": the wake-up text on a panel in the colour of
// the alarm's type. It keeps its own copy of the alarm from the moment it
// opened, so a later pop-up or a removal cannot change what it shows. While it
// is open, a desktop notification with the alarm's time and first line stands
// for it where the desktop keeps it behind the user's window; the
// notification of a pop-up that comes after the alarm's minute says how late
// it is. The window itself shows the same either way. Clicking the
// notification brings the pop-up forward; where a snooze is offered, choosing
// "Snooze 10 minutes" closes the pop-up and hands its alarm on.
class CAlarmPopupDlg : public CAlertDialog {
  Q_OBJECT

 public:
  // The settings give the colour, the font and the sound; the caller keeps them.
  // A pop-up shown after the alarm's minute is minutesLate late.
  CAlarmPopupDlg(const AlarmRecord& alarm, const AlarmSettings& settings, const QIcon& icon,
                 std::int64_t minutesLate = 0);
  ~CAlarmPopupDlg() override;
  CAlarmPopupDlg(const CAlarmPopupDlg&) = delete;
  CAlarmPopupDlg& operator=(const CAlarmPopupDlg&) = delete;

  // Panel and text rectangles in client pixels.
  static const QRect kPanelRect;
  static const QRect kTextRect;

  // The panel colour of a type under the settings.
  static QColor ColourOfType(const std::string& type, const AlarmSettings& settings);
  // The wake-up text with every "|" a line break.
  static QString DisplayText(const std::string& text);
  // The alarm this pop-up shows.
  const AlarmRecord& Alarm() const { return m_alarm; }
  // The notification's summary (the time, and how late) and body (the first
  // line of text).
  static QString NotificationSummary(const AlarmRecord& alarm, std::int64_t minutesLate);
  static QString NotificationBody(const AlarmRecord& alarm);
  // Where the text is drawn: the part of the text rectangle inside the client area.
  QRect TextArea() const;
  // Closes the pop-up and withdraws its notification.
  void done(int result) override;
  // Has the notification offer a snooze, handed the alarm when chosen: also
  // when the choice comes after the pop-up closed, as long as owner lives.
  // Before the pop-up shows.
  void OfferSnooze(QObject* owner, std::function<void(const AlarmRecord&)> snooze);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PaintAlarm();
  void WithdrawNotification();
  NotificationActions Actions();

  AlarmRecord m_alarm;
  const AlarmSettings& m_settings;
  std::int64_t m_minutesLate = 0;
  int m_notification = 0;           // the key of the notification shown, 0 while none
  QPointer<QObject> m_snoozeOwner;  // who hears of a snooze, and how
  std::function<void(const AlarmRecord&)> m_snooze;
  QPointer<QWindow> m_watchedWindow;  // the window whose exposures sound the warning
  QTimer m_warningSpan;               // runs while the last warning sounds
};

// The pop-up's template (IDD_ALARM_POPUP).
const DialogTemplate& AlarmPopupTemplate();
