#pragma once

#include <QRect>
#include <vector>

#include "gui/dialog/dialog_template.h"

class DialogGrowth;
class FittingMemo;
class QWidget;

// Has the built controls of a template grow as far as their texts and
// pictures need (places: where each stood, in pixels, before any growth), and
// the buttons that stand as a pair grow together. With a memo, the texts'
// measures are recalled from it where it holds them, and kept in it.
void FitControls(const std::vector<QWidget*>& widgets, const std::vector<ControlTemplate>& controls,
                 const std::vector<QRect>& places, DialogGrowth& growth,
                 FittingMemo* memo = nullptr);
