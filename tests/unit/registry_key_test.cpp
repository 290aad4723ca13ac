#include "core/platform/registry_key.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/platform/reg_file.h"
#include "test_support.h"

namespace {

using namespace std::string_literals;

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Tockmere";
constexpr const char* kRegFile = "config/Tockmere/registry.reg";

// The data of the one value of a one-line section.
std::optional<std::string> DataOf(const std::string& valueLine) {
  const RegFile file = ParseRegText("[K]\n" + valueLine + "\n");
  if (file.sections.size() != 1 || file.sections[0].entries.size() != 1) return std::nullopt;
  return RegValueData(file.sections[0].entries[0]);
}

class RegistryKeyTest : public ::testing::Test {
 protected:
  ScratchFolder m_folder;
};

}  // namespace

TEST(RegFile, StringValuesUnescapeAndEndInAZeroByte) {
  EXPECT_EQ(DataOf("\"A\"=\"12\""), "12\0"s);
  EXPECT_EQ(DataOf("\"A\"=\"\""), "\0"s);
  EXPECT_EQ(DataOf("\"A\"=\"C:\\\\dir\\\\\""), "C:\\dir\\\0"s);
  EXPECT_EQ(DataOf("\"A\"=\"say \\\"hi\\\"\""), "say \"hi\"\0"s);
  EXPECT_EQ(DataOf("  \"A\" = \"x\"  "), "x\0"s);
  EXPECT_EQ(DataOf("@=\"default\""), "default\0"s);
}

TEST(RegFile, DwordsAreFourBytesLowestFirst) {
  EXPECT_EQ(DataOf("\"A\"=dword:00000001"), "\x01\0\0\0"s);
  EXPECT_EQ(DataOf("\"A\"=DWORD:0A0b0C0d"), "\x0d\x0c\x0b\x0a"s);
  EXPECT_EQ(DataOf("\"A\"=dword:ffffffff"), "\xff\xff\xff\xff"s);
}

TEST(RegFile, HexBytesMayGoOnOverSeveralLines) {
  EXPECT_EQ(DataOf("\"A\"=hex:31,32,00"), "12\0"s);
  EXPECT_EQ(DataOf("\"A\"=hex:"), ""s);
  EXPECT_EQ(DataOf("\"A\"=hex(2):41,00"), "A\0"s);
  const RegFile file = ParseRegText("[K]\n\"A\"=hex:31,\\\n  32,\\\n  33\n\"B\"=\"x\"\n");
  ASSERT_EQ(file.sections[0].entries.size(), 2u);
  EXPECT_EQ(RegValueData(file.sections[0].entries[0]), "123");
  EXPECT_EQ(file.sections[0].entries[0].text, "\"A\"=hex:31,\\\n  32,\\\n  33");
  EXPECT_EQ(file.sections[0].entries[1].name, "B");
}

TEST(RegFile, MalformedOrDeletedValuesHaveNoData) {
  for (const char* line :
       {"\"A\"=\"open", "\"A\"=-", "\"A\"=dword:", "\"A\"=dword:123456789", "\"A\"=dword:12x",
        "\"A\"=hex:1,zz", "\"A\"=hex:123", "\"A\"=hex(:01", "\"A\"=word", "\"A\"="}) {
    EXPECT_EQ(DataOf(line), std::nullopt) << line;
  }
  const RegFile file = ParseRegText("[K]\n\"A\"\n; note\n\"unclosed=\"1\"\n");
  for (const RegEntry& entry : file.sections[0].entries) EXPECT_FALSE(entry.isValue) << entry.text;
}

TEST(RegFile, FormattingKeepsEveryLine) {
  const std::string text =
      "Windows Registry Editor Version 5.00\n\n; comment\n[A]\n\"x\"=\"1\"\n  odd line\n\n"
      "[B]\n@=hex:01,\\\n 02\n";
  EXPECT_EQ(FormatRegText(ParseRegText(text)), text);
  EXPECT_EQ(FormatRegText(ParseRegText("\xEF\xBB\xBF[A]\r\n\"x\"=\"1\"\r\n\"y\"=\"2\"")),
            "[A]\n\"x\"=\"1\"\n\"y\"=\"2\"\n");
}

TEST(RegFile, NewStringEntriesAreEscaped) {
  const RegEntry entry = MakeStringEntry("a\"b", "c\\d");
  EXPECT_EQ(entry.text, "\"a\\\"b\"=\"c\\\\d\"");
  EXPECT_EQ(RegValueData(entry), "c\\d\0"s);
}

TEST_F(RegistryKeyTest, QueryFailsWhenTheDataIsLongerThanTheBuffer) {
  m_folder.Write(kRegFile, "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n\"A\"=\"1234\"\n");
  RegistryKey key;
  ASSERT_TRUE(key.Open(kKey));
  std::string data;
  EXPECT_FALSE(key.QueryValue("A", 4, data));
  EXPECT_TRUE(key.QueryValue("A", 5, data));
  EXPECT_EQ(data, "1234\0"s);
  EXPECT_FALSE(key.QueryValue("B", 20, data));
}

TEST_F(RegistryKeyTest, ALaterValueOfTheSameNameWins) {
  m_folder.Write(kRegFile,
                 "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n\"A\"=\"1\"\n\n[Other]\n\"A\"=\"2\"\n\n"
                 "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n\"a\"=\"3\"\n");
  RegistryKey key;
  ASSERT_TRUE(key.Open(kKey));
  std::string data;
  ASSERT_TRUE(key.QueryValue("A", 20, data));
  EXPECT_EQ(data, "3\0"s);
  key.SetStringValue("A", "4");
  key.SetStringValue("B", "5");
  ASSERT_TRUE(key.Close());
  EXPECT_EQ(m_folder.Read(kRegFile),
            "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n\"A\"=\"1\"\n\n[Other]\n\"A\"=\"2\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n\"A\"=\"4\"\n\"B\"=\"5\"\n");
}

TEST_F(RegistryKeyTest, CreateAddsTheKeyAfterABlankLine) {
  m_folder.Write(kRegFile, "REGEDIT4\n[Other]\n\"x\"=\"1\"");
  RegistryKey key;
  EXPECT_FALSE(key.Open(kKey));
  ASSERT_TRUE(key.Create(kKey));
  key.SetStringValue("Sound", "1");
  ASSERT_TRUE(key.Close());
  EXPECT_EQ(m_folder.Read(kRegFile),
            "REGEDIT4\n[Other]\n\"x\"=\"1\"\n\n[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n"
            "\"Sound\"=\"1\"\n");
}

TEST_F(RegistryKeyTest, AnEmptyFileGetsTheHeader) {
  m_folder.Write(kRegFile, "\n\n");
  RegistryKey key;
  ASSERT_TRUE(key.Create(kKey));
  ASSERT_TRUE(key.Close());
  EXPECT_EQ(m_folder.Read(kRegFile),
            "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Tockmere]\n");
}

TEST_F(RegistryKeyTest, ClosingWithoutChangesWritesNothing) {
  RegistryKey key;
  EXPECT_FALSE(key.Open(kKey));
  EXPECT_TRUE(key.Close());
  EXPECT_FALSE(std::filesystem::exists(kRegFile));
}

TEST_F(RegistryKeyTest, ConfigFolderDefaultsToHomeDotConfig) {
  const std::string oldHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
  setenv("HOME", "/home/someone", 1);
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(RegistryFilePath(), "/home/someone/.config/Tockmere/registry.reg");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryFilePath(), "/home/someone/.config/Tockmere/registry.reg");
  setenv("HOME", oldHome.c_str(), 1);
}
