#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/core_ui.h"

// A CoreUi that records every message and deletion the core tells of, and
// counts the changes of the table.
class RecordingUi : public CoreUi {
 public:
  RecordingUi() = default;
  RecordingUi(const RecordingUi&) = delete;
  RecordingUi& operator=(const RecordingUi&) = delete;

  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(text, caption);
  }
  void AlarmDeleted(int i, int count) override { deletions.emplace_back(i, count); }
  void TableChanged() override { ++changes; }

  std::vector<std::pair<std::string, std::string>> messages;  // text, caption
  std::vector<std::pair<int, int>> deletions;                 // entry, records left
  int changes = 0;
};
