#pragma once

#include <QSize>

#include "gui/dialog/text_widths.h"

struct ControlTemplate;
class QWidget;

// How much wider and higher than size a built control must be to show all its
// texts whole in its font: its own text, its items, and what the program puts
// into it at run time (the template's shows). A calendar must show its six
// week rows; a word-wrapped text must fit its height once wrapped; a picture
// shows at its own size.
QSize TextShortfall(const QWidget* widget, const ControlTemplate& ctl, QSize size,
                    TextWidths& widths);
// Whether a control can need more height: a word-wrapped label, a picture, a
// text field or a calendar; the others grow only in width.
bool CanNeedHeight(const QWidget* widget);
