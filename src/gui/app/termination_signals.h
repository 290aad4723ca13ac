#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (logout, shutdown, a closed terminal) into a call
// of `onSignal` from the event loop, where the program can close as it does
// on Exit. While the object lives, those signals no longer end the process by
// themselves. One object at a time.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // False when the signals could not be caught (the defaults stay in place).
  bool Installed() const { return m_notifier != nullptr; }

 private:
  void Drain();

  std::function<void()> m_onSignal;
  QSocketNotifier* m_notifier = nullptr;
};
