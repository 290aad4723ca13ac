// The program's message boxes.
#include "gui/app/prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox::Icon BoxIcon(Prompter::Icon icon) {
  return icon == Prompter::Icon::Information ? QMessageBox::Information : QMessageBox::Warning;
}

// Runs a message box over its owner, brought to the front once it shows.
QMessageBox::StandardButton RunBox(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  QTimer::singleShot(0, &box, [&box] {
    box.raise();
    box.activateWindow();
  });
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

class MessageBoxPrompter : public Prompter {
 public:
  void Show(QWidget* owner, const QString& text, const QString& caption, Icon icon) override {
    QMessageBox box(BoxIcon(icon), caption.isEmpty() ? StandardCaption() : caption, text,
                    QMessageBox::Ok, owner);
    RunBox(box);
  }

  bool AskYesNo(QWidget* owner, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, StandardCaption(), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return RunBox(box) == QMessageBox::Yes;
  }
};

MessageBoxPrompter g_messageBoxPrompter;
Prompter* g_prompter = nullptr;

}  // namespace

QString StandardCaption() {
  const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return name.isEmpty() ? QStringLiteral("tockmere") : name;
}

Prompter& GetPrompter() {
  return g_prompter != nullptr ? *g_prompter : g_messageBoxPrompter;
}

void SetPrompter(Prompter* prompter) {
  g_prompter = prompter;
}
