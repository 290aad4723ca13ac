#pragma once

#include <array>

#include "core/model/list_row_count.h"

// Identifiers of the program's dialogs, menu, pictures, controls and commands.
// The templates and the code name every one of them the same way.

// Dialog templates and the menu.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_TOCKMERE_DIALOG = 102;  // the main window
inline constexpr int IDD_ALARM_TEXT = 133;
inline constexpr int IDD_ALARM_POPUP = 134;
inline constexpr int IDR_MAIN_MENU = 140;
inline constexpr int IDD_SETTINGS = 141;
inline constexpr int IDD_CALENDAR = 144;
inline constexpr int IDD_CLEARED_NOTICE = 145;

// Pictures a template's picture control names.
inline constexpr int IDB_FONT_SAMPLES = 162;
inline constexpr int IDB_ABOUT_CLOCK = 165;

// A control nobody looks up.
inline constexpr int IDC_STATIC = -1;
// The OK (or Save, or Exit) and Cancel buttons of every dialog.
inline constexpr int IDOK_BUTTON = 1;
inline constexpr int IDCANCEL_BUTTON = 2;

// The main window.
inline constexpr int IDC_TIME = 1004;
inline constexpr int IDC_TYPE = 1005;
inline constexpr int IDC_DATE = 1007;
inline constexpr int IDC_ADD = 1008;
inline constexpr int IDC_CLOCK = 1009;
inline constexpr int IDC_DAY = 1010;
inline constexpr int IDC_DATE_LABEL = 1026;
inline constexpr int IDC_SCROLLBAR = 1054;

inline constexpr std::array<int, kListRowCount> kRowTimeIds = {1000, 1006, 1014, 1018, 1022};
inline constexpr std::array<int, kListRowCount> kRowTypeIds = {1001, 1011, 1015, 1019, 1023};
inline constexpr std::array<int, kListRowCount> kRowTextIds = {1002, 1012, 1016, 1020, 1024};
inline constexpr std::array<int, kListRowCount> kRowClearIds = {1003, 1013, 1017, 1021, 1025};
inline constexpr std::array<int, kListRowCount> kRowNumberIds = {1044, 1045, 1046, 1047, 1048};

// The About box.
inline constexpr int IDC_WEB_LINK = 1011;

// The alarm text dialog.
inline constexpr int IDC_ALARM_TIME = 1012;
inline constexpr int IDC_ALARM_DESC = 1013;
inline constexpr int IDC_ALARM_TEXT = 1014;

// The settings dialog: the font samples, the five font buttons (one group,
// button k beside sample line k), the colour boxes in the order One-off, Daily,
// Weekly, Fortnightly, Monthly, the date format box and the sound check box.
inline constexpr int IDC_FONT_SAMPLES = 1027;
inline constexpr int kFontChoiceCount = 5;
inline constexpr std::array<int, kFontChoiceCount> kFontRadioIds = {1028, 1029, 1030, 1031, 1032};
inline constexpr int IDC_FONT_FIRST = kFontRadioIds[0];
inline constexpr int IDC_ONE_OFF_COLOUR = 1033;
inline constexpr int IDC_DAILY_COLOUR = 1034;
inline constexpr int IDC_WEEKLY_COLOUR = 1035;
inline constexpr int IDC_FORTNIGHTLY_COLOUR = 1036;
inline constexpr int IDC_MONTHLY_COLOUR = 1037;
inline constexpr std::array<int, 5> kColourBoxIds = {IDC_ONE_OFF_COLOUR, IDC_DAILY_COLOUR,
                                                     IDC_WEEKLY_COLOUR, IDC_FORTNIGHTLY_COLOUR,
                                                     IDC_MONTHLY_COLOUR};
inline constexpr int IDC_DATE_FORMAT = 1038;
inline constexpr int IDC_SOUND = 1040;

// The calendar dialog.
inline constexpr int IDC_CALENDAR = 1039;

// The cleared-alarm notice.
inline constexpr int IDC_NOTICE_TEXT = 1041;

// The clock timer.
inline constexpr int kClockIntervalMs = 1000;

// The commands of the Options menu.
inline constexpr int ID_OPTIONS_SETTINGS = 32775;
inline constexpr int ID_OPTIONS_CALENDAR = 32776;
inline constexpr int ID_OPTIONS_USAGE = 32777;
inline constexpr int ID_OPTIONS_HELP = 32771;
inline constexpr int ID_OPTIONS_ABOUT = 32774;
