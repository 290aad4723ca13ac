#pragma once

#include <QAccessible>

// Qt 6.4 tells a screen reader of every change made to the controls of a
// dialog while it is built and filled, before it is shown: for the settings
// dialog some 140 events (names, texts, carets and selections of its boxes),
// which Orca works through one by one, asking the program about each, before
// it comes to the dialog's window and focus: the dialog was heard a second or
// two after the key that opened it, after the next key if that came first.
// From its making until End, the events of a building are dropped; the dialog
// is read whole when it shows. Scopes nest: each puts back what it found.
class QuietBuild {
 public:
  QuietBuild() : m_previous(QAccessible::installUpdateHandler(&Drop)) {}
  ~QuietBuild() { End(); }
  QuietBuild(const QuietBuild&) = delete;
  QuietBuild& operator=(const QuietBuild&) = delete;

  void End() {
    if (m_ended) return;
    m_ended = true;
    QAccessible::installUpdateHandler(m_previous);
  }

 private:
  static void Drop(QAccessibleEvent* /*event*/) {}

  QAccessible::UpdateHandler m_previous;
  bool m_ended = false;
};
