#include "gui/scheduler/alert_dialog.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "gui/dialog/dialog_builder.h"
#include "gui/dialog/dialog_template.h"
#include "gui/platform/whole_title.h"

namespace {

// A screen reader reads an alert out as soon as it appears, with its text.
QAccessibleInterface* AlertAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(CAlertDialog::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
}

}  // namespace

CAlertDialog::CAlertDialog(const DialogTemplate& tmpl, const QIcon& icon) {
  QAccessible::installFactory(AlertAccessible);  // once; later calls add nothing
  BuildDialog(this, tmpl);
  // An alarm nobody sees has failed: keep it above other windows.
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setWindowIcon(icon);
}

void CAlertDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepTitleWhole(this);
  raise();
  activateWindow();
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}
