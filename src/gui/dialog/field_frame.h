#pragma once

class QFrame;

// Has a framed multi-line field draw its frame as the style draws a line
// edit's: whole at every scale of the screen, and alike with the one-line
// fields beside it. The style's own frame of a text field is a line on the
// field's very edge, which a fractional scale (1.22, 1.5) rounds out of the
// field on one side or another.
void FrameAsLineEdit(QFrame* field);
