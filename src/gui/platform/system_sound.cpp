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
    if (context_ != nullptr) ca_context_destroy(context_);
  }

  void PlayExclamation() override {
    if (!broken_ && !Play()) broken_ = true;
    if (broken_) QApplication::beep();
  }

 private:
  bool Open() {
    if (ca_context_create(&context_) != CA_SUCCESS) {
      context_ = nullptr;
      return false;
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Tockmere", CA_PROP_APPLICATION_ID,
                            "tockmere", nullptr);
    return true;
  }

  bool Play() {
    if (context_ == nullptr && !Open()) return false;
    return ca_context_play(context_, 0, CA_PROP_EVENT_ID, "dialog-warning",
                           CA_PROP_EVENT_DESCRIPTION, "Alarm call", nullptr) == CA_SUCCESS;
  }

  ca_context* context_ = nullptr;
  bool broken_ = false;
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
