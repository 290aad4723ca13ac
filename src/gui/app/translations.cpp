#include "gui/app/translations.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/platform/file_stamp.h"

namespace {

// Loads one translation into a translator the application owns; false when
// the locale's languages have none in the folder.
bool Install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

QString InstallTranslations(QCoreApplication& app, const QLocale& locale,
                            const QStringList& folders) {
  // The C locale keeps the program's own English, whatever LANGUAGE asks,
  // as gettext does for every other desktop program.
  if (locale.language() == QLocale::C) return QString();
  for (const QString& folder : folders) {
    if (!Install(app, locale, QStringLiteral("tockmere"), folder)) continue;
    // Qt's own texts only beside the program's, so that a language the
    // program does not speak stays English throughout.
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return folder;
  }
  return QString();
}

QByteArray TextsSource(const QCoreApplication& app) {
  QStringList files{QCoreApplication::applicationFilePath()};
  for (const QTranslator* translator :
       app.findChildren<const QTranslator*>(QString(), Qt::FindDirectChildrenOnly))
    files << translator->filePath();
  QByteArray source = QByteArray(TOCKMERE_VERSION) + '\n';
  for (const QString& file : files) {
    const QByteArray stamp = FileStamp(QFile::encodeName(file));
    if (stamp.isEmpty()) return {};
    source += stamp + '\n';
  }
  return source;
}

QStringList TranslationFolders() {
  const QString bin = QCoreApplication::applicationDirPath();
  return {QDir::cleanPath(bin + QStringLiteral("/../share/tockmere/translations")),
          bin + QStringLiteral("/translations")};
}
