#include "gui/platform/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopUrlOpener : public UrlOpener {
 public:
  bool Open(const QString& address) override {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
  }
};

DesktopUrlOpener g_desktopOpener;
UrlOpener* g_opener = nullptr;

}  // namespace

UrlOpener& GetUrlOpener() {
  return g_opener != nullptr ? *g_opener : g_desktopOpener;
}

void SetUrlOpener(UrlOpener* opener) {
  g_opener = opener;
}
