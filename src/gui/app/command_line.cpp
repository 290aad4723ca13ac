#include "gui/app/command_line.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/platform/wake_alarm.h"
#include "core/store/alarms_folder.h"

#ifndef TOCKMERE_VERSION
#error "TOCKMERE_VERSION must come from the build (the project's version)"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kExitUsage = 2;

CommandLine Failed(const std::string& error) {
  return CommandLine{CommandLine::Action::Error, {}, error};
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The absolute path of a folder, without "." and ".." parts or a final "/".
fs::path CleanAbsolute(const fs::path& folder) {
  std::error_code error;
  fs::path path = fs::absolute(folder, error).lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool folderGiven = false;
  for (std::size_t a = 0; a < arguments.size(); ++a) {
    const std::string& argument = arguments[a];
    if (argument == "-h" || argument == "--help") {
      return CommandLine{CommandLine::Action::Help, {}, {}};
    }
    if (argument == "--version") return CommandLine{CommandLine::Action::Version, {}, {}};
    std::string folder;
    if (argument == "--folder") {
      if (a + 1 == arguments.size()) return Failed("--folder needs a folder");
      folder = arguments[++a];
    } else if (argument.rfind("--folder=", 0) == 0) {
      folder = argument.substr(9);
    } else {
      return Failed("unknown argument '" + argument + "'");
    }
    if (folder.empty()) return Failed("--folder needs a folder");
    if (folderGiven) return Failed("--folder given twice");
    folderGiven = true;
    command.folder = folder;
  }
  return command;
}

std::string DefaultAlarmsFolder(const std::string& xdgDataHome, const std::string& home) {
  const fs::path base =
      fs::path(xdgDataHome).is_absolute() ? fs::path(xdgDataHome) : fs::path(home) / ".local/share";
  return CleanAbsolute(base / "tockmere").string();
}
QString HelpText() {
  return QStringLiteral(
             "Usage: tockmere [--folder DIR]\n"
             "A desktop alarm-call scheduler: keeps up to 12 alarm calls and pops up\n"
             "your wake-up text when one falls due.\n"
             "\n"
             "  --folder DIR  keep alarms.txt in DIR (which must exist) instead of\n"
             "                $XDG_DATA_HOME/tockmere (default ~/.local/share/tockmere,\n"
             "                created on first use)\n"
             "  -h, --help    show this help and exit\n"
             "  --version     show the version and exit\n"
             "\n"
             "The display settings live in $XDG_CONFIG_HOME/Tockmere/registry.reg\n"
             "(default ~/.config). One copy runs per alarms folder: starting another\n"
             "brings the running one to the front.\n"
             "\n"
             "While it runs, the computer is woken from suspend a minute before the\n"
             "next alarm, and for nothing else. That needs the capability\n"
             "CAP_WAKE_ALARM (see the manual page).\n") +
         QString::fromStdString(WakeAlarmAvailability(WakeAlarm().MakeError())) + QLatin1Char('\n');
}

QString VersionText() {
  return QStringLiteral("tockmere " TOCKMERE_VERSION "\n");
}

std::string EnterAlarmsFolder(const CommandLine& command, fs::path* named) {
  fs::path folder = command.folder;
  std::error_code error;
  if (folder.empty()) {
    const std::string home = Environment("HOME");
    folder = DefaultAlarmsFolder(Environment("XDG_DATA_HOME"),
                                 home.empty() ? QDir::homePath().toStdString() : home);
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder)) return "cannot create the alarms folder " + folder.string();
  }
  if (!fs::is_directory(folder, error)) {
    return "the alarms folder " + folder.string() + " does not exist";
  }
  // Found again by this path should it be deleted or replaced while the program runs.
  const fs::path path = CleanAbsolute(folder);
  fs::current_path(folder, error);
  if (error) return "cannot enter the alarms folder " + folder.string();
  if (named != nullptr) *named = path;
  return {};
}

int AnswerCommandLine(const CommandLine& command) {
  switch (command.action) {
    case CommandLine::Action::Help:
      std::fputs(HelpText().toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::Version:
      std::fputs(VersionText().toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::Error:
      std::fprintf(stderr, "tockmere: %s\nTry 'tockmere --help'.\n", command.error.c_str());
      return kExitUsage;
    case CommandLine::Action::Run:
      break;
  }
  return -1;
}

int StartInAlarmsFolder(int argc, char** argv, fs::path& folder) {
  std::vector<std::string> arguments;
  for (int a = 1; a < argc; ++a) arguments.emplace_back(argv[a]);
  const CommandLine command = ReadCommandLine(arguments);
  if (const int status = AnswerCommandLine(command); status >= 0) return status;
  if (const std::string error = EnterAlarmsFolder(command, &folder); !error.empty()) {
    std::fprintf(stderr, "tockmere: %s\n", error.c_str());
    return 1;
  }
  return -1;
}
