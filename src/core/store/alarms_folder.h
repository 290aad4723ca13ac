#pragma once

#include <filesystem>

// The folder the user named for alarms.txt (--folder, or the default one).
// The program works in it: it is the current directory, and alarms.txt is
// named relative to it. When the folder is deleted, or moved aside and a new
// one made under the same name, while the program runs, the current directory
// is no longer that folder: the program finds it again by its path.

// Names the folder (an absolute path). Empty names none: the current
// directory is then never changed.
void SetAlarmsFolder(const std::filesystem::path& folder);
const std::filesystem::path& AlarmsFolder();

// Makes the named folder the current directory again when it no longer is,
// creating it (and the folders above it) first when `make` is set and it does
// not exist; says on stderr what it did. False when there is no folder to work
// in.
bool ReenterAlarmsFolder(bool make);
