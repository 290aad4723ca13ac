#include "gui/list/alarms_file_watcher.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/platform/regular_file.h"
#include "core/store/alarm_table.h"
#include "core/store/alarms_file.h"
#include "gui/app/main_dlg.h"

namespace {

// How long a change settles before the file is read, and how often the
// reading is tried again while a dialog is open.
constexpr int kSettleMs = 300;
constexpr int kWaitForDialogMs = 1000;

QString AlarmsPath() {
  return QDir::current().absoluteFilePath(QString::fromUtf8(kAlarmsFileName));
}

}  // namespace

AlarmsFileWatcher::AlarmsFileWatcher(CMainDlg* dlg) : QObject(dlg), m_dlg(dlg) {
  m_settle.setSingleShot(true);
  connect(&m_settle, &QTimer::timeout, this, &AlarmsFileWatcher::ReadInIfChanged);
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &AlarmsFileWatcher::OnChange);
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &AlarmsFileWatcher::OnChange);
  Watch();
}

// The folder, the file, and the folder of the file a link names. A file
// replaced by a rename is a new file: it is watched afresh after each change.
void AlarmsFileWatcher::Watch() {
  const QString file = AlarmsPath();
  const QString target = QString::fromStdString(FinalTarget(file.toStdString()).string());
  QStringList paths = {QDir::currentPath(), QFileInfo(target).absolutePath()};
  if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
  if (QFileInfo::exists(file)) paths.append(file);
  paths.removeDuplicates();
  for (const QString& path : paths) {
    if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path)) {
      m_watcher.addPath(path);
    }
  }
}

void AlarmsFileWatcher::OnChange() {
  Watch();
  m_settle.start(kSettleMs);
}

bool AlarmsFileWatcher::DialogOpen() const {
  const QWidget* modal = QApplication::activeModalWidget();
  return (modal != nullptr && modal != m_dlg) || QApplication::activePopupWidget() != nullptr;
}

// Every change is saved at once, so the table holds nothing unsaved: reading
// the file in simply replaces it. What the user typed into the form stays
// (a minimised window has nothing typed, and may hold a newer time unshown).
void AlarmsFileWatcher::ReadInIfChanged() {
  if (DialogOpen()) {
    m_settle.start(kWaitForDialogMs);
    return;
  }
  if (!AlarmsFileChanged(kAlarmsFileName)) return;
  if (!m_dlg->isMinimized()) m_dlg->UpdateData(true);
  LoadAlarms();
  m_dlg->RefreshList(g_listTop);
}
