#include "core/settings/settings_store.h"

#include <string>

#include "core/model/core_ui.h"
#include "core/model/date_format.h"
#include "core/model/phrase.h"
#include "core/platform/atomic_file.h"
#include "core/platform/registry_key.h"
#include "core/platform/simple_number.h"

namespace {

constexpr const char* kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Tockmere";
// The most data a query of one value takes.
constexpr std::size_t kValueBufferSize = 20;

struct SettingValue {
  const char* name;
  int AlarmSettings::*field;
};

constexpr SettingValue kReadOrder[] = {
    {"FontNo", &AlarmSettings::FontNo},   {"DateFormat", &AlarmSettings::DateFormat},
    {"OColour", &AlarmSettings::OColour}, {"DColour", &AlarmSettings::DColour},
    {"WColour", &AlarmSettings::WColour}, {"FColour", &AlarmSettings::FColour},
    {"MColour", &AlarmSettings::MColour}, {"Sound", &AlarmSettings::Sound}};

constexpr SettingValue kWriteOrder[] = {
    {"DateFormat", &AlarmSettings::DateFormat}, {"FontNo", &AlarmSettings::FontNo},
    {"WColour", &AlarmSettings::WColour},       {"DColour", &AlarmSettings::DColour},
    {"FColour", &AlarmSettings::FColour},       {"MColour", &AlarmSettings::MColour},
    {"OColour", &AlarmSettings::OColour},       {"Sound", &AlarmSettings::Sound}};

// The data taken as text: up to its first zero byte.
int NumberInData(const std::string& data) {
  return ReadNumber(data.c_str());
}

}  // namespace

AlarmSettings DefaultSettings() {
  AlarmSettings defaults;
  defaults.Sound = 0;
  defaults.DateFormat = static_cast<int>(DateFormat::Uk);
  defaults.FontNo = 1;
  defaults.OColour = 0;
  defaults.DColour = 1;
  defaults.WColour = 2;
  defaults.FColour = 3;
  defaults.MColour = 4;
  return defaults;
}

// A save killed half-way by a previous run may have left its temporary file.
void SettingsStore::LoadSettings() {
  RemoveStaleTemporaries(RegistryFilePath());
  const AlarmSettings defaults = DefaultSettings();
  RegistryKey key;
  if (!key.Open(kSettingsKey)) {
    m_firstRun = true;
    m_values = defaults;
    return;
  }
  m_firstRun = false;
  for (const SettingValue& value : kReadOrder) {
    std::string data;
    m_values.*value.field = key.QueryValue(value.name, kValueBufferSize, data)
                                ? NumberInData(data)
                                : defaults.*value.field;
  }
  key.Close();
}

bool SettingsStore::WriteSettings() const {
  RegistryKey key;
  bool ok = key.Create(kSettingsKey);
  if (ok) {
    for (const SettingValue& value : kWriteOrder) {
      key.SetStringValue(value.name, std::to_string(m_values.*value.field));
    }
    ok = key.Close();
  }
  if (ok) {
    m_said.Clear();
  } else {
    m_said.Say("cannot save the settings to " + RegistryFilePath().string() + ": " + key.Problem());
  }
  return ok;
}

void SettingsStore::SaveSettings(CoreUi& ui) const {
  if (WriteSettings()) return;
  ui.ShowMessage(TOCK_TR_NOOP("Message", "Registry key error.\nCould not save settings."), "");
}
