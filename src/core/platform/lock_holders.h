#pragma once

#include <sys/stat.h>

#include <filesystem>

// Whether a process of this user holds a flock on the file or folder that was
// stat'ed as `target`: one listed in the kernel's table of locks
// (/proc/locks) for the target's inode, running as this user and with the target
// open. A lock another user took, one left by a process that has ended, or
// none at all, is not this user's.
bool HeldByThisUser(const struct stat& target);
