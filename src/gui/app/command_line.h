#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

// What the command line asks for. The program keeps alarms.txt in its alarms
// folder: the one named by --folder, or else $XDG_DATA_HOME/tockmere
// (~/.local/share/tockmere when XDG_DATA_HOME is unset, empty or relative).
struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QString folder;  // from --folder; empty for the default folder
  QString error;   // for Action::Error, what was wrong
};

// Reads the arguments after the program name: --folder DIR (or --folder=DIR),
// -h/--help, --version. Anything else is an error.
CommandLine ReadCommandLine(const QStringList& arguments);

// The default alarms folder for these values of XDG_DATA_HOME and HOME.
QString DefaultAlarmsFolder(const QString& xdgDataHome, const QString& home);

// The texts of --help and --version, each ending in a line feed.
QString HelpText();
QString VersionText();

// Makes the chosen folder the working directory, creating the default folder
// when it is missing (a folder named by --folder must exist). On failure
// returns the message to show and leaves the working directory as it was.
// named, when given, receives the folder's absolute path, by which the
// program finds it again should it be deleted or replaced while it runs.
QString EnterAlarmsFolder(const CommandLine& command, std::filesystem::path* named = nullptr);

// Answers --help, --version and bad arguments on the standard streams and
// returns the exit status, or -1 when the program should run.
int AnswerCommandLine(const CommandLine& command);

// Reads argv, answers --help, --version and bad arguments, and enters the
// alarms folder, which folder names. Returns the exit status when the program
// should end now (with the message written), or -1 when it should run.
int StartInAlarmsFolder(int argc, char** argv, std::filesystem::path& folder);
