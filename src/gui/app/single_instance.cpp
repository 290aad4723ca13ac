#include "gui/app/single_instance.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdlib>
#include <string>

namespace {

// The write end of the pipe that turns SIGUSR1 into an event of the loop.
int s_wakePipe[2] = {-1, -1};

void OnWakeSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = write(s_wakePipe[1], &byte, 1);
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath) : m_lockPath(lockPath) {
  const int fd = open(lockPath.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return;
  }
  m_fd = fd;
  const std::string pid = std::to_string(getpid()) + "\n";
  if (ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const auto written = write(fd, pid.data(), pid.size());
  }
  ListenForWake();
}

SingleInstance::~SingleInstance() {
  if (m_fd >= 0) close(m_fd);
}

void SingleInstance::ListenForWake() {
  if (pipe2(s_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = new QSocketNotifier(s_wakePipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (read(s_wakePipe[0], buffer, sizeof buffer) > 0) {
    }
    emit wakeRequested();
  });
  struct sigaction action {};
  action.sa_handler = OnWakeSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

bool SingleInstance::WakeFirst() const {
  const int fd = open(m_lockPath.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char buffer[32] = {};
  const auto got = read(fd, buffer, sizeof buffer - 1);
  close(fd);
  if (got <= 0) return false;
  const long pid = std::strtol(buffer, nullptr, 10);
  return pid > 0 && kill(static_cast<pid_t>(pid), SIGUSR1) == 0;
}
