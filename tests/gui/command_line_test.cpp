// The command line and the choice of the alarms folder.
#include "gui/app/command_line.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/instance_lock.h"
#include "gui/app/single_instance.h"
#include "test_support.h"

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsFolderHelpAndVersionAndRefusesTheRest) {
  struct Case {
    std::vector<std::string> arguments;
    Action action;
    std::string folder;
  };
  const Case cases[] = {
      {{}, Action::Run, ""},
      {{"--folder", "/tmp/a b"}, Action::Run, "/tmp/a b"},
      {{"--folder=rel/dir"}, Action::Run, "rel/dir"},
      {{"--help"}, Action::Help, ""},
      {{"-h"}, Action::Help, ""},
      {{"--folder", "x", "--version"}, Action::Version, ""},
      {{"--folder"}, Action::Error, ""},
      {{"--folder="}, Action::Error, ""},
      {{"--folder", ""}, Action::Error, ""},
      {{"--folder", "a", "--folder", "b"}, Action::Error, ""},
      {{"alarms.txt"}, Action::Error, ""},
      {{"--verbose"}, Action::Error, ""},
  };
  for (const Case& c : cases) {
    const CommandLine command = ReadCommandLine(c.arguments);
    SCOPED_TRACE(c.arguments.empty() ? "" : c.arguments[0]);
    EXPECT_EQ(command.action, c.action);
    EXPECT_EQ(command.folder, c.folder);
    EXPECT_EQ(command.error.empty(), c.action != Action::Error);
  }
  EXPECT_EQ(ReadCommandLine({"--verbose"}).error, "unknown argument '--verbose'");
}

TEST(CommandLine, AnswersHelpVersionAndErrorsWithTheUsualStatus) {
  EXPECT_EQ(AnswerCommandLine(ReadCommandLine({"--help"})), 0);
  EXPECT_EQ(AnswerCommandLine(ReadCommandLine({"--version"})), 0);
  EXPECT_EQ(AnswerCommandLine(ReadCommandLine({"--bogus"})), 2);
  EXPECT_EQ(AnswerCommandLine(ReadCommandLine({})), -1);
  EXPECT_TRUE(HelpText().startsWith("Usage: tockmere [--folder DIR]\n"));
  EXPECT_TRUE(VersionText().startsWith("tockmere "));
  EXPECT_TRUE(VersionText().endsWith("\n"));
}

TEST(AlarmsFolder, DefaultFollowsXdgDataHomeWhenItIsAbsolute) {
  EXPECT_EQ(DefaultAlarmsFolder("/data/me/", "/home/me"), "/data/me/tockmere");
  EXPECT_EQ(DefaultAlarmsFolder("", "/home/me"), "/home/me/.local/share/tockmere");
  EXPECT_EQ(DefaultAlarmsFolder("relative/share", "/home/me"), "/home/me/.local/share/tockmere");
}

// Sets XDG_DATA_HOME for the life of the object.
class DataHomeGuard {
 public:
  explicit DataHomeGuard(const QString& value) : m_old(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", value.toLocal8Bit());
  }
  ~DataHomeGuard() { qputenv("XDG_DATA_HOME", m_old); }

 private:
  QByteArray m_old;
};

TEST(AlarmsFolder, DefaultFolderIsCreatedOnFirstUseAndEntered) {
  ScratchFolder scratch;
  const QString home = QString::fromStdString(scratch.path().string()) + "/share";
  DataHomeGuard guard(home);
  EXPECT_EQ(EnterAlarmsFolder(ReadCommandLine({})), "");
  EXPECT_EQ(QDir::currentPath(), home + "/tockmere");
  QDir::setCurrent(QString::fromStdString(scratch.path().string()));
  EXPECT_EQ(EnterAlarmsFolder(ReadCommandLine({})), "") << "an existing folder is used as it is";
  EXPECT_EQ(QDir::currentPath(), home + "/tockmere");
}

TEST(AlarmsFolder, ChosenFolderMustExistAndAFailureKeepsTheWorkingDirectory) {
  ScratchFolder scratch;
  const QString here = QDir::currentPath();
  scratch.Write("plain-file", "x");
  EXPECT_EQ(EnterAlarmsFolder(ReadCommandLine({"--folder", (here + "/missing").toStdString()})),
            ("the alarms folder " + here + "/missing does not exist").toStdString());
  EXPECT_FALSE(QFileInfo::exists(here + "/missing")) << "a chosen folder is never created";
  EXPECT_NE(EnterAlarmsFolder(ReadCommandLine({"--folder", (here + "/plain-file").toStdString()})),
            "");
  EXPECT_EQ(QDir::currentPath(), here);

  DataHomeGuard guard(here + "/plain-file");  // the default folder cannot be made
  EXPECT_EQ(EnterAlarmsFolder(ReadCommandLine({})),
            ("cannot create the alarms folder " + here + "/plain-file/tockmere").toStdString());
  EXPECT_EQ(QDir::currentPath(), here);

  QDir().mkpath(here + "/chosen");
  std::filesystem::path named;
  EXPECT_EQ(EnterAlarmsFolder(ReadCommandLine({"--folder=chosen/"}), &named), "");
  EXPECT_EQ(QDir::currentPath(), here + "/chosen");
  EXPECT_EQ(named, scratch.path() / "chosen");
}

// File names are bytes: neither UTF-8 nor any other encoding is required.
TEST(AlarmsFolder, AFolderWhoseNameIsNotUtf8IsEnteredByItsBytes) {
  ScratchFolder scratch;
  for (const std::string name : {"\xff\xfe"
                                 "bad",
                                 "caf\xe9"}) {
    const std::filesystem::path folder = scratch.path() / name;
    std::filesystem::create_directory(folder);
    std::string program = "tockmere", option = "--folder", argument = folder.string();
    char* argv[] = {program.data(), option.data(), argument.data()};
    std::filesystem::path named;
    EXPECT_EQ(StartInAlarmsFolder(3, argv, named), -1);
    EXPECT_EQ(named, folder);
    EXPECT_TRUE(std::filesystem::equivalent(".", folder));
  }
}

}  // namespace

// A copy that enters its folder again and finds another copy there ends, and
// asks nothing of the other.
TEST(SingleInstanceTest, AFolderAnotherCopyTookEndsThisCopy) {
  const ScratchFolder scratch;
  const std::filesystem::path folder = scratch.path() / "alarms";
  std::filesystem::create_directory(folder);
  std::filesystem::current_path(folder);
  SingleInstance instance;
  ASSERT_FALSE(instance.OtherCopyRuns());
  bool ended = false;
  QObject::connect(&instance, &SingleInstance::folderTakenByAnother, [&ended] { ended = true; });
  std::filesystem::rename(folder, scratch.path() / "aside");
  std::filesystem::create_directory(folder);
  const InstanceLock other(folder, GuardFolder());
  ASSERT_EQ(other.state(), InstanceLock::State::First) << other.error();
  std::filesystem::current_path(folder);
  instance.FollowFolder();
  EXPECT_TRUE(ended);
  pollfd request{other.wakeSocket(), POLLIN, 0};
  EXPECT_EQ(poll(&request, 1, 300), 0) << "the other copy was asked for its window";
}
