// The reading rules of alarms.txt, the backup a save keeps of a file it did
// not write, and files that cannot be read: folders, FIFOs, symbolic links.
#include "core/store/alarms_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/regular_file.h"
#include "core/platform/text_encoding.h"
#include "core/store/alarm_table.h"
#include "core/store/alarms_folder.h"
#include "recording_ui.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// The table under test; each test starts from an empty one.
AlarmTable table;

using Lines = std::vector<std::string>;
using Messages = std::vector<std::pair<std::string, std::string>>;

const Messages kFileOpenError = {{"File open error.", "Error"}};
const std::string kSix = "1,00/00/00,0,06:00,";
const std::string kSeven = "1,00/00/00,0,07:00,";
const std::string kEight = "2,00/00/00,3,08:00,Bins|";

std::string CrLf(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string Times() {
  std::string times;
  for (int i = 0; i < table.Count(); ++i) times += table.At(i).time + " ";
  return times;
}

class AlarmsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table = AlarmTable{};
    table.SetListener(&m_ui);
  }
  void LoadFile(const std::string& content) {
    m_folder.Write(kAlarmsFileName, content);
    table.LoadAlarms();
  }
  // Adds a Daily alarm at 23:00 and saves, as Add does.
  bool AddAndSave() {
    table.AppendAlarm({"23:00", AlarmKind::kDaily, "", ""}, m_clock, DateFormat::Uk);
    return table.SaveAlarms();
  }
  bool HasBackup() const { return fs::exists(m_folder.path() / kAlarmsBackupFileName); }
  std::string Backup() const { return m_folder.Read(kAlarmsBackupFileName); }

  ScratchFolder m_folder;
  RecordingUi m_ui;
  ClockSnapshot m_clock;  // the reading Add hands over
};

}  // namespace

TEST(AlarmFileLines, EveryLineEndEndsALineAndBlankLinesAreSkipped) {
  EXPECT_EQ(AlarmFileLines("a\r\nb\nc\rd", 12), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(AlarmFileLines("a\r\r\n\n\nb\r\n \t\r\nc\n", 12), (Lines{"a", "b", "c"}));
  EXPECT_EQ(AlarmFileLines("\n\r\n", 12), Lines{});
  EXPECT_EQ(AlarmFileLines("a\nb\nc\n", 2), (Lines{"a", "b"}));
  EXPECT_EQ(AlarmFileLines("\xEF\xBB\xBF"
                           "a\r\n",
                           12),
            Lines{"a"});
}

TEST(AlarmFileLines, Utf16WithItsMarkIsReadAsText) {
  const std::string little =
      "\xFF\xFE"
      "a\0\r\0\n\0\xE9\0\r\0"s;
  EXPECT_EQ(AlarmFileLines(little, 12), (Lines{"a", "\xC3\xA9"}));
  const std::string big = "\xFE\xFF\0a\0\n\0b"s;
  EXPECT_EQ(AlarmFileLines(big, 12), (Lines{"a", "b"}));
}

TEST(TextEncoding, Utf16RoundTripsAndBrokenUnitsReadAsReplacement) {
  const std::string text = "Wake \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x94\x94\r\n";
  for (const TextEncoding encoding : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
    const DecodedText decoded = DecodeText(EncodeText(text, encoding));
    EXPECT_EQ(decoded.text, text);
    EXPECT_EQ(decoded.encoding, encoding);
  }
  EXPECT_EQ(EncodeText("A", TextEncoding::Utf16Le),
            "\xFF\xFE"
            "A\0"s);
  // A lone surrogate, then an odd last byte, which is no half of a pair.
  EXPECT_EQ(DecodeText("\xFF\xFE\x00\xD8"
                       "A\0x"s)
                .text,
            "\xEF\xBF\xBD"
            "A\xEF\xBF\xBD");
  EXPECT_EQ(DecodeText("\xFE\xFF\xD8\x3D\xDC"s).text, "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(DecodeText("plain").encoding, TextEncoding::Utf8);
}

// The size limit is the file's own: 64 MiB is read, a byte more is not.
TEST(RegularFile, AFileOfUpTo64MiBIsRead) {
  ScratchFolder folder;
  for (const std::size_t size : {kMaxReadSize, kMaxReadSize + 1}) {
    folder.Write("big", "");
    fs::resize_file("big", size);
    std::string bytes;
    const bool read = size == kMaxReadSize;
    EXPECT_EQ(ReadRegularFile("big", bytes), read ? FileRead::Read : FileRead::Unreadable);
    EXPECT_EQ(bytes.size(), read ? size : 0);
  }
}

TEST_F(AlarmsFileTest, AlarmsAfterABlankLineOrWithOtherLineEndsAreLoadedAndKept) {
  LoadFile(kSix + "\r\n\r\n" + kSeven + "\r" + kEight + "\n");
  EXPECT_EQ(Times(), "06:00 07:00 08:00 ");
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSix, kSeven, kEight}));
}

