#include "gui/app/single_instance.h"

#include <QSocketNotifier>
#include <cstdio>

#include "core/platform/instance_lock.h"

SingleInstance::SingleInstance() {
  Take(InstanceLock::kPatience, true);
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Take(std::chrono::milliseconds patience, bool ask) {
  delete m_notifier;
  m_notifier = nullptr;
  m_lock.reset();
  m_lock = std::make_unique<InstanceLock>(".", GuardFolder(), patience, ask);
  if (m_lock->state() == InstanceLock::State::Unguarded) {
    std::fprintf(stderr,
                 "Tockmere: no guard against a second copy on this alarms folder: %s; "
                 "running without it.\n",
                 m_lock->error().c_str());
  } else if (!m_lock->error().empty() && OtherCopyRuns()) {
    std::fprintf(stderr, "Tockmere: cannot reach the copy that works in this alarms folder: %s.\n",
                 m_lock->error().c_str());
  } else if (!m_lock->error().empty()) {
    std::fprintf(stderr,
                 "Tockmere: a second copy on this alarms folder cannot reach this one: %s.\n",
                 m_lock->error().c_str());
  }
  if (m_lock->wakeSocket() < 0) return;
  m_notifier = new QSocketNotifier(m_lock->wakeSocket(), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    for (const std::string& token : m_lock->TakeWakeRequests()) {
      emit wakeRequested(QString::fromStdString(token));
    }
  });
}

bool SingleInstance::OtherCopyRuns() const {
  return m_lock->state() == InstanceLock::State::Another;
}

// The desktop's leave for this start to bring a window forward: a Wayland
// launcher's activation token, or an X11 launcher's startup id.
bool SingleInstance::WakeFirst(const QByteArray& x11StartupId) {
  const QByteArray wayland = qgetenv("XDG_ACTIVATION_TOKEN");
  return m_lock->WakeFirst((wayland.isEmpty() ? x11StartupId : wayland).toStdString());
}

void SingleInstance::FollowFolder() {
  if (m_lock->Guards(".")) return;
  Take(std::chrono::milliseconds(0), false);  // nothing is asked of a copy that holds it
  if (!OtherCopyRuns()) return;
  std::fputs(
      "Tockmere: another copy already works in the alarms folder this one entered again; "
      "this copy ends, and the other goes off for its alarms.\n",
      stderr);
  emit folderTakenByAnother();
}
