// Takes the input as the registry file (UTF-8, or UTF-16 with its byte-order
// mark). Checks that parsing and writing it back is stable, that the settings load, save and load
// again to the same values, and that saving keeps every other key, value and line of the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/reg_file.h"
#include "core/platform/registry_key.h"
#include "core/platform/text_encoding.h"
#include "core/settings/settings_store.h"
#include "fuzz_support.h"

namespace {

constexpr const char* kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Tockmere";
constexpr const char* kSettingNames[] = {"Sound",   "DateFormat", "FontNo",  "OColour",
                                         "DColour", "WColour",    "FColour", "MColour"};

RecordingUi g_ui;

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\n") == line.npos;
}

std::string WithoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(" \t\n") + 1);
  return text;
}

bool IsSettingValue(const RegSection& section, const RegEntry& entry) {
  return SameRegName(section.keyName, kSettingsKey) && entry.isValue &&
         std::any_of(std::begin(kSettingNames), std::end(kSettingNames),
                     [&](const char* name) { return SameRegName(entry.name, name); });
}

// What a save must keep: each key's lines that are not blank and not one of
// the settings. A save may add blank lines and close hex data left open.
using Kept = std::vector<std::pair<std::string, std::vector<std::string>>>;
Kept KeptLines(const RegFile& file) {
  Kept kept;
  for (const RegSection& section : file.sections) {
    std::vector<std::string> lines;
    for (const RegEntry& entry : section.entries) {
      if (!IsBlank(entry.text) && !IsSettingValue(section, entry)) {
        lines.push_back(WithoutTrailingBlanks(entry.text));
      }
    }
    kept.emplace_back(section.header, std::move(lines));
  }
  return kept;
}

bool SameSettings(const AlarmSettings& a, const AlarmSettings& b) {
  return a.Sound == b.Sound && a.DateFormat == b.DateFormat && a.FontNo == b.FontNo &&
         a.OColour == b.OColour && a.DColour == b.DColour && a.WColour == b.WColour &&
         a.FColour == b.FColour && a.MColour == b.MColour;
}

void CheckFormattingIsStable(std::string_view input) {
  const std::string once = FormatRegText(ParseRegText(input));
  FUZZ_CHECK(FormatRegText(ParseRegText(once)) == once);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  PrepareScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckFormattingIsStable(input);

  WriteWholeFile(RegistryFilePath(), input);
  const DecodedText decoded = DecodeText(input);
  const RegFile before = ParseRegText(decoded.text);
  SettingsStore settings;
  settings.LoadSettings();
  const AlarmSettings loaded = settings.Values();
  const bool hadKey = !settings.FirstRun();

  settings.SaveSettings(g_ui);
  FUZZ_CHECK(g_ui.messages.empty());
  const DecodedText saved = DecodeText(ReadWholeFile(RegistryFilePath()));
  FUZZ_CHECK(saved.encoding == decoded.encoding);
  const RegFile after = ParseRegText(saved.text);
  Kept keptBefore = KeptLines(before);
  const Kept keptAfter = KeptLines(after);
  if (!hadKey)
    keptBefore.emplace_back("[" + std::string(kSettingsKey) + "]", std::vector<std::string>{});
  FUZZ_CHECK(keptAfter == keptBefore);

  SettingsStore reloaded;
  reloaded.LoadSettings();
  FUZZ_CHECK(!reloaded.FirstRun());
  FUZZ_CHECK(SameSettings(reloaded.Values(), loaded));
  return 0;
}