TEST_F(AlarmsFileTest, AUtf16FileIsLoadedAndSavedAsTheUsualText) {
  const std::string utf16 = EncodeText(CrLf({kEight, kSix}), TextEncoding::Utf16Le);
  LoadFile(utf16);
  EXPECT_EQ(Times(), "08:00 06:00 ");
  EXPECT_EQ(table.At(0).text, "Bins|");
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSix, "1,00/00/00,0,23:00,$%&", kEight}));
  EXPECT_EQ(Backup(), utf16);
}

// However a file in the program's own format came in, a save needs no backup of it.
TEST_F(AlarmsFileTest, AFileInTheProgramsOwnFormatNeedsNoBackupHoweverItCameIn) {
  for (const bool atStart : {true, false}) {
    SCOPED_TRACE(atStart ? "read at start" : "written by another program and read in by the save");
    table = AlarmTable{};
    fs::remove(kAlarmsFileName);
    m_folder.Write(kAlarmsFileName, CrLf({kSix}));
    table.LoadAlarmsAtStartUp();
    if (!atStart) m_folder.Write(kAlarmsFileName, CrLf({kSix, kSeven}));
    ASSERT_TRUE(AddAndSave());
    EXPECT_FALSE(HasBackup());
  }
}

TEST_F(AlarmsFileTest, AFileAsThisProgramWritesItNeedsNoBackup) {
  LoadFile(CrLf({kSix, kSeven}));
  ASSERT_TRUE(AddAndSave());
  table.LoadAlarms();
  table.DeleteAlarm(0);
  EXPECT_FALSE(HasBackup());
  EXPECT_TRUE(m_ui.messages.empty());
}

// Sorting loses nothing: every line read is written back.
TEST_F(AlarmsFileTest, AnUnsortedFileItReadWholeNeedsNoBackup) {
  LoadFile(CrLf({kSeven, kSix}));
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSix, kSeven}));
  EXPECT_FALSE(HasBackup());
}

TEST_F(AlarmsFileTest, WhatTheLoadDidNotTakeIsKeptAsTheBackup) {
  Lines thirteen;
  for (int i = 0; i < 13; ++i)
    thirteen.push_back("1,00/00/00,0,06:" + std::to_string(10 + i) + ",");
  const std::vector<std::string> files = {
      CrLf(thirteen),                           // more than 12 alarms
      CrLf({kSix, "x,this is no alarm line"}),  // a line it cannot decode
      "\xEF\xBB\xBF" + CrLf({kSix}),            // a byte-order mark
      kSix + "\n" + kSeven + "\n",              // LF line ends
      CrLf({kSix}) + "\r\n",                    // a blank line
  };
  for (const std::string& file : files) {
    fs::remove(m_folder.path() / kAlarmsBackupFileName);
    LoadFile(file);
    ASSERT_TRUE(table.SaveAlarms());
    EXPECT_EQ(Backup(), file);
  }
  // Once saved, the file is what the program wrote: the backup stays the last kept copy.
  const std::string last = Backup();
  table.LoadAlarms();
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(Backup(), last);
}

// A save reads in what another program wrote since the load, then adds its
// own change: nothing of either is lost.
TEST_F(AlarmsFileTest, AHandEditAfterTheLoadIsReadInByTheNextSave) {
  LoadFile(CrLf({kSix}));
  m_folder.Write(kAlarmsFileName, CrLf({kSix, kEight}));
  EXPECT_TRUE(table.AlarmsFileChanged());
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSix, "1,00/00/00,0,23:00,$%&", kEight}));
  EXPECT_FALSE(table.AlarmsFileChanged());
}

