#pragma once

#include <QFont>

class FittingMemo;
struct DialogTemplate;

// The face a template names (MS Sans Serif) is seldom installed: fontconfig
// then chooses another, and Qt's search for it goes through the description
// of every installed font, a tenth of the main window's start. With a memo,
// a start asks for the family the face came to at the last start by name.
QFont RememberedDialogFont(const DialogTemplate& tmpl, FittingMemo& memo);

// Run once the window is shown: where the template's face comes to another
// family now (fonts or their configuration changed since the last start),
// the memo takes it for the next start.
void CheckDialogFace(const DialogTemplate& tmpl, FittingMemo& memo);
