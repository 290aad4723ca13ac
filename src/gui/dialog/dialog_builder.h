#pragma once

#include <QDialog>
#include <QFont>
#include <QSize>
#include <functional>
#include <map>

#include "gui/dialog/dialog_template.h"

// Creates a widget for a control whose template names a program class.
using ControlFactory = std::function<QWidget*(QWidget* parent)>;
using ControlFactories = std::map<QString, ControlFactory>;

// Dialog base units of a font, in which the templates give every rectangle:
// horizontal unit = average character width / 4, vertical unit = character height / 8.
struct DialogUnits {
  double x = 1.0;
  double y = 1.0;
  QRect ToPixels(const QRect& units) const;
  QSize ToPixels(int width, int height) const;
};

class FittingMemo;
class TextWidths;

// The units of a font; with widths, its memo may recall the alphabet's width.
DialogUnits MeasureDialogUnits(const QFont& font, TextWidths* widths = nullptr);
QFont DialogFont(const DialogTemplate& tmpl);

// Builds every control of a template on the dialog at its place, sets the
// caption, the font and the fixed client size. A top bar (the dialog's menu
// bar) moves the controls down by its height in the dialog's font, the font
// it shows. Each control can be found again with GetDlgItem. A memo gives the
// face and the measures of the texts that an earlier start kept in it
// (dialog_face.h).
void BuildDialog(QDialog* dialog, const DialogTemplate& tmpl,
                 const ControlFactories& factories = {}, const QWidget* topBar = nullptr,
                 FittingMemo* memo = nullptr);

// Gives a dialog the icon of the window that owns it; one without an owner
// gets none.
void TakeOwnerIcon(QWidget* dialog);

// The control with an identifier, or nullptr.
QWidget* GetDlgItem(const QWidget* dialog, int id);

template <typename T>
T* DlgItem(const QWidget* dialog, int id) {
  return qobject_cast<T*>(GetDlgItem(dialog, id));
}