TEST_F(AlarmsFileTest, ChangedTellsAnEditFromThisProgramsOwnSave) {
  LoadFile(CrLf({kSix}));
  EXPECT_FALSE(table.AlarmsFileChanged());
  ASSERT_TRUE(AddAndSave());
  EXPECT_FALSE(table.AlarmsFileChanged());
  fs::remove(kAlarmsFileName);
  EXPECT_TRUE(table.AlarmsFileChanged());
  table.LoadAlarms();  // a file that is gone is not read: the table stays
  EXPECT_TRUE(table.AlarmsFileChanged());
  // A file created meanwhile is a change: a save reads it in before its own change.
  m_folder.Write(kAlarmsFileName, CrLf({kSeven}));
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSeven, "1,00/00/00,0,23:00,$%&"}));
}

// A one-off that goes off while another program is still writing the file:
// its removal waits, and is then made on the file as that program finished it.
TEST_F(AlarmsFileTest, ARemovalWhileTheFileIsBeingWrittenIsMadeOnTheFinishedFile) {
  LoadFile(CrLf({kSix, kSeven}));
  table.SetAlarmsFileBusy(true);
  m_folder.Write(kAlarmsFileName, CrLf({kSix}));  // half written
  table.DeleteAlarm(0);
  EXPECT_EQ(Times(), "07:00 ");
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSix}));
  ASSERT_TRUE(table.AlarmsSaveWaiting());
  m_folder.Write(kAlarmsFileName, CrLf({kSix, kSeven, kEight}));
  table.SetAlarmsFileBusy(false);
  ASSERT_TRUE(table.SaveAlarms());
  EXPECT_EQ(m_folder.Read(kAlarmsFileName), CrLf({kSeven, kEight}));
  EXPECT_FALSE(table.AlarmsSaveWaiting());
}

// At the end, a save that waited and cannot be made says what it loses.
TEST_F(AlarmsFileTest, AWaitingSaveThatCannotBeMadeAtTheEndSaysWhatIsLost) {
  LoadFile(CrLf({kSix, kSeven}));
  table.SetAlarmsFileBusy(true);
  table.DeleteAlarm(0);
  AddAndSave();
  table.SetText(1, "Tea|");
  fs::remove(kAlarmsFileName);
  fs::create_directory(kAlarmsFileName);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(table.FinishWaitingSave());
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "tockmere: cannot read alarms.txt: it is not a regular file; its alarms do not go off "
            "and it is not replaced\ntockmere: cannot save alarms.txt at the end; not saved: added "
            "\"1,00/00/00,0,23:00,Tea|\", removed \"1,00/00/00,0,06:00,\"\n");
  EXPECT_TRUE(m_ui.messages.empty());
}

// The alarms folder moved aside and a new one made under its name, then
// deleted: a save writes into the folder of that name, made again if need be.
TEST_F(AlarmsFileTest, ASaveFindsTheAlarmsFolderAgainByItsPath) {
  const fs::path named = m_folder.path() / "alarms";
  fs::create_directory(named);
  fs::current_path(named);
  table.SetFolder(AlarmsFolder(named));
  ASSERT_TRUE(AddAndSave());
  fs::rename(named, m_folder.path() / "aside");
  fs::create_directory(named);
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read("alarms/alarms.txt"), CrLf(Lines(2, "1,00/00/00,0,23:00,$%&")));
  EXPECT_EQ(m_folder.Read("aside/alarms.txt"), CrLf({"1,00/00/00,0,23:00,$%&"}));
  fs::remove_all(named);
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read("alarms/alarms.txt"), CrLf(Lines(3, "1,00/00/00,0,23:00,$%&")));
  EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(AlarmsFileTest, AFileThatCannotBeReadIsReportedAtStartAndNeverReplaced) {
  const auto check = [this](const char* what) {
    SCOPED_TRACE(what);
    m_ui.messages.clear();
    table.LoadAlarmsAtStartUp();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(m_ui.messages, kFileOpenError);
    table.LoadAlarms();  // later loads are silent
    EXPECT_EQ(m_ui.messages, kFileOpenError);
    for (int add = 0; add < 2; ++add) EXPECT_FALSE(AddAndSave());
    EXPECT_EQ(m_ui.messages, Messages(3, kFileOpenError[0]));
    EXPECT_FALSE(HasBackup());
  };
  fs::create_directory(kAlarmsFileName);
  m_folder.Write(std::string(kAlarmsFileName) + "/keep", "mine");
  check("a folder");
  EXPECT_EQ(m_folder.Read(std::string(kAlarmsFileName) + "/keep"), "mine");
  fs::remove_all(kAlarmsFileName);

  ASSERT_EQ(mkfifo(kAlarmsFileName, 0600), 0);
  check("a FIFO, which must not block");
  EXPECT_TRUE(fs::is_fifo(kAlarmsFileName));
  fs::remove(kAlarmsFileName);

  fs::create_symlink("no-such-folder/alarms.txt", "loop");
  fs::create_symlink("loop", "loop2");
  fs::remove("loop");
  fs::create_symlink("loop2", "loop");
  fs::create_symlink("loop", kAlarmsFileName);
  check("a loop of links");
}

