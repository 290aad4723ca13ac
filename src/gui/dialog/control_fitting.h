#pragma once

#include <QRect>
#include <vector>

#include "gui/dialog/dialog_template.h"

class DialogGrowth;
class QWidget;
class TextWidths;

// Has the built controls of a template grow as far as their texts and
// pictures need (places: where each stood, in pixels, before any growth), and
// the buttons that stand as a pair grow together. The texts are measured
// through widths (recalled from its memo where it holds them).
void FitControls(const std::vector<QWidget*>& widgets, const std::vector<ControlTemplate>& controls,
                 const std::vector<QRect>& places, DialogGrowth& growth, TextWidths& widths);
