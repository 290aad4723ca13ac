// tockmere-icons: writes the program's icon for installation, from the same
// drawing as the window icon.
//
//   tockmere-icons OUTPUT_DIR SIDE...
//
// Writes OUTPUT_DIR/tockmere.svg (scalable) and OUTPUT_DIR/tockmere-SIDE.png
// for each SIDE. Exits with status 1 when a file cannot be written.

#include <QFile>
#include <QImage>
#include <cstdio>

#include "gui/resources/app_icon.h"
#include "gui/resources/clock_drawing.h"

namespace {

constexpr int kSvgSide = 256;

bool WriteSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray text = ClockSvg(kSvgSide).toUtf8();
  return file.write(text) == text.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tockmere-icons OUTPUT_DIR SIDE...\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!WriteSvg(dir + QStringLiteral("/tockmere.svg"))) {
    std::fprintf(stderr, "tockmere-icons: cannot write %s/tockmere.svg\n", argv[1]);
    return 1;
  }
  for (int a = 2; a < argc; ++a) {
    const int side = QString::fromLocal8Bit(argv[a]).toInt();
    const QString path = dir + QStringLiteral("/tockmere-%1.png").arg(side);
    if (side <= 0 || !AppIconImage(side).save(path, "PNG")) {
      std::fprintf(stderr, "tockmere-icons: cannot write %s\n", path.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
