#pragma once

#include <QDialog>

struct DialogTemplate;

// "About Tockmere": the clock picture, the name and version, the owner's
// notice and a button that opens the address it shows.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  bool OnInitDialog();
  // Opens exactly the address the web button shows; the box stays open.
  void OnWebButton();
};

// The About box's template (IDD_ABOUTBOX).
const DialogTemplate& AboutTemplate();
