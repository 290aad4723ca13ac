#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/text_encoding.h"
#include "core/settings/settings_store.h"
#include "recording_ui.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kRegFile = "config/Tockmere/registry.reg";
constexpr const char* kHeader =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n";
const std::vector<std::pair<std::string, std::string>> kRegistryError = {
    {"Registry key error.\nCould not save settings.", ""}};

std::string WithCrLf(const std::string& text) {
  std::string result;
  for (const char c : text) result += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return result;
}

bool SameSettings(const AlarmSettings& a, const AlarmSettings& b) {
  return a.Sound == b.Sound && a.DateFormat == b.DateFormat && a.FontNo == b.FontNo &&
         a.OColour == b.OColour && a.DColour == b.DColour && a.WColour == b.WColour &&
         a.FColour == b.FColour && a.MColour == b.MColour;
}

class SettingsTest : public ::testing::Test {
 protected:
  // Loads the settings from a key holding the given value lines.
  void LoadFromKey(const std::string& values) {
    m_folder.Write(kRegFile, kHeader + values);
    m_settings.LoadSettings();
  }

  ScratchFolder m_folder;
  RecordingUi m_ui;
  SettingsStore m_settings;
};

}  // namespace

TEST_F(SettingsTest, NoKeyGivesDefaultsAndFirstRun) {
  m_settings.Values().FontNo = 4;
  m_settings.LoadSettings();
  EXPECT_TRUE(m_settings.FirstRun());
  EXPECT_TRUE(SameSettings(m_settings.Values(), DefaultSettings()));
  EXPECT_EQ(m_settings.Values().FontNo, 1);
  EXPECT_EQ(m_settings.Values().MColour, 4);
  EXPECT_FALSE(fs::exists(kRegFile));
}

TEST_F(SettingsTest, AFileWithoutTheKeyIsAFirstRunToo) {
  m_folder.Write(kRegFile,
                 "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Other]\n"
                 "\"FontNo\"=\"3\"\n");
  m_settings.LoadSettings();
  EXPECT_TRUE(m_settings.FirstRun());
  EXPECT_EQ(m_settings.Values().FontNo, 1);
}

// Hex data left open at the end of another key (its last line ends in "\")
// must not take in the key the first save appends after it.
TEST_F(SettingsTest, OpenHexDataOfAnotherKeyDoesNotSwallowOurKey) {
  m_folder.Write(kRegFile, "[HKEY_CURRENT_USER\\Other]\n@=hex:01,\\\\");
  m_settings.LoadSettings();
  m_settings.Values().FontNo = 3;
  m_settings.SaveSettings(m_ui);
  m_settings.Values() = AlarmSettings{};
  m_settings.LoadSettings();
  EXPECT_FALSE(m_settings.FirstRun());
  EXPECT_EQ(m_settings.Values().FontNo, 3);
}

TEST_F(SettingsTest, FirstCloseWritesTheDefaultsInWriteOrder) {
  m_settings.LoadSettings();
  m_settings.SaveSettings(m_ui);
  EXPECT_TRUE(m_ui.messages.empty());
  EXPECT_EQ(m_folder.Read(kRegFile), std::string(kHeader) +
                                         "\"DateFormat\"=\"0\"\n"
                                         "\"FontNo\"=\"1\"\n"
                                         "\"WColour\"=\"2\"\n"
                                         "\"DColour\"=\"1\"\n"
                                         "\"FColour\"=\"3\"\n"
                                         "\"MColour\"=\"4\"\n"
                                         "\"OColour\"=\"0\"\n"
                                         "\"Sound\"=\"0\"\n");
  m_settings.LoadSettings();
  EXPECT_FALSE(m_settings.FirstRun());
  EXPECT_TRUE(SameSettings(m_settings.Values(), DefaultSettings()));
}

TEST_F(SettingsTest, OnlyFontNoInTheKey) {
  LoadFromKey("\"FontNo\"=\"3\"\n");
  EXPECT_FALSE(m_settings.FirstRun());
  AlarmSettings expected = DefaultSettings();
  expected.FontNo = 3;
  EXPECT_TRUE(SameSettings(m_settings.Values(), expected));
}

TEST_F(SettingsTest, ValuesAreReadAsSimpleDecimalNumbers) {
  LoadFromKey("\"DateFormat\"=\" 1\"\n\"FColour\"=\"3x\"\n\"MColour\"=\"x\"\n\"Sound\"=\"-1\"\n");
  EXPECT_EQ(m_settings.Values().DateFormat, 1);
  EXPECT_EQ(m_settings.Values().FColour, 3);
  EXPECT_EQ(m_settings.Values().MColour, 0);
  EXPECT_EQ(m_settings.Values().Sound, -1);
}

