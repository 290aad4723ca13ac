#pragma once

class AlarmTable;

// Reads in another program's change of alarms.txt, first letting the alarms
// file watcher hear that program finish writing, the user's clicks and keys
// held back meanwhile: a moment long enough for a writer that has just closed
// the file; one that keeps it open longer is left to the save, which waits
// for it. Before counting the alarms for a new one, so that the count is that
// of the file as it will be. Whether a change was read in.
bool ReadInOtherWriter(AlarmTable& table);

// At the end of the program: a save still waiting for another program
// writing alarms.txt waits for it the same moment, then is made on the file
// as that program left it (FinishWaitingSave); what cannot be saved is said
// on stderr.
void SaveBeforeTheEnd(AlarmTable& table);
