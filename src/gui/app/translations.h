#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

// The program's texts, and Qt's own (the message boxes' buttons, the
// calendar), in the language the desktop asks for (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as QLocale::system() reads them), English where a text
// has no translation. Must run before the first dialog template is built.
// The program's translations (tockmere_<language>.qm) are looked for in each
// of the folders in turn; returns the file it installed, or an empty text.
QString InstallTranslations(QCoreApplication& app, const QLocale& locale,
                            const QStringList& folders);
// What the program's own texts come from: its file and the translations
// installed, each by path, size and time of change, so that another build or
// translation gives another source; empty where a file cannot be looked at.
QByteArray TextsSource(const QCoreApplication& app);
// Where the program's translations lie: installed beside the program's
// share folder, or in the build tree beside the program itself.
QStringList TranslationFolders();
