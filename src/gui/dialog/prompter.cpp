// The program's message boxes.
#include "gui/dialog/prompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <algorithm>

namespace {

QMessageBox::Icon BoxIcon(Prompter::Icon icon) {
  return icon == Prompter::Icon::Information ? QMessageBox::Information : QMessageBox::Warning;
}

// A message box caps the width of its text and breaks longer lines anew; the
// program's boxes show each line as written, the box as wide as the longest
// line within the screen. A spacer under the text as wide as its unbroken
// lines holds the box open that far.
void KeepLinesWhole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (grid == nullptr || label == nullptr) return;
  label->setWordWrap(false);
  int width = label->sizeHint().width();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    width = std::min(width, screen->availableGeometry().width() * 9 / 10);
  }
  int row = 0;
  int column = 0;
  int rowSpan = 0;
  int columnSpan = 0;
  grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), column);
}

// Runs a message box over its owner, brought to the front once it shows.
QMessageBox::StandardButton RunBox(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  KeepLinesWhole(box);
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

  bool AskYesNo(QWidget* owner, const QString& text, const QString& about) override {
    QMessageBox box(QMessageBox::Warning, StandardCaption(), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setAccessibleDescription(about);
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
