// The Options menu's commands.
#include "gui/app/about_dlg.h"
#include "gui/app/info_texts.h"
#include "gui/app/main_dlg.h"
#include "gui/app/prompter.h"

void CMainDlg::OnCommand(int command) {
  switch (command) {
    case ID_OPTIONS_SETTINGS:
      OnSettings();
      break;
    case ID_OPTIONS_CALENDAR:
      OnCalendar();
      break;
    case ID_OPTIONS_USAGE:
      OnUsage();
      break;
    case ID_OPTIONS_HELP:
      OnHelp();
      break;
    case ID_OPTIONS_ABOUT:
      OnAbout();
      break;
    default:
      break;
  }
}

void CMainDlg::OnUsage() {
  GetPrompter().Show(this, UsageBoxText(), QStringLiteral("Tockmere Usage"),
                     Prompter::Icon::Information);
}

void CMainDlg::OnHelp() {
  GetPrompter().Show(this, HelpBoxText(), QStringLiteral("Tockmere Help"),
                     Prompter::Icon::Information);
}

void CMainDlg::OnAbout() {
  CAboutDlg dlg(this);
  dlg.OnInitDialog();
  dlg.exec();
}
