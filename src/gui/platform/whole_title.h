#pragma once

class QWidget;

// On Wayland where the compositor draws no title bars (GNOME's), Qt draws
// them itself: the title centred over the whole width, cut where the window
// buttons begin, so a narrow window shows its title cut ("Your alarm ca").
// Once shown there, a window of fixed size is widened as far as its whole
// title needs; elsewhere (the compositor or the X11 window manager draws the
// title bar) nothing changes. Called when the window is shown.
void KeepTitleWhole(QWidget* window);
