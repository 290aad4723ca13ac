#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "core/platform/instance_lock.h"
#include "gui/app/alarm_app.h"
#include "gui/app/command_line.h"
#include "gui/app/single_instance.h"
#include "gui/app/translations.h"
#include "gui/platform/startup_notification.h"
#include "gui/resources/fonts.h"

int main(int argc, char** argv) {
  std::filesystem::path folder;
  if (const int status = StartInAlarmsFolder(argc, argv, folder); status >= 0) return status;
  const QByteArray startupId = X11StartupId();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tockmere"));
  // The desktop entry the desktop finds the program's name and icon in, and
  // the app id a Wayland compositor knows the windows by.
  QGuiApplication::setDesktopFileName(QStringLiteral("tockmere"));
  InstallFontSubstitutes();
  InstallTranslations(app, QLocale::system(), TranslationFolders());
  SingleInstance instance;
  if (instance.OtherCopyRuns()) {
    const bool woken = instance.WakeFirst(startupId);
    EndStartupNotification(startupId);
    if (woken) return 0;
    std::fprintf(stderr,
                 "Tockmere is already running on this alarms folder but gave no answer "
                 "within %lld s (stopped or hung?); this copy ends.\n",
                 static_cast<long long>(InstanceLock::kPatience.count() / 1000));
    return 1;
  }
  CAlarmApp theApp(folder, &instance);
  theApp.InitInstance();
  return 0;
}
