#include "gui/watch/alarms_file_watcher.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdio>
#include <utility>

#include "core/platform/regular_file.h"
#include "core/store/alarm_table.h"
#include "core/store/alarms_file.h"
#include "core/store/alarms_folder.h"
#include "gui/watch/open_dialog_watch.h"

namespace fs = std::filesystem;

namespace {

// How long the file must be quiet before it is read, and how many such
// moments a writer that keeps the file open is waited for.
constexpr int kQuietMs = 1000;
constexpr int kMaxWaitsForClose = 10;

constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                        IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF |
                                        IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::uint32_t kGoneEvents = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;
constexpr std::uint32_t kEntryEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr std::uint32_t kDoneEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM;

fs::path StartFolder(const AlarmsFolder& folder) {
  if (!folder.Path().empty()) return folder.Path();
  return fs::current_path();
}

bool IsLink(const fs::path& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void Say(const std::string& text) {
  std::fprintf(stderr, "tockmere: %s\n", text.c_str());
}

// n: the alarms in the table.
std::string AlarmsKept(int n) {
  const std::string saved = "the next save writes alarms.txt again";
  if (n == 0) return saved;
  return "the " + std::to_string(n) +
         (n == 1 ? " alarm is kept in memory and goes off"
                 : " alarms are kept in memory and go off") +
         " as before; " + saved;
}

}  // namespace

AlarmsFileWatcher::AlarmsFileWatcher(QWidget* window, AlarmTable& table, ReadInCatchUp& catchUp,
                                     std::function<void()> showChange)
    : QObject(window),
      m_table(table),
      m_catchUp(catchUp),
      m_showChange(std::move(showChange)),
      m_folder(StartFolder(table.Folder())) {
  m_quiet.setSingleShot(true);
  // Queued, so that the pop-ups of a late alarm do not run inside the timer.
  connect(&m_quiet, &QTimer::timeout, this, &AlarmsFileWatcher::Settle, Qt::QueuedConnection);
  m_dialogs = new OpenDialogWatch(window, [this] {
    if (m_pending && !DialogOpen()) m_quiet.start(0);
  });
  m_dialogs->setParent(this);
  m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (m_fd < 0) {
    Say("cannot watch alarms.txt for changes by other programs");
    return;
  }
  m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &AlarmsFileWatcher::OnEvents);
  // A writer may have started a moment before a save, its events not yet taken.
  m_table.SetFileNews([this] { OnEvents(); });
  Arm();
}

AlarmsFileWatcher::~AlarmsFileWatcher() {
  m_table.SetFileNews({});
  delete m_notifier;
  if (m_fd >= 0) close(m_fd);
}

void AlarmsFileWatcher::AddWatch(const fs::path& folder, Role role, std::set<std::string> names) {
  const std::uint32_t events = role == Role::Above ? kEntryEvents | IN_ONLYDIR : kFolderEvents;
  const int wd = inotify_add_watch(m_fd, folder.c_str(), events);
  if (wd >= 0) m_watches[wd] = Watched{role, folder, std::move(names)};
}

// The folder above the alarms folder, to see it deleted, moved away or made
// again (a folder in use as the current directory tells of its deletion only
// once nothing uses it); the alarms folder, found again by its path when it
// was replaced; and the folder of the file a link names.
void AlarmsFileWatcher::Arm() {
  for (const auto& [wd, watched] : m_watches) inotify_rm_watch(m_fd, wd);
  m_watches.clear();
  if (m_table.Folder().ReenterAlarmsFolder(false)) m_saidFolderGone.Clear();
  AddWatch(m_folder.parent_path(), Role::Above, {m_folder.filename().string()});
  std::error_code error;
  if (!fs::is_directory(m_folder, error)) return;
  const fs::path target = FinalTarget(m_folder / kAlarmsFileName).lexically_normal();
  std::set<std::string> names = {kAlarmsFileName};
  if (target.parent_path() == m_folder.lexically_normal()) {
    names.insert(target.filename().string());
  } else {
    AddWatch(target.parent_path(), Role::LinkFolder, {target.filename().string()});
  }
  AddWatch(m_folder, Role::Folder, std::move(names));
}

