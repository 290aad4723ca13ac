#include "core/model/core_ui.h"

namespace {
CoreUi* g_coreUi = nullptr;
}

void SetCoreUi(CoreUi* ui) {
  g_coreUi = ui;
}

CoreUi* GetCoreUi() {
  return g_coreUi;
}
