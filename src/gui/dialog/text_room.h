#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

struct ControlTemplate;
class QWidget;

// The widths of texts in a font, each measured once while a dialog is built:
// the rows of the list show the same texts, and shaping them is most of the
// cost of fitting the controls.
class TextWidths {
 public:
  int Widest(const QFont& font, const QStringList& texts);

 private:
  QHash<QString, int> m_widths;  // by the font's key and the text
};

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
