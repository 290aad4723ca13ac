#include "entry/ui_entry_fields.h"

ControlFactories EntryFieldFactories() { return {}; }
