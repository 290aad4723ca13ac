// A bare Qt dialog of the size of Tockmere's main window, to compare start-up
// time, memory and idle cost with: a menu bar, a clock line written by a
// one-second timer, an entry form whose Time field has the focus, five list
// rows and an Exit button, about 40 widgets in all, placed by hand as a dialog
// template would.
//
//   bare_dialog [--minimised]
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTime>
#include <QTimer>
#include <cstring>

namespace {

template <typename Widget>
Widget* Place(QDialog* dialog, Widget* widget, int x, int y, int width, int height) {
  widget->setParent(dialog);
  widget->setGeometry(x, y + 22, width, height);
  return widget;
}

QLineEdit* Field(QDialog* dialog, int x, int y, int width, bool readOnly) {
  auto* edit = Place(dialog, new QLineEdit, x, y, width, 21);
  edit->setReadOnly(readOnly);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

// The entry form; its Time field takes the focus, as the first field a user
// types in does in Tockmere.
void AddEntryForm(QDialog* dialog) {
  Place(dialog, new QGroupBox(QStringLiteral("Set a new Alarm Call:")), 7, 33, 152, 235);
  const char* labels[] = {"Time:", "Type:", "Day:", "Date:"};
  const int ys[] = {68, 112, 152, 191};
  for (int k = 0; k < 4; ++k) {
    Place(dialog, new QLabel(QString::fromLatin1(labels[k])), 14, ys[k], 40, 16);
  }
  Field(dialog, 56, 65, 70, false)->setFocus();
  auto* type = Place(dialog, new QComboBox, 56, 107, 79, 24);
  type->setEditable(true);
  type->addItems({"Today", "Tomorrow", "Daily", "Weekly", "Fortnightly", "Monthly", "One Date"});
  auto* day = Place(dialog, new QComboBox, 56, 149, 91, 24);
  day->setEditable(true);
  day->addItems(
      {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "None"});
  Field(dialog, 56, 191, 70, false);
  Place(dialog, new QPushButton(QStringLiteral("Add")), 56, 233, 70, 21);
}

void AddList(QDialog* dialog) {
  Place(dialog, new QGroupBox(QStringLiteral("Your Current Alarm Calls:")), 166, 33, 308, 235);
  Place(dialog, new QLabel(QStringLiteral("Time")), 222, 60, 30, 14);
  Place(dialog, new QLabel(QStringLiteral("Type")), 292, 60, 30, 14);
  Place(dialog, new QScrollBar(Qt::Vertical), 180, 79, 17, 175);
  for (int row = 0; row < 5; ++row) {
    const int y = 79 + 38 * row;
    Place(dialog, new QLabel(QString::number(row + 1)), 203, y + 3, 14, 14);
    Field(dialog, 220, y, 35, true);
    Field(dialog, 266, y, 93, true)->setAlignment(Qt::AlignLeft);
    Place(dialog, new QPushButton(QStringLiteral("Text")), 369, y, 42, 21);
    Place(dialog, new QPushButton(QStringLiteral("Clear")), 422, y, 42, 21);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  dialog.setFixedSize(481, 307);

  auto* menus = new QMenuBar(&dialog);
  menus->setGeometry(0, 0, 481, 22);
  QMenu* options = menus->addMenu(QStringLiteral("&Options"));
  for (const char* item : {"Settings", "Calendar", "Usage", "Help", "About..."}) {
    options->addAction(QString::fromLatin1(item));
  }

  QLineEdit* clock = Field(&dialog, 159, 0, 161, true);
  clock->setFrame(false);
  AddEntryForm(&dialog);
  AddList(&dialog);
  auto* exit = Place(&dialog, new QPushButton(QStringLiteral("Exit")), 205, 278, 70, 24);
  exit->setDefault(true);
  QObject::connect(exit, &QPushButton::clicked, &dialog, &QDialog::accept);

  QTimer timer;
  auto tick = [clock] {
    clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
  };
  QObject::connect(&timer, &QTimer::timeout, clock, tick);
  tick();
  timer.start(1000);

  if (argc > 1 && std::strcmp(argv[1], "--minimised") == 0) {
    dialog.showMinimized();
  } else {
    dialog.show();
  }
  return dialog.exec();
}
