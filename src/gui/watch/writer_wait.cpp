#include "gui/watch/writer_wait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "core/store/alarm_table.h"

namespace {

// Long enough for a writer that has just closed the file to be heard of as
// done (the file watcher waits a second of quiet).
constexpr int kWriterPatienceMs = 3000;
constexpr int kLookAgainMs = 50;

// Lets the event loop run, the user's input held back, while waiting() holds,
// for at most the patience.
template <typename Condition>
void WaitWhile(Condition waiting) {
  const QDeadlineTimer deadline(kWriterPatienceMs);
  while (waiting() && !deadline.hasExpired()) {
    QEventLoop loop;
    QTimer::singleShot(kLookAgainMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
}

}  // namespace

bool ReadInOtherWriter(AlarmTable& table) {
  // Read in first, which also takes in the watcher's news of a writer at work.
  const bool readIn = table.ReadInAlarmsChange();
  WaitWhile([&table] { return table.AlarmsFileBusy(); });
  return table.ReadInAlarmsChange() || readIn;
}

void SaveBeforeTheEnd(AlarmTable& table) {
  WaitWhile([&table] { return table.AlarmsSaveWaiting() && table.AlarmsFileBusy(); });
  table.FinishWaitingSave();
}
