#include "gui/app/single_instance.h"

#include <QSocketNotifier>
#include <cstdio>

#include "core/platform/instance_lock.h"

SingleInstance::SingleInstance(const QString& alarmsFolder)
    : m_lock(std::make_unique<InstanceLock>(alarmsFolder.toStdString())) {
  if (m_lock->state() == InstanceLock::State::Unguarded) {
    std::fprintf(stderr,
                 "Tockmere: no guard against a second copy on this alarms folder: %s; "
                 "running without it.\n",
                 m_lock->error().c_str());
  }
  if (m_lock->wakeSocket() < 0) return;
  m_notifier = new QSocketNotifier(m_lock->wakeSocket(), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    if (m_lock->TakeWakeRequests() > 0) emit wakeRequested();
  });
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::OtherCopyRuns() const {
  return m_lock->state() == InstanceLock::State::Another;
}

bool SingleInstance::WakeFirst() {
  return m_lock->WakeFirst();
}
