#include "gui/app/about_dlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

#include "gui/dialog/control_ids.h"
#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/platform/url_opener.h"

namespace {

// The template holds the documentation folder relative to the program's
// folder; the button shows (and opens) where that is on this machine.
QString InstalledPlace(const QString& relative) {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
}

// The address must show whole, since it is what the button opens: a caption
// too long for the button widens it, centred, and the box with it.
void ShowWholeCaption(QDialog* dialog, QPushButton* button) {
  const int need = button->fontMetrics().horizontalAdvance(button->text()) + 16;
  if (need <= button->width()) return;
  const int margin = 6;
  if (need + 2 * margin > dialog->width()) dialog->setFixedWidth(need + 2 * margin);
  button->setGeometry((dialog->width() - need) / 2, button->y(), need, button->height());
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  BuildDialog(this, AboutTemplate());
  if (auto* web = DlgItem<QPushButton>(this, IDC_WEB_LINK)) {
    // Enter means OK, but the address button when it has the focus.
    web->setText(InstalledPlace(web->text()));
    ShowWholeCaption(this, web);
    connect(web, &QPushButton::clicked, this, [this] { OnWebButton(); });
  }
}

bool CAboutDlg::OnInitDialog() {
  TakeOwnerIcon(this);
  return true;
}

void CAboutDlg::OnWebButton() {
  if (auto* web = DlgItem<QPushButton>(this, IDC_WEB_LINK)) GetUrlOpener().Open(web->text());
}
