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
  } else if (!m_lock->error().empty()) {
    std::fprintf(stderr,
                 "Tockmere: a second copy on this alarms folder cannot reach this one: %s.\n",
                 m_lock->error().c_str());
  }
  if (m_lock->wakeSocket() < 0) return;
  m_notifier = new QSocketNotifier(m_lock->wakeSocket(), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    if (m_lock->TakeWakeRequests() > 0) emit wakeRequested();
  });
}

bool SingleInstance::OtherCopyRuns() const {
  return m_lock->state() == InstanceLock::State::Another;
}

bool SingleInstance::WakeFirst() {
  return m_lock->WakeFirst();
}

void SingleInstance::FollowFolder() {
  if (m_lock->Guards(".")) return;
  Take(std::chrono::milliseconds(0), false);  // nothing is asked of a copy that holds it
  if (!OtherCopyRuns()) return;
  std::fputs(
      "Tockmere: another copy already works in the alarms folder this one entered again; "
      "both go off for its alarms until one of them ends.\n",
      stderr);
}
