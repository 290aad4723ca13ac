// The Options menu and its commands.
#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QShortcut>

#include "gui/app/about_dlg.h"
#include "gui/app/info_texts.h"
#include "gui/app/main_dlg.h"
#include "gui/dialog/control_ids.h"
#include "gui/dialog/prompter.h"
#include "gui/dialog/quiet_build.h"
#include "gui/settings/settings_dlg.h"

namespace {

struct MenuItem {
  const char* text;  // nullptr for a separator
  int command;
  std::function<void()> handler;
};

}  // namespace

// Menu 140: no mnemonics, no accelerators. Each item keeps its command
// identifier as its data. The calendar is the entry form's.
void CMainDlg::BuildMenu() {
  const MenuItem items[] = {
      {QT_TRANSLATE_NOOP("Menu", "Settings"), ID_OPTIONS_SETTINGS, [this] { OnSettings(); }},
      {QT_TRANSLATE_NOOP("Menu", "Calendar"), ID_OPTIONS_CALENDAR,
       [this] { m_entry->OnCalendar(); }},
      {nullptr, 0, {}},
      {QT_TRANSLATE_NOOP("Menu", "Usage"), ID_OPTIONS_USAGE, [this] { OnUsage(); }},
      {QT_TRANSLATE_NOOP("Menu", "Help"), ID_OPTIONS_HELP, [this] { OnHelp(); }},
      {QT_TRANSLATE_NOOP("Menu", "About..."), ID_OPTIONS_ABOUT, [this] { OnAbout(); }}};
  m_menuBar = new QMenuBar(this);
  QMenu* options = m_menuBar->addMenu(QCoreApplication::translate("Menu", "Options"));
  for (const MenuItem& item : items) {
    if (item.text == nullptr) {
      options->addSeparator();
      continue;
    }
    QAction* action = options->addAction(QCoreApplication::translate("Menu", item.text));
    action->setData(item.command);
    connect(action, &QAction::triggered, this, item.handler);
  }
  // F10 opens the menu from the keyboard, as on every desktop; Esc then
  // closes the menu, not the window.
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
          [this, options] { m_menuBar->setActiveAction(options->menuAction()); });
}

// A new date format reaches the window at the next tick.
void CMainDlg::OnSettings() {
  QuietBuild quiet;
  CSettingsDlg dlg(m_settings.Values(), this);
  dlg.OnInitDialog();
  quiet.End();
  dlg.exec();
}

void CMainDlg::OnUsage() {
  GetPrompter().Show(this, UsageBoxText(), QCoreApplication::translate("Menu", "Tockmere Usage"),
                     Prompter::Icon::Information);
}

void CMainDlg::OnHelp() {
  GetPrompter().Show(this, HelpBoxText(), QCoreApplication::translate("Menu", "Tockmere Help"),
                     Prompter::Icon::Information);
}

void CMainDlg::OnAbout() {
  CAboutDlg dlg(this);
  dlg.OnInitDialog();
  dlg.exec();
}
