#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/phrase.h"

// The time an alarm shows with, and how late it is when its pop-up comes
// after its minute: "07:00" on time, "07:00, 12 min late",
// "07:00, 1 h 12 min late", "07:00, 2 d 3 h late". Whole days, hours and
// minutes, each left out when it is nought.
std::string LateAlarmText(std::string_view time, std::int64_t minutesLate);
// The same as a phrase, which the window puts in the user's language.
Phrase LateAlarmPhrase(std::string_view time, std::int64_t minutesLate);
