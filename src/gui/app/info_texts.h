#pragma once

#include <QString>

// The texts of the Usage and Help boxes of the Options menu.
QString UsageBoxText();
QString HelpBoxText();
