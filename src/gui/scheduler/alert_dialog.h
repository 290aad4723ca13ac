#pragma once

#include <QDialog>

class QIcon;
struct DialogTemplate;

// A dialog that must be seen, as an alarm's pop-up or a cleared notice: built
// from its template, kept above other windows, and brought to the front with
// the focus when it shows.
class CAlertDialog : public QDialog {
  Q_OBJECT

 public:
  // The icon is that of the window the program shows.
  CAlertDialog(const DialogTemplate& tmpl, const QIcon& icon);

 protected:
  void showEvent(QShowEvent* event) override;
};
