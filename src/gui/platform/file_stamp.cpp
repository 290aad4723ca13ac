#include "gui/platform/file_stamp.h"

#include <sys/stat.h>

QByteArray FileStamp(const QByteArray& path) {
  struct stat file {};
  if (path.isEmpty() || stat(path.constData(), &file) != 0) return {};
  return path + ' ' + QByteArray::number(qint64(file.st_size)) + ' ' +
         QByteArray::number(qint64(file.st_mtim.tv_sec)) + '.' +
         QByteArray::number(qint64(file.st_mtim.tv_nsec));
}
