#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/model/alarm_record.h"
#include "core/model/phrase.h"
#include "core/platform/local_clock.h"
#include "core/store/alarm_table.h"

// Whether a one-off record's moment is at or before now: of a local time the
// clocks go back over, which comes twice, the second.
bool IsMissedAlarm(const AlarmRecord& record, std::int64_t now, const LocalClock& clock);

// One pass over the table at start-up: the missed one-off alarms are found
// first, then each gets notify(i) and remove(i), in table order
// (FireEachOnce). Each alarm gives at most one notice, also when its removal
// cannot be saved or re-sorts the table.
void RunMissedPass(const AlarmTable& table, std::int64_t now, const LocalClock& clock,
                   const std::function<void(int)>& notify, const std::function<void(int)>& remove);

// "\nThe Alarm Call for HH:MM on DD/MM/YY\nwith text:\n'...'\nhas been cleared.\n"
std::string ComposeNoticeText(const AlarmRecord& record);
// The same as a phrase, which the window puts in the user's language.
Phrase NoticePhrase(const AlarmRecord& record);
