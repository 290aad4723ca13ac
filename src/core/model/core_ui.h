#pragma once

#include <string>

// What the core needs from the interface: a message box, word of a deletion,
// and word of any change of the alarms.
// The main dialog implements it; the alarm table and the settings' save are
// handed it.
class CoreUi {
 public:
  virtual ~CoreUi() = default;
  // An empty caption means the standard message box (the program's name).
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // Entry i was deleted and the table saved, which left count records; the
  // table is loaded again by now.
  virtual void AlarmDeleted(int i, int count) = 0;
  // The table's alarms changed in memory (an alarm added, removed, edited, or
  // a file read in that differs). A listener that keeps nothing worked out
  // from the alarms has nothing to do.
  virtual void TableChanged() {}
};
