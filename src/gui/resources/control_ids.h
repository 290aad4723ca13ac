#pragma once

#include <array>

// Identifiers of the main window's controls and the program's commands.
inline constexpr int IDOK_BUTTON = 1;
inline constexpr int IDCANCEL_BUTTON = 2;

inline constexpr int IDC_TIME = 1004;
inline constexpr int IDC_TYPE = 1005;
inline constexpr int IDC_DATE = 1007;
inline constexpr int IDC_ADD = 1008;
inline constexpr int IDC_CLOCK = 1009;
inline constexpr int IDC_DAY = 1010;
inline constexpr int IDC_DATE_LABEL = 1026;
inline constexpr int IDC_SCROLLBAR = 1054;
inline constexpr int IDC_NOTICE_TEXT = 1041;
inline constexpr int IDC_CALENDAR = 1039;

inline constexpr int kListRowCount = 5;
inline constexpr std::array<int, kListRowCount> kRowTimeIds = {1000, 1006, 1014, 1018, 1022};
inline constexpr std::array<int, kListRowCount> kRowTypeIds = {1001, 1011, 1015, 1019, 1023};
inline constexpr std::array<int, kListRowCount> kRowTextIds = {1002, 1012, 1016, 1020, 1024};
inline constexpr std::array<int, kListRowCount> kRowClearIds = {1003, 1013, 1017, 1021, 1025};
inline constexpr std::array<int, kListRowCount> kRowNumberIds = {1044, 1045, 1046, 1047, 1048};

inline constexpr int IDT_CLOCK = 997;
inline constexpr int kClockIntervalMs = 1000;

inline constexpr int ID_OPTIONS_SETTINGS = 32775;
inline constexpr int ID_OPTIONS_CALENDAR = 32776;
inline constexpr int ID_OPTIONS_USAGE = 32777;
inline constexpr int ID_OPTIONS_HELP = 32771;
inline constexpr int ID_OPTIONS_ABOUT = 32774;
