#include "core/scheduler/missed_pass.h"

#include <vector>

#include "core/model/alarm_kind.h"
#include "core/platform/simple_number.h"
#include "core/platform/text_parts.h"
#include "core/scheduler/calendar_rules.h"
#include "core/scheduler/minute_walk.h"
#include "core/scheduler/pass_step.h"

namespace {

// The last moment whose local time is the one `moment` shows: where the
// clocks go back, a local time comes twice and the later moment is a day's
// offset away. A time the clocks skip has been moved on by FromLocal already.
std::int64_t LastMomentOfItsLocalTime(const LocalClock& clock, std::int64_t moment) {
  const std::int64_t local = moment + UtcOffset(clock, moment);
  std::int64_t last = moment;
  for (const std::int64_t day : {-kSecondsPerDay, kSecondsPerDay}) {
    const std::int64_t offset = UtcOffset(clock, moment + day);
    const std::int64_t other = local - offset;
    if (other > last && UtcOffset(clock, other) == offset) last = other;
  }
  return last;
}

}  // namespace

bool IsMissedAlarm(const AlarmRecord& record, std::int64_t now, const LocalClock& clock) {
  if (!IsOneOff(record.type)) return false;
  const CivilDate date = ReadStoredDate(record.date);
  const std::int64_t moment = clock.FromLocal(static_cast<int>(date.year), date.month, date.day,
                                              ReadNumber(TextPart(record.time, 0, 2)),
                                              ReadNumber(LastChars(record.time, 2)), 0);
  return LastMomentOfItsLocalTime(clock, moment) <= now;
}

void RunMissedPass(const AlarmTable& table, std::int64_t now, const LocalClock& clock,
                   const std::function<void(int)>& notify, const std::function<void(int)>& remove) {
  std::vector<DueAlarm> missed;
  for (int i = 0; i < table.Count(); ++i) {
    const AlarmRecord& entry = table.At(i);
    if (IsMissedAlarm(entry, now, clock)) missed.push_back(DueAlarm{i, entry});
  }
  FireEachOnce(
      table, missed, [&](int i, std::int64_t) { notify(i); }, remove);
}

Phrase NoticePhrase(const AlarmRecord& record) {
  std::string shortened;
  if (record.text.size() > 1) {
    for (const char c : std::string_view(record.text).substr(0, record.text.size() - 1)) {
      if (c == '|') {
        shortened += " , ";
      } else {
        shortened += c;
      }
    }
  }
  return Marked(
      "Cleared notice",
      TOCK_TR_NOOP("Cleared notice",
                   "\nThe Alarm Call for %1 on %2\nwith text:\n'%3'\nhas been cleared.\n"),
      {Plain(record.time), Plain(record.date), Plain(shortened)});
}

std::string ComposeNoticeText(const AlarmRecord& record) {
  return English(NoticePhrase(record));
}
