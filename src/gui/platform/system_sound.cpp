// The warning sound through the desktop's event-sound service.
#include "gui/platform/system_sound.h"

#include <canberra.h>

#include <QApplication>

namespace {

// One canberra context for the program's life, made at the first sound.
// ca_context_play only starts the sound: it does not wait for it to end. When
// the context cannot be made or a sound cannot be started (no sound server or
// card, no sound theme), the display's bell sounds instead, and canberra is
// not tried again: each failed try costs time and floods the error output.
class CanberraSound : public SystemSound {
 public:
  ~CanberraSound() override {
    if (m_context != nullptr) ca_context_destroy(m_context);
  }

  void PlayExclamation() override {
    if (!m_broken && !Play()) m_broken = true;
    if (m_broken) QApplication::beep();
  }

 private:
  bool Open() {
    if (ca_context_create(&m_context) != CA_SUCCESS) {
      m_context = nullptr;
      return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Tockmere", CA_PROP_APPLICATION_ID,
                            "tockmere", nullptr);
    return true;
  }

  bool Play() {
    if (m_context == nullptr && !Open()) return false;
    return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "dialog-warning",
                           CA_PROP_EVENT_DESCRIPTION, "Alarm call", nullptr) == CA_SUCCESS;
  }

  ca_context* m_context = nullptr;
  bool m_broken = false;
};

SystemSound* g_sound = nullptr;

SystemSound& RealSound() {
  static CanberraSound sound;
  return sound;
}

}  // namespace

SystemSound& GetSystemSound() {
  return g_sound != nullptr ? *g_sound : RealSound();
}

void SetSystemSound(SystemSound* sound) {
  g_sound = sound;
}
