#include <optional>
#include <string>

#include "core/entry/alarm_commit.h"
#include "core/entry/new_alarm_check.h"
#include "core/model/alarm_record.h"
#include "core/scheduler/clock_reading.h"
#include "core/settings/settings_store.h"
#include "core/store/alarm_table.h"
#include "gui/entry/entry_form.h"
#include "gui/watch/writer_wait.h"

// Add: checks the form and, when it passes, stores the new alarm call and
// brings it into view. A refused entry changes nothing and leaves the form as
// the user typed it. A change of alarms.txt by another program is read in
// first, so that the check counts the alarms the file holds now; while that
// program is still writing, Add waits for it a moment, or the check would
// count alarms the file no longer holds and the save, merging the change,
// would have to drop one.
void EntryForm::OnAdd() {
  if (ReadInOtherWriter(m_table)) m_host.ShowTableChange();
  if (m_table.Count() >= kMaxAlarms) {
    m_host.ShowMessage(kTableFullMessage, "");
    return;
  }
  if (!m_host.UpdateData(true)) return;
  const AlarmForm form{m_time, m_type, m_day, m_date};
  const std::string message = CheckNewAlarm(form, m_snapshot, m_settings.Order());
  if (!message.empty()) {
    m_host.ShowMessage(message, "");
    return;
  }
  const std::optional<NewAlarm> alarm = CheckedAlarm(form);
  if (!alarm) return;
  const AlarmAdded added =
      AddAlarm(m_table, *alarm, std::string(kNewAlarmMarker), m_snapshot, m_settings.Order());
  if (!added.message.empty()) m_host.ShowMessage(added.message, "");
  if (added.result != AddResult::kTableFull) m_host.AlarmAdded();
}
