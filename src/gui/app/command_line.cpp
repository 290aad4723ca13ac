#include "gui/app/command_line.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "core/store/alarms_folder.h"

#ifndef TOCKMERE_VERSION
#error "TOCKMERE_VERSION must come from the build (the project's version)"
#endif

namespace {

constexpr int kExitUsage = 2;

CommandLine Failed(const QString& error) {
  return CommandLine{CommandLine::Action::Error, QString(), error};
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  CommandLine command;
  bool folderGiven = false;
  for (qsizetype a = 0; a < arguments.size(); ++a) {
    const QString& argument = arguments[a];
    if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
      return CommandLine{CommandLine::Action::Help, QString(), QString()};
    }
    if (argument == QLatin1String("--version")) {
      return CommandLine{CommandLine::Action::Version, QString(), QString()};
    }
    QString folder;
    if (argument == QLatin1String("--folder")) {
      if (a + 1 == arguments.size()) return Failed(QStringLiteral("--folder needs a folder"));
      folder = arguments[++a];
    } else if (argument.startsWith(QLatin1String("--folder="))) {
      folder = argument.mid(9);
    } else {
      return Failed(QStringLiteral("unknown argument '%1'").arg(argument));
    }
    if (folder.isEmpty()) return Failed(QStringLiteral("--folder needs a folder"));
    if (folderGiven) return Failed(QStringLiteral("--folder given twice"));
    folderGiven = true;
    command.folder = folder;
  }
  return command;
}

QString DefaultAlarmsFolder(const QString& xdgDataHome, const QString& home) {
  const QString base =
      QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
  return QDir::cleanPath(base + QStringLiteral("/tockmere"));
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
      "brings the running one to the front.\n");
}

QString VersionText() {
  return QStringLiteral("tockmere " TOCKMERE_VERSION "\n");
}

QString EnterAlarmsFolder(const CommandLine& command, std::filesystem::path* named) {
  QString folder = command.folder;
  if (folder.isEmpty()) {
    folder = DefaultAlarmsFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (!QDir().mkpath(folder)) {
      return QStringLiteral("cannot create the alarms folder %1").arg(folder);
    }
  }
  if (!QFileInfo(folder).isDir()) {
    return QStringLiteral("the alarms folder %1 does not exist").arg(folder);
  }
  // Found again by this path should it be deleted or replaced while the program runs.
  const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  if (!QDir::setCurrent(folder)) {
    return QStringLiteral("cannot enter the alarms folder %1").arg(folder);
  }
  if (named != nullptr) *named = path.toLocal8Bit().toStdString();
  return QString();
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
      std::fprintf(stderr, "tockmere: %s\nTry 'tockmere --help'.\n",
                   command.error.toLocal8Bit().constData());
      return kExitUsage;
    case CommandLine::Action::Run:
      break;
  }
  return -1;
}

int StartInAlarmsFolder(int argc, char** argv, std::filesystem::path& folder) {
  QStringList arguments;
  for (int a = 1; a < argc; ++a) arguments << QString::fromLocal8Bit(argv[a]);
  const CommandLine command = ReadCommandLine(arguments);
  if (const int status = AnswerCommandLine(command); status >= 0) return status;
  if (const QString error = EnterAlarmsFolder(command, &folder); !error.isEmpty()) {
    std::fprintf(stderr, "tockmere: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return -1;
}
