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

namespace {

using K = ControlKind;

DialogTemplate MakeAbout() {
  DialogTemplate t = Dialog(IDD_ABOUTBOX, DialogText::tr("About Tockmere"), 124, 112);
  auto& c = t.controls;
  c.push_back(
      Ctl(IDC_STATIC, K::Picture, QString::number(IDB_ABOUT_CLOCK), kSunken, QRect(31, 6, 19, 27)));
  c.push_back(Ctl(IDC_STATIC, K::Label,
                  DialogText::tr("Tockmere   version %1").arg(QStringLiteral(TOCKMERE_VERSION)),
                  kWordWrap, QRect(53, 11, 41, 17)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("Copyright \u00a9 the Tockmere authors"),
                  kWordWrap, QRect(31, 38, 67, 20)));
  c.push_back(Ctl(IDC_STATIC, K::Label, DialogText::tr("For more please visit us at"), kStyleNone,
                  QRect(23, 61, 79, 8)));
  c.push_back(Ctl(IDC_WEB_LINK, K::PushButton, QStringLiteral(TOCKMERE_DOC_FROM_BIN), kTabStop,
                  QRect(15, 72, 94, 13)));
  c.push_back(OkButton(DialogText::tr("OK"), QRect(43, 94, 40, 14)));
  return t;
}

}  // namespace

const DialogTemplate& AboutTemplate() {
  static const DialogTemplate t = MakeAbout();
  return t;
}
