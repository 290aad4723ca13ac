#pragma once

struct DialogTemplate;

// The main window's template (IDD_TOCKMERE_DIALOG): the entry form, the alarm
// list and the clock line.
const DialogTemplate& MainTemplate();
