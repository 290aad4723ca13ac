#include "gui/app/info_texts.h"

#include <QCoreApplication>

QString UsageBoxText() {
  return QCoreApplication::translate(
      "Info",
      "\nSo as not to miss any of your alarms Tockmere should run\n"
      "whenever your PC is on, a short-cut has therefore been added\n"
      "to your Start-up menu by the installation routine. If a one-off\n"
      "alarm is cleared whilst your PC is turned off you will receive a\n"
      "message on next starting Tockmere.\n\n"
      "Since it normally runs in the background Tockmere starts up\n"
      "minimized. To view your alarms just click on the toolbar item\n"
      "to restore it.\n\n");
}

QString HelpBoxText() {
  return QCoreApplication::translate(
      "Info",
      "\nSet up your alarm calls using the boxes on the left: You must enter the\n"
      "\twake-up Time and Type. Day and Date will be made enterable      \n"
      "\twhen required. Click Add.\n\n"
      "Your current alarm calls are listed on the right: The maximum is 12. Use the scroll bar "
      "buttons to see\n"
      "\tthem all. To enter wake-up text for an alarm click on its Text\n"
      "\tbutton. To delete an alarm click its Clear button.\n\n"
      "When an alarm goes off a window automatically pops up displaying your\n"
      "\twake-up text.\n\n"
      "You can set one-off alarm calls for Today, Tomorrow or a specific date;\n"
      "\tand regular alarm calls; Daily, Weekly, Fortnightly and Monthly.\n\n"
      "For Monthly calls you can specify a date in the month - eg the 1st; or a\n"
      "\tday and week number - e.g. the 2nd Tuesday; select Tuesday\n"
      "\tas Day and enter 2 in the Date field. Weeks up to 4 or\n"
      "\t'Last' are valid.\n\n"
      "For Fortnightly calls you must specify a start date (check the Calendar).\n\n"
      "On the Settings window you can choose the Font and Background Colours\n"
      "\tof the alarm pop-ups; plus the Format of the date fields. Check\n"
      "\tthe Sound Alarms box to get a Windows sound effect when an\n"
      "\talarm goes off.\n\n");
}
