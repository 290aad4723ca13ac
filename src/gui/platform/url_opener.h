#pragma once

#include <QString>

// Hands an address to the desktop's handler for it (the web browser, the file
// viewer). The result is the handler's; callers may ignore it.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual bool Open(const QString& address) = 0;
};

UrlOpener& GetUrlOpener();
void SetUrlOpener(UrlOpener* opener);  // nullptr: back to the desktop's
