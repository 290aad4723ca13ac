#pragma once

#include <QByteArray>

// A file by its path, size and time of change, "path size seconds.nanoseconds";
// empty where it cannot be looked at. A kept result that depends on a file is
// filed under its stamp, so that a file changed in place is seen.
QByteArray FileStamp(const QByteArray& path);
