#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/core_ui.h"

// A CoreUi that records every message and list refresh the core asks for.
class RecordingUi : public CoreUi {
 public:
  RecordingUi() { SetCoreUi(this); }
  ~RecordingUi() override { SetCoreUi(nullptr); }
  RecordingUi(const RecordingUi&) = delete;
  RecordingUi& operator=(const RecordingUi&) = delete;

  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(text, caption);
  }
  void RefreshList(int top) override { refreshes.push_back(top); }

  std::vector<std::pair<std::string, std::string>> messages;  // text, caption
  std::vector<int> refreshes;
};
