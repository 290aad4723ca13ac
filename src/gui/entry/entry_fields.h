#pragma once

#include "gui/dialog/dialog_builder.h"

// The program classes of the time and date fields, for the dialog builder.
ControlFactories EntryFieldFactories();
