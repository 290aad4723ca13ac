#pragma once

#include <string>

// What the core needs from the interface: a message box, and word of a deletion.
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
};
