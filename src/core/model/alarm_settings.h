#pragma once

// The user's eight display settings, kept in the settings registry file.
struct AlarmSettings {
  int Sound = 0;
  int DateFormat = 0;  // a DateFormat: 0 U.K., 1 U.S.
  int FontNo = 0;
  int OColour = 0;
  int DColour = 0;
  int WColour = 0;
  int FColour = 0;
  int MColour = 0;
};
