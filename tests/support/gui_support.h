#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "gui/dialog/prompter.h"
#include "gui/platform/desktop_notifier.h"
#include "gui/platform/system_sound.h"

class QWidget;
class CAlarmPopupDlg;

// Records every message box instead of showing it, and answers questions from
// a queue (No when the queue is empty). Installed for its own lifetime.
class RecordingPrompter : public Prompter {
 public:
  struct Message {
    QString text;
    QString caption;  // as passed: empty for the standard caption
    Icon icon = Icon::Warning;
    bool question = false;
    QWidget* owner = nullptr;
  };

  RecordingPrompter();
  ~RecordingPrompter() override;
  RecordingPrompter(const RecordingPrompter&) = delete;
  RecordingPrompter& operator=(const RecordingPrompter&) = delete;

  void Show(QWidget* owner, const QString& text, const QString& caption, Icon icon) override;
  bool AskYesNo(QWidget* owner, const QString& text, const QString& about) override;

  // The answer to the next question that is asked.
  void AnswerNext(bool yes) { m_answers.push_back(yes); }
  const std::vector<Message>& messages() const { return m_messages; }
  // The texts shown and asked, in order.
  std::vector<QString> texts() const;
  void clear() { m_messages.clear(); }

 private:
  std::vector<Message> m_messages;
  std::deque<bool> m_answers;
};

// Counts the warning sounds instead of playing them. Installed for its own lifetime.
class RecordingSound : public SystemSound {
 public:
  RecordingSound();
  ~RecordingSound() override;
  RecordingSound(const RecordingSound&) = delete;
  RecordingSound& operator=(const RecordingSound&) = delete;

  void PlayExclamation() override { ++m_count; }
  int count() const { return m_count; }

 private:
  int m_count = 0;
};

// Records desktop notifications instead of sending them. Installed for its
// own lifetime.
class RecordingNotifier : public DesktopNotifier {
 public:
  struct Notification {
    QString summary;
    QString body;
    bool hasIcon = false;
    bool withdrawn = false;
    QStringList actions;  // the keys and labels offered, in turn
    NotificationActions handling;
  };

  RecordingNotifier();
  ~RecordingNotifier() override;
  RecordingNotifier(const RecordingNotifier&) = delete;
  RecordingNotifier& operator=(const RecordingNotifier&) = delete;

  int Notify(const QString& summary, const QString& body, const QIcon& icon,
             NotificationActions actions) override;
  void Withdraw(int key) override;
  void WithdrawAll() override;
  // The user chooses an action of notification key (withdrawn or not, as a
  // choice may come just after), the desktop sending token with it: the
  // handler hears it while its owner lives, once.
  void Choose(int key, const QString& action, const QString& token = QString());

  // Every notification sent, in order; key k is entry k - 1.
  const std::vector<Notification>& sent() const { return sent_; }
  // How many are shown and not withdrawn.
  int showing() const;
  // Withdraw calls with a key that was not showing.
  int strayWithdrawals() const { return stray_; }

 private:
  std::vector<Notification> sent_;
  int stray_ = 0;
};

// Arms a helper for the modal dialog that the next exec() opens: once a modal
// widget is active (other than one that was already open), `act` runs on it,
// and the widget is closed (reject) if `act` left it open. Gives up after
// timeoutMs, closing whatever modal is then active, so a test cannot hang.
void WhenModalOpens(std::function<void(QWidget*)> act, int timeoutMs = 5000);

// The alarm pop-ups on the screen now.
std::vector<CAlarmPopupDlg*> VisiblePopups();

// Closes every modal widget left open; returns how many it closed.
int CloseLeftoverModals();

// Saves a picture of a widget (for looking at a dialog while debugging).
bool GrabToPng(QWidget* widget, const QString& path);
