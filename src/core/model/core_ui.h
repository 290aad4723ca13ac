#pragma once

#include <string>

// What the core needs from the interface: a message box and a list refresh.
// The main dialog installs its implementation; without one the core is silent.
class CoreUi {
 public:
  virtual ~CoreUi() = default;
  // An empty caption means the standard message box (the program's name).
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  virtual void RefreshList(int top) = 0;
};

void SetCoreUi(CoreUi* ui);
CoreUi* GetCoreUi();
