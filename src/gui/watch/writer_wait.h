#pragma once

class AlarmTable;

// Lets the alarms file watcher hear another program finish writing
// alarms.txt, the user's clicks and keys held back meanwhile: a moment long
// enough for a writer that has just closed the file; one that keeps it open
// longer is left to the save, which waits for it. Before counting the alarms
// for a new one, so that the count is that of the file as it will be.
void WaitForOtherWriter(const AlarmTable& table);
