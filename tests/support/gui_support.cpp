// main() of the dialog tests, and the helpers that stand in for the user.
#include "gui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <utility>

#include "gui/app/translations.h"
#include "gui/resources/fonts.h"
#include "gui/scheduler/alarm_popup_dlg.h"
#include "test_support.h"

RecordingPrompter::RecordingPrompter() {
  SetPrompter(this);
}

RecordingPrompter::~RecordingPrompter() {
  SetPrompter(nullptr);
}

void RecordingPrompter::Show(QWidget* owner, const QString& text, const QString& caption,
                             Icon icon) {
  m_messages.push_back(Message{text, caption, icon, false, owner});
}

bool RecordingPrompter::AskYesNo(QWidget* owner, const QString& text, const QString& /*about*/) {
  m_messages.push_back(Message{text, QString(), Icon::Warning, true, owner});
  if (m_answers.empty()) return false;
  const bool yes = m_answers.front();
  m_answers.pop_front();
  return yes;
}

std::vector<QString> RecordingPrompter::texts() const {
  std::vector<QString> result;
  for (const Message& message : m_messages) result.push_back(message.text);
  return result;
}

RecordingSound::RecordingSound() {
  SetSystemSound(this);
}

RecordingSound::~RecordingSound() {
  SetSystemSound(nullptr);
}

RecordingNotifier::RecordingNotifier() {
  SetDesktopNotifier(this);
}

RecordingNotifier::~RecordingNotifier() {
  SetDesktopNotifier(nullptr);
}

int RecordingNotifier::Notify(const QString& summary, const QString& body, const QIcon& icon,
                              NotificationActions actions) {
  QStringList offered;
  for (const auto& [key, label] : actions.offered) offered << key << label;
  sent_.push_back(Notification{summary, body, !icon.isNull(), false, offered, std::move(actions)});
  return static_cast<int>(sent_.size());
}

void RecordingNotifier::Choose(int key, const QString& action, const QString& token) {
  ASSERT_TRUE(key >= 1 && key <= static_cast<int>(sent_.size())) << "no notification " << key;
  const NotificationActions chosen = std::exchange(sent_[key - 1].handling, {});
  if (chosen.owner && chosen.handler) chosen.handler(action, token);
}

void RecordingNotifier::Withdraw(int key) {
  const bool known = key >= 1 && key <= static_cast<int>(sent_.size());
  if (!known || sent_[key - 1].withdrawn) {
    ++stray_;
    return;
  }
  sent_[key - 1].withdrawn = true;
}

void RecordingNotifier::WithdrawAll() {
  for (Notification& notification : sent_) notification.withdrawn = true;
}

int RecordingNotifier::showing() const {
  int count = 0;
  for (const Notification& notification : sent_) count += notification.withdrawn ? 0 : 1;
  return count;
}

namespace {

void CloseModal(QWidget* widget) {
  if (auto* dialog = qobject_cast<QDialog*>(widget)) {
    dialog->reject();
  } else {
    widget->close();
  }
}

// Polls for a new modal widget every 10 ms until the deadline.
struct ModalWatch {
  std::function<void(QWidget*)> act;
  QPointer<QWidget> before;
  QElapsedTimer clock;
  int timeoutMs = 0;
};

void Poll(std::shared_ptr<ModalWatch> watch) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != watch->before && modal->isVisible()) {
    QPointer<QWidget> guard(modal);
    watch->act(modal);
    if (guard && guard->isVisible()) CloseModal(guard);
    return;
  }
  if (watch->clock.elapsed() > watch->timeoutMs) {
    ADD_FAILURE() << "no modal dialog opened within " << watch->timeoutMs << " ms";
    if (modal != nullptr) CloseModal(modal);
    return;
  }
  QTimer::singleShot(10, [watch] { Poll(watch); });
}

}  // namespace

void WhenModalOpens(std::function<void(QWidget*)> act, int timeoutMs) {
  auto watch = std::make_shared<ModalWatch>();
  watch->act = std::move(act);
  watch->before = QApplication::activeModalWidget();
  watch->timeoutMs = timeoutMs;
  watch->clock.start();
  QTimer::singleShot(0, [watch] { Poll(watch); });
}

std::vector<CAlarmPopupDlg*> VisiblePopups() {
  std::vector<CAlarmPopupDlg*> open;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* popup = qobject_cast<CAlarmPopupDlg*>(w); popup != nullptr && popup->isVisible()) {
      open.push_back(popup);
    }
  }
  return open;
}

int CloseLeftoverModals() {
  int closed = 0;
  while (QWidget* modal = QApplication::activeModalWidget()) {
    if (closed > 20) break;
    CloseModal(modal);
    modal->hide();
    ++closed;
  }
  return closed;
}

bool GrabToPng(QWidget* widget, const QString& path) {
  return widget->grab().save(path, "PNG");
}

namespace {

// After each test: no modal dialog may outlive it.
class ModalCleanup : public testing::EmptyTestEventListener {
  void OnTestEnd(const testing::TestInfo& test) override {
    if (CloseLeftoverModals() > 0) {
      std::fprintf(stderr, "%s.%s left a modal dialog open; closed it\n", test.test_suite_name(),
                   test.name());
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  // A test run in another language (TOCKMERE_TEST_LANGUAGE=de) has the
  // program's translations of the build tree installed before any template.
  if (const QString language = qEnvironmentVariable("TOCKMERE_TEST_LANGUAGE");
      !language.isEmpty() &&
      InstallTranslations(app, QLocale(language), {QStringLiteral(TOCKMERE_TRANSLATIONS)})
          .isEmpty()) {
    std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ModalCleanup);
  return RUN_ALL_TESTS();
}