void AlarmsFileWatcher::OnEvents() {
  alignas(inotify_event) char buffer[16384];
  Heard heard;
  ssize_t n = 0;
  while ((n = read(m_fd, buffer, sizeof buffer)) > 0) {
    for (char* p = buffer; p < buffer + n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(p);
      p += sizeof(inotify_event) + event->len;
      Take(*event, heard);
    }
  }
  if (heard.folderGone && !m_saidFolderGone.Said()) {
    m_saidFolderGone.Say("the alarms folder " + m_folder.string() + " was deleted or moved away; " +
                         AlarmsKept(m_table.Count()));
  }
  if (heard.rearm) Arm();
  if (heard.change) Noticed();
}

// What one event tells: a change of the file (and whether its writer is
// done), the folder gone or made again, a link pointed elsewhere.
void AlarmsFileWatcher::Take(const inotify_event& event, Heard& heard) {
  if ((event.mask & IN_Q_OVERFLOW) != 0) {
    heard.change = heard.rearm = true;
    return;
  }
  const auto found = m_watches.find(event.wd);
  if (found == m_watches.end()) return;
  const Watched& watched = found->second;
  if ((event.mask & kGoneEvents) != 0) {
    heard.folderGone = heard.folderGone || watched.role == Role::Folder;
    heard.change = heard.rearm = true;
    return;
  }
  if (event.len == 0 || watched.names.count(event.name) == 0) return;
  heard.change = true;
  if (watched.role == Role::Above) {
    heard.folderGone = heard.folderGone || (event.mask & (IN_DELETE | IN_MOVED_FROM)) != 0;
    heard.rearm = true;
    return;
  }
  heard.rearm = heard.rearm || (event.mask & kEntryEvents) != 0;
  if ((event.mask & IN_MODIFY) != 0) m_writing = true;
  if ((event.mask & IN_CREATE) != 0) m_writing = !IsLink(watched.folder / event.name);
  if ((event.mask & kDoneEvents) != 0) m_writing = false;
}

// A change by another program makes the file busy until it has been quiet.
// A file being written is busy whatever it holds: a writer that has truncated
// it and written back the lines it held has not finished.
void AlarmsFileWatcher::Noticed() {
  if (m_writing || m_table.AlarmsFileChanged()) {
    if (!m_pending) m_sinceMinute = m_catchUp.LastCheckedMinute();
    m_pending = true;
    m_table.SetAlarmsFileBusy(true);
  }
  m_waitsForClose = 0;
  m_quiet.start(kQuietMs);
}

bool AlarmsFileWatcher::DialogOpen() const {
  return m_dialogs->AnyOpen() || QApplication::activePopupWidget() != nullptr;
}

// Every change is saved at once, so the table holds nothing unsaved but a
// save that waited for the writer: reading in keeps it (ReadInAlarmsChange).
void AlarmsFileWatcher::Settle() {
  if (m_settling) {
    m_settleAgain = true;
    return;
  }
  if (m_writing && ++m_waitsForClose < kMaxWaitsForClose) {
    m_quiet.start(kQuietMs);
    return;
  }
  m_settling = true;
  m_writing = false;
  m_table.SetAlarmsFileBusy(false);
  const bool changed = ReadIn();
  SayIfFileGone();
  const std::vector<AlarmRecord> brought = m_table.TakeRecordsReadIn();
  if (changed || !brought.empty()) m_showChange();
  const std::int64_t since = m_pending ? m_sinceMinute : m_catchUp.LastCheckedMinute();
  m_pending = DialogOpen() && m_table.AlarmsFileChanged();
  if (!brought.empty()) m_catchUp.CatchUpReadIn(brought, since);
  m_settling = false;
  if (m_settleAgain) {
    m_settleAgain = false;
    m_quiet.start(0);
  }
}

// The save that waited, which reads the change in first; else the change,
// when no dialog is open.
bool AlarmsFileWatcher::ReadIn() {
  if (m_table.AlarmsSaveWaiting()) {
    m_table.SaveAlarms();
    return true;
  }
  if (!DialogOpen()) return m_table.ReadInAlarmsChange();
  if (QApplication::activePopupWidget() != nullptr)
    m_quiet.start(kQuietMs);  // a menu tells nobody when it closes
  return false;
}

void AlarmsFileWatcher::SayIfFileGone() {
  std::string bytes;
  const bool gone =
      ReadRegularFile(kAlarmsFileName, bytes) == FileRead::Missing && m_table.AlarmsFileChanged();
  if (!gone) {
    m_saidGone.Clear();
  } else if (!m_saidGone.Said() && !m_saidFolderGone.Said()) {
    m_saidGone.Say("alarms.txt in " + m_folder.string() + " was deleted or moved away; " +
                   AlarmsKept(m_table.Count()));
  }
}
