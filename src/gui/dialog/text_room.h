#pragma once

#include <QSize>

struct ControlTemplate;
class QWidget;

// How much wider and higher than size a built control must be to show all its
// texts whole in its font: its own text, its items, and what the program puts
// into it at run time (the template's shows). A calendar must show its six
// week rows; a word-wrapped text must fit its height once wrapped.
QSize TextShortfall(const QWidget* widget, const ControlTemplate& ctl, QSize size);
