#pragma once

// The desktop's warning sound ("dialog-warning" of the sound theme), with the
// display's bell as the fallback.
class SystemSound {
 public:
  virtual ~SystemSound() = default;
  virtual void PlayExclamation() = 0;
};

SystemSound& GetSystemSound();
void SetSystemSound(SystemSound* sound);  // nullptr: back to the real one
