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

}  // namespace

bool ReadInOtherWriter(AlarmTable& table) {
  // Read in first, which also takes in the watcher's news of a writer at work.
  const bool readIn = table.ReadInAlarmsChange();
  const QDeadlineTimer deadline(kWriterPatienceMs);
  while (table.AlarmsFileBusy() && !deadline.hasExpired()) {
    QEventLoop loop;
    QTimer::singleShot(kLookAgainMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  return table.ReadInAlarmsChange() || readIn;
}
