// tockmere-icons: writes the program's icon for installation, from the same
// drawing as the window icon.
//
//   tockmere-icons OUTPUT_DIR SIDE...
//
// Writes OUTPUT_DIR/tockmere.svg (scalable), and OUTPUT_DIR/tockmere-SIDE.png
// and its pixels as they lie in memory, OUTPUT_DIR/tockmere-SIDE.argb, for
// each SIDE (the program carries the latter as its window icon). Exits with
// status 1 when a file cannot be written.

#include <QFile>
#include <QImage>
#include <cstdio>

#include "gui/resources/app_icon.h"
#include "gui/resources/clock_drawing.h"

namespace {

constexpr int kSvgSide = 256;

bool WriteFile(const QString& path, QByteArrayView bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
}

bool WriteImages(const QString& dir, int side) {
  const QImage image = AppIconImage(side);
  const QString path = dir + QStringLiteral("/tockmere-%1.").arg(side);
  return image.save(path + QStringLiteral("png"), "PNG") &&
         WriteFile(path + QStringLiteral("argb"),
                   QByteArrayView(image.constBits(), image.sizeInBytes()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tockmere-icons OUTPUT_DIR SIDE...\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!WriteFile(dir + QStringLiteral("/tockmere.svg"), ClockSvg(kSvgSide).toUtf8())) {
    std::fprintf(stderr, "tockmere-icons: cannot write %s/tockmere.svg\n", argv[1]);
    return 1;
  }
  for (int a = 2; a < argc; ++a) {
    const int side = QString::fromLocal8Bit(argv[a]).toInt();
    if (side <= 0 || !WriteImages(dir, side)) {
      std::fprintf(stderr, "tockmere-icons: cannot write the images of side %s\n", argv[a]);
      return 1;
    }
  }
  return 0;
}
