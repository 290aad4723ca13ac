#pragma once

#include <QByteArray>
#include <QStringList>

class QFont;

// All that the width of a text in a font depends on but the text: the face
// the font comes to and its file (the file's 'head' table, whose check covers
// the whole file), the size in pixels, the advance of every printable ASCII
// character at the hinting in use, the screen's scale and DPI, and the Qt,
// text shaping and program versions. Empty where a result could not be told
// apart from another face's: a face without a 'head' table, or one that lacks
// a printable ASCII character, which another face would then draw.
QByteArray FacePrint(const QFont& font);

// The program's and Qt's versions, the font as asked for and the screen's
// scale and DPI: what a face and its measures depend on besides the fonts
// installed.
QByteArray AskedPrint(const QFont& font);

// Whether every character of the texts is printable ASCII, which alone the
// print covers.
bool PrintableAscii(const QStringList& texts);
