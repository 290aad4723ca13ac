#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

// What the command line asks for. The program keeps alarms.txt in its alarms
// folder: the one named by --folder, or else $XDG_DATA_HOME/tockmere
// (~/.local/share/tockmere when XDG_DATA_HOME is unset, empty or relative).
// Folder names are bytes, kept as they came from argv and the environment: a
// name need not be valid in any encoding.
struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  std::string folder;  // from --folder; empty for the default folder
  std::string error;   // for Action::Error, what was wrong
};

// Reads the arguments after the program name: --folder DIR (or --folder=DIR),
// -h/--help, --version. Anything else is an error.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// The default alarms folder for these values of XDG_DATA_HOME and HOME.
std::string DefaultAlarmsFolder(const std::string& xdgDataHome, const std::string& home);

// The texts of --help and --version, each ending in a line feed. The help
// ends with whether this process may wake the computer for the next alarm.
QString HelpText();
QString VersionText();

// Makes the chosen folder the working directory, creating the default folder
// when it is missing (a folder named by --folder must exist). On failure
// returns the message to show and leaves the working directory as it was.
// named, when given, receives the folder's absolute path, by which the
// program finds it again should it be deleted or replaced while it runs.
std::string EnterAlarmsFolder(const CommandLine& command, std::filesystem::path* named = nullptr);

// Answers --help, --version and bad arguments on the standard streams and
// returns the exit status, or -1 when the program should run.
int AnswerCommandLine(const CommandLine& command);

// Reads argv, answers --help, --version and bad arguments, and enters the
// alarms folder, which folder names. Returns the exit status when the program
// should end now (with the message written), or -1 when it should run.
int StartInAlarmsFolder(int argc, char** argv, std::filesystem::path& folder);
