#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through the installed prompter, so
// tests can record the texts and answer questions.
class Prompter {
 public:
  enum class Icon { Warning, Information };
  virtual ~Prompter() = default;
  // An OK box. An empty caption means the standard caption (StandardCaption()).
  virtual void Show(QWidget* owner, const QString& text, const QString& caption, Icon icon) = 0;
  // A Yes/No box with the warning icon and the standard caption; true for Yes.
  // A screen reader says what the question is about (the box's description).
  virtual bool AskYesNo(QWidget* owner, const QString& text, const QString& about) = 0;
};

// The program file's name without its extension.
QString StandardCaption();

// The installed prompter (the real message boxes unless a test installed one).
Prompter& GetPrompter();
void SetPrompter(Prompter* prompter);  // nullptr: back to the real one
