// The warning sound through the desktop's event-sound service.
#include "gui/platform/system_sound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QApplication>

namespace {

// The calls of libcanberra the sound makes. The library is opened at the
// first sound, not at start-up: loading it and what it brings (the Vorbis
// decoder, its sound cache) would cost every start about 3 million
// instructions, a tenth of what the window costs beyond a bare dialog.
struct Canberra {
  decltype(&ca_context_create) create = nullptr;
  decltype(&ca_context_change_props) changeProps = nullptr;
  decltype(&ca_context_play) play = nullptr;
  decltype(&ca_context_destroy) destroy = nullptr;

  // Whether the library and each call were found.
  bool Load() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    Find(library, create, "ca_context_create");
    Find(library, changeProps, "ca_context_change_props");
    Find(library, play, "ca_context_play");
    Find(library, destroy, "ca_context_destroy");
    return create != nullptr && changeProps != nullptr && play != nullptr && destroy != nullptr;
  }

  template <typename Call>
  static void Find(void* library, Call& call, const char* name) {
    call = reinterpret_cast<Call>(dlsym(library, name));
  }
};

// One canberra context for the program's life, made at the first sound.
// ca_context_play only starts the sound: it does not wait for it to end. When
// the library or the context cannot be had or a sound cannot be started (no
// sound server or card, no sound theme), the display's bell sounds instead,
// and canberra is not tried again: each failed try costs time and floods the
// error output.
class CanberraSound : public SystemSound {
 public:
  ~CanberraSound() override {
    if (m_context != nullptr) m_ca.destroy(m_context);
  }

  void PlayExclamation() override {
    if (!m_broken && !Play()) m_broken = true;
    if (m_broken) QApplication::beep();
  }

 private:
  bool Open() {
    if (!m_ca.Load() || m_ca.create(&m_context) != CA_SUCCESS) {
      m_context = nullptr;
      return false;
    }
    m_ca.changeProps(m_context, CA_PROP_APPLICATION_NAME, "Tockmere", CA_PROP_APPLICATION_ID,
                     "tockmere", nullptr);
    return true;
  }

  bool Play() {
    if (m_context == nullptr && !Open()) return false;
    return m_ca.play(m_context, 0, CA_PROP_EVENT_ID, "dialog-warning", CA_PROP_EVENT_DESCRIPTION,
                     "Alarm call", nullptr) == CA_SUCCESS;
  }

  Canberra m_ca;
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