TEST_F(SettingsTest, AFourByteNumberReadsAsTextWithoutDigits) {
  LoadFromKey("\"DateFormat\"=dword:00000001\n\"FontNo\"=hex:33,00\n");
  EXPECT_EQ(m_settings.Values().DateFormat, 0);
  EXPECT_EQ(m_settings.Values().FontNo, 3);
}

TEST_F(SettingsTest, DataLongerThanTwentyBytesGivesTheDefault) {
  // 19 characters and the zero byte fill the 20 bytes; one more is too long.
  LoadFromKey(
      "\"WColour\"=\"0000000000000000004\"\n"
      "\"FColour\"=\"00000000000000000004\"\n"
      "\"DColour\"=hex:30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,34\n"
      "\"MColour\"=hex:30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,30,32\n");
  EXPECT_EQ(m_settings.Values().WColour, 4);
  EXPECT_EQ(m_settings.Values().FColour, 3);
  EXPECT_EQ(m_settings.Values().DColour, 4);
  EXPECT_EQ(m_settings.Values().MColour, 4);
}

TEST_F(SettingsTest, UnreadableValuesGiveTheirDefaults) {
  LoadFromKey("\"FontNo\"=dword:xyz\n\"OColour\"=\"2\n\"DColour\"=-\n\"WColour\"\n");
  AlarmSettings expected = DefaultSettings();
  EXPECT_TRUE(SameSettings(m_settings.Values(), expected));
  EXPECT_FALSE(m_settings.FirstRun());
}

TEST_F(SettingsTest, KeyAndValueNamesIgnoreLetterCase) {
  m_folder.Write(kRegFile, "[hkey_local_machine\\SOFTWARE\\tockmere]\n\"fontno\"=\"2\"\n");
  m_settings.LoadSettings();
  EXPECT_FALSE(m_settings.FirstRun());
  EXPECT_EQ(m_settings.Values().FontNo, 2);
  m_settings.Values().FontNo = 4;
  m_settings.SaveSettings(m_ui);
  const std::string text = m_folder.Read(kRegFile);
  EXPECT_NE(text.find("\"FontNo\"=\"4\""), std::string::npos) << text;
  EXPECT_EQ(text.find("fontno"), std::string::npos) << text;
}

TEST_F(SettingsTest, NumbersAreWrittenWhole) {
  m_settings.LoadSettings();
  m_settings.Values().FontNo = 10;
  m_settings.Values().OColour = -3;
  m_settings.Values().Sound = 123456;
  m_settings.SaveSettings(m_ui);
  const std::string text = m_folder.Read(kRegFile);
  EXPECT_NE(text.find("\"FontNo\"=\"10\"\n"), std::string::npos) << text;
  m_settings.Values() = AlarmSettings{};
  m_settings.LoadSettings();
  EXPECT_EQ(m_settings.Values().FontNo, 10);
  EXPECT_EQ(m_settings.Values().OColour, -3);
  EXPECT_EQ(m_settings.Values().Sound, 123456);
}

TEST_F(SettingsTest, OtherKeysValuesAndCommentsAreKept) {
  const std::string before =
      "Windows Registry Editor Version 5.00\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\n"
      "\"FontNo\"=\"7\"\n"
      "\n"
      "; kept by hand\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n"
      "\"Sound\"=\"1\"\n"
      "\"Extra\"=hex:01,02,\\\n"
      "  03\n"
      "\"DateFormat\"=dword:00000001\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Later]\n"
      "@=\"default\"\n";
  m_folder.Write(kRegFile, before);
  m_settings.LoadSettings();
  EXPECT_EQ(m_settings.Values().Sound, 1);
  m_settings.Values().FontNo = 2;
  m_settings.SaveSettings(m_ui);
  EXPECT_EQ(m_folder.Read(kRegFile),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Other]\n"
            "\"FontNo\"=\"7\"\n"
            "\n"
            "; kept by hand\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n"
            "\"Sound\"=\"1\"\n"
            "\"Extra\"=hex:01,02,\\\n"
            "  03\n"
            "\"DateFormat\"=\"0\"\n"
            "\"FontNo\"=\"2\"\n"
            "\"WColour\"=\"2\"\n"
            "\"DColour\"=\"1\"\n"
            "\"FColour\"=\"3\"\n"
            "\"MColour\"=\"4\"\n"
            "\"OColour\"=\"0\"\n"
            "\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Later]\n"
            "@=\"default\"\n");
}

