#include "gui/scheduler/clock_change_watch.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>

namespace {
// The timer itself never runs out: 1 January 2200, far beyond any real date
// and within range however a preloaded clock shifts it.
constexpr time_t kNeverSeconds = 7'258'118'400;
}  // namespace

ClockChangeWatch::ClockChangeWatch(std::function<void()> changed, QObject* parent, TimerCalls calls)
    : QObject(parent), m_calls(calls), m_changed(std::move(changed)) {
  m_fd = m_calls.create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (m_fd < 0) return;
  if (!Arm()) {
    close(m_fd);
    m_fd = -1;
    return;
  }
  m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

ClockChangeWatch::~ClockChangeWatch() {
  delete m_notifier;
  if (m_fd >= 0) close(m_fd);
}

bool ClockChangeWatch::Arm() {
  itimerspec never{};
  never.it_value.tv_sec = kNeverSeconds;
  return m_calls.settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

// A read fails with ECANCELED once the clock has been set; the timer must be
// armed again to watch for the next change.
void ClockChangeWatch::OnReadable() {
  std::uint64_t expirations = 0;
  const ssize_t got = read(m_fd, &expirations, sizeof expirations);
  if (got < 0 && errno == EAGAIN) return;
  Arm();
  if (m_changed) m_changed();
}
