#pragma once

#include <filesystem>
#include <string_view>

// Writes a file whole or not at all: the content goes to a temporary file
// beside the target, is flushed to disk and then renamed over the target.
// The temporary file has no name until it is whole (where the file system
// allows), so a save killed half-way leaves nothing behind. On any failure
// the temporary file is removed, the target stays as it was and the result is
// false, with errno telling why. A target without any write permission bit
// counts as read-only and is never replaced, and so is anything but a regular
// file. A symbolic link is written through: the temporary file goes beside the
// file the link finally names and is renamed over that file, so the link stays.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Removes the temporary files that saves of target killed before their rename
// left beside it: only files named as this program names its temporaries,
// this user's, and none a running save holds (it keeps its temporary locked
// until the rename). A file of the user's named like the target is never one.
void RemoveStaleTemporaries(const std::filesystem::path& target);