TEST_F(SettingsTest, UncreatableConfigFolderShowsTheMessageAndWritesNothing) {
  m_folder.Write("config/Tockmere", "a file where the folder should be");
  m_settings.Values() = DefaultSettings();
  m_settings.SaveSettings(m_ui);
  EXPECT_EQ(m_ui.messages, kRegistryError);
  EXPECT_EQ(m_folder.Read("config/Tockmere"), "a file where the folder should be");
}

// Each failure after a save that worked is said on stderr again.
TEST_F(SettingsTest, ReadOnlyRegistryFileShowsTheMessageAndStaysAsItWas) {
  const std::string before = std::string(kHeader) + "\"FontNo\"=\"3\"\n";
  m_folder.Write(kRegFile, before);
  ASSERT_EQ(chmod(kRegFile, 0444), 0);
  m_settings.LoadSettings();
  m_settings.Values().FontNo = 0;
  ::testing::internal::CaptureStderr();
  m_settings.SaveSettings(m_ui);
  EXPECT_EQ(m_ui.messages, kRegistryError);
  EXPECT_EQ(m_folder.Read(kRegFile), before);
  for (const mode_t mode : {0644, 0444}) {
    ASSERT_EQ(chmod(kRegFile, mode), 0);
    m_settings.WriteSettings();
  }
  const std::string said = "tockmere: cannot save the settings to " +
                           (m_folder.path() / kRegFile).string() + ": Permission denied\n";
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), said + said);
}

// Whatever stands in place of the settings file, the program starts with the
// defaults, as on a first run, and never blocks.
TEST_F(SettingsTest, ASettingsFileThatCannotBeReadIsAKeyThatCannotBeOpened) {
  const auto check = [this](const char* what) {
    SCOPED_TRACE(what);
    m_ui.messages.clear();
    m_settings.Values().FontNo = 4;
    m_settings.LoadSettings();
    EXPECT_TRUE(m_settings.FirstRun());
    EXPECT_TRUE(SameSettings(m_settings.Values(), DefaultSettings()));
    m_settings.SaveSettings(m_ui);
    EXPECT_EQ(m_ui.messages, kRegistryError);
  };
  fs::create_directories(kRegFile);
  check("a folder");
  EXPECT_TRUE(fs::is_directory(kRegFile));
  fs::remove(kRegFile);
  ASSERT_EQ(mkfifo(kRegFile, 0600), 0);
  check("a FIFO");
  EXPECT_TRUE(fs::is_fifo(kRegFile));
}

TEST_F(SettingsTest, AUtf16FileIsReadAndWrittenBackWholeInUtf16) {
  const std::string exported =
      std::string(kHeader) + "\"FontNo\"=\"3\"\n\"Other\"=\"caf\xC3\xA9\"\n";
  const std::string utf16 = EncodeText(WithCrLf(exported), TextEncoding::Utf16Le);
  m_folder.Write(kRegFile, utf16);
  m_settings.LoadSettings();
  EXPECT_FALSE(m_settings.FirstRun());
  EXPECT_EQ(m_settings.Values().FontNo, 3);
  m_settings.SaveSettings(m_ui);
  EXPECT_TRUE(m_ui.messages.empty());
  const DecodedText saved = DecodeText(m_folder.Read(kRegFile));
  EXPECT_EQ(saved.encoding, TextEncoding::Utf16Le);
  EXPECT_EQ(saved.text,
            WithCrLf(std::string(kHeader) +
                     "\"FontNo\"=\"3\"\n\"Other\"=\"caf\xC3\xA9\"\n\"DateFormat\"=\"0\"\n"
                     "\"WColour\"=\"2\"\n\"DColour\"=\"1\"\n\"FColour\"=\"3\"\n"
                     "\"MColour\"=\"4\"\n\"OColour\"=\"0\"\n\"Sound\"=\"0\"\n"));
  m_settings.Values() = AlarmSettings{};
  m_settings.LoadSettings();
  EXPECT_EQ(m_settings.Values().FontNo, 3);
  EXPECT_EQ(m_settings.Values().MColour, 4);
}

TEST_F(SettingsTest, ASymbolicLinkIsWrittenThrough) {
  m_folder.Write("dotfiles/tockmere.reg", std::string(kHeader) + "\"FontNo\"=\"3\"\n");
  fs::create_directories("config/Tockmere");
  fs::create_symlink(m_folder.path() / "dotfiles/tockmere.reg", kRegFile);
  m_settings.LoadSettings();
  m_settings.Values().Sound = 1;
  m_settings.SaveSettings(m_ui);
  EXPECT_TRUE(fs::is_symlink(kRegFile));
  EXPECT_NE(m_folder.Read("dotfiles/tockmere.reg").find("\"Sound\"=\"1\""), std::string::npos);
}
