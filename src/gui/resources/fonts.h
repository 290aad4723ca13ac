#pragma once

#include <QString>

// The face of the pop-up font for a font number: 0 Arial, 1 Times New Roman,
// 2 MS Sans Serif, 3 Garamond, 4 Monotype Corsiva; any other number gives
// Times New Roman.
QString AlarmFontFace(int fontNo);
inline constexpr int kAlarmFontCount = 5;

// Points the pop-up faces that fontconfig does not know by name at installed
// faces of the same metrics or look, so each pop-up font is a face of its own.
void InstallFontSubstitutes();