TEST_F(AlarmsFileTest, AMissingFileIsSilentAtStart) {
  table.LoadAlarmsAtStartUp();
  EXPECT_TRUE(m_ui.messages.empty());
  ASSERT_TRUE(AddAndSave());
  EXPECT_FALSE(HasBackup());
}

TEST_F(AlarmsFileTest, ASaveWritesThroughASymbolicLink) {
  m_folder.Write("synced/mine.txt", CrLf({kSix}));
  fs::create_symlink("synced/mine.txt", kAlarmsFileName);
  ASSERT_EQ(chmod("synced/mine.txt", 0640), 0);
  table.LoadAlarms();
  ASSERT_TRUE(AddAndSave());
  EXPECT_TRUE(fs::is_symlink(kAlarmsFileName));
  EXPECT_EQ(m_folder.Read("synced/mine.txt"), CrLf({kSix, "1,00/00/00,0,23:00,$%&"}));
  EXPECT_EQ(fs::status("synced/mine.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // No temporary file is left beside the link or the file.
  EXPECT_EQ(std::distance(fs::directory_iterator("synced"), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);

  // A link whose file does not exist yet makes it there.
  fs::remove(kAlarmsFileName);
  fs::create_symlink(m_folder.path() / "synced/new.txt", kAlarmsFileName);
  table.LoadAlarmsAtStartUp();
  ASSERT_TRUE(AddAndSave());
  EXPECT_TRUE(fs::is_symlink(kAlarmsFileName));
  EXPECT_EQ(m_folder.Read("synced/new.txt"), CrLf({"1,00/00/00,0,23:00,$%&"}));

  // A chain of relative links, each read from the folder that holds it.
  fs::remove(kAlarmsFileName);
  fs::create_symlink("new.txt", "synced/link");
  fs::create_symlink("synced/link", kAlarmsFileName);
  ASSERT_TRUE(AddAndSave());
  EXPECT_EQ(m_folder.Read("synced/new.txt"), CrLf(Lines(2, "1,00/00/00,0,23:00,$%&")));
}

// A file the program does not read, or reads as UTF-8 though it looks like
// UTF-16, is said on stderr once, however often it is read again.
TEST_F(AlarmsFileTest, WhatIsNotReadAsTheUserMeantIsSaidOnceOnStderr) {
  std::string utf16;
  for (const char c : CrLf({kSix})) utf16 += std::string{c, '\0'};
  struct Case {
    const char* what;
    std::string said;
  };
  for (const Case& c :
       {Case{"a file of 100 MB",
             "tockmere: cannot read alarms.txt: it is larger than 64 MiB; its alarms do not go off "
             "and it is not replaced\n"},
        Case{"UTF-16 without its mark",
             "tockmere: alarms.txt looks like UTF-16 text without a byte-order mark; it is read "
             "as UTF-8 (save it with a byte-order mark)\n"}}) {
    SCOPED_TRACE(c.what);
    table = AlarmTable{};
    if (c.what[0] == 'a') {
      m_folder.Write(kAlarmsFileName, "");
      fs::resize_file(kAlarmsFileName, 100 * 1024 * 1024);
    } else {
      m_folder.Write(kAlarmsFileName, utf16);
    }
    ::testing::internal::CaptureStderr();
    table.LoadAlarmsAtStartUp();
    table.LoadAlarms();
    table.SaveAlarms();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.said);
  }
}
