#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/core_ui.h"

// A failed check is a finding: report it and abort so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// A scratch folder of the fuzzer's own for XDG_CONFIG_HOME and alarms.txt, in
// memory where the machine has /dev/shm, so that the fsync of every save costs
// nothing.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string name = (base / "tockmere-fuzz-XXXXXX").string();
    FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
    setenv("XDG_CONFIG_HOME", name.c_str(), 1);
    return std::filesystem::path(name);
  }();
  return folder;
}

// Makes the scratch folder now and removes it when the fuzzer ends normally.
inline void PrepareScratchFolder() {
  ScratchFolder();
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
  });
}

// Works in the scratch folder for its lifetime; libFuzzer's own paths (corpus,
// crash files) stay relative to the folder it was started in.
class InScratchFolder {
 public:
  InScratchFolder() : m_old(std::filesystem::current_path()) {
    std::filesystem::current_path(ScratchFolder());
  }
  ~InScratchFolder() { std::filesystem::current_path(m_old); }
  InScratchFolder(const InScratchFolder&) = delete;
  InScratchFolder& operator=(const InScratchFolder&) = delete;

 private:
  std::filesystem::path m_old;
};

inline void WriteWholeFile(const std::filesystem::path& path, std::string_view content) {
  std::filesystem::create_directories(path.parent_path().empty() ? "." : path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  FUZZ_CHECK(out.good());
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Records what the core would show; a fuzzer checks that nothing came.
class RecordingUi : public CoreUi {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    messages.emplace_back(text, caption);
  }
  void AlarmDeleted(int i, int count) override { deletions.emplace_back(i, count); }

  std::vector<std::pair<std::string, std::string>> messages;
  std::vector<std::pair<int, int>> deletions;
};
