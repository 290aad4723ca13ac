#include "gui/platform/translated_phrase.h"

#include <QCoreApplication>
#include <QStringList>

QString TranslatedCore(const char* context, const std::string& text) {
  return QCoreApplication::translate(context, text.c_str());
}

QString Translated(const Phrase& phrase) {
  QString text =
      phrase.context == nullptr
          ? QString::fromStdString(phrase.text)
          : QCoreApplication::translate(phrase.context, phrase.text.c_str(), nullptr, phrase.count);
  QStringList args;
  for (const Phrase& arg : phrase.args) args << Translated(arg);
  switch (args.size()) {
    case 0:
      return text;
    case 1:
      return text.arg(args[0]);
    case 2:
      return text.arg(args[0], args[1]);
    default:
      return text.arg(args[0], args[1], args[2]);
  }
}
