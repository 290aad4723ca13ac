#include "gui/app/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace {

constexpr std::array<int, 2> kSignals = {SIGTERM, SIGHUP};

// The pipe from the signal handler to the event loop.
int g_pipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
  errno = saved;
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

bool OpenPipe() {
  if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) == 0) return true;
  g_pipe[0] = g_pipe[1] = -1;
  return false;
}

void ClosePipe() {
  for (int& fd : g_pipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : m_onSignal(std::move(onSignal)) {
  if (g_pipe[0] >= 0 || !OpenPipe()) return;
  m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
  SetHandler(OnTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
  if (m_notifier == nullptr) return;
  SetHandler(SIG_DFL);
  delete m_notifier;
  ClosePipe();
}

// Several signals before the loop came round count as one.
void TerminationSignals::Drain() {
  std::array<char, 64> buffer{};
  while (read(g_pipe[0], buffer.data(), buffer.size()) > 0) {
  }
  if (m_onSignal) m_onSignal();
}
