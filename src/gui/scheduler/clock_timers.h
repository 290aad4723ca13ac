#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

class LocalClock;
class OnScreenWatch;
class OpenDialogWatch;
class QWidget;

// When the clock driver ticks: its two timers, fitted to whether the window
// is on the screen and whether a dialog of the program is open.
class ClockTimers : public QObject {
  Q_OBJECT

 public:
  // tick runs at each tick, after the timer's slot has returned; backOnScreen
  // after the window came back on the screen and its tick was asked for.
  ClockTimers(QWidget* window, const LocalClock& clock, std::function<void()> tick,
              std::function<void()> backOnScreen);

  // Starts the timers, with a tick at once.
  void Start();
  // A tick now, whatever second it is (the clock was set or the computer
  // resumed); nothing before Start.
  void TickNow();
  bool OnScreen() const;

 private:
  void Fit();
  void Arm();
  void ArmEvery(int period);
  void OnTimeout();
  // The window went off the screen or came back.
  void OnScreenChanged();

  const LocalClock& m_clock;
  std::function<void()> m_tick;
  std::function<void()> m_backOnScreen;
  QTimer m_preciseTimer;  // the minute's first tick, every tick when minimised
  QTimer m_coarseTimer;   // the other ticks while the window is shown
  std::int64_t m_lastTickSecond = 0;
  bool m_started = false;  // start-up has reached the timer's step
  OpenDialogWatch* m_dialogWatch = nullptr;
  OnScreenWatch* m_onScreen = nullptr;
};
