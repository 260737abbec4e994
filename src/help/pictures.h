// The help's pictures, drawn when first asked for: button faces, the page arrows, and the drawings
// of the main program's window, its features and its Options frame.
#pragma once

#include <QFont>
#include <QStringList>

#include "forms/forms.h"

namespace qv::help {

// Button faces: 0 normal, 1 pressed, 2 disabled, 3 an open main button, 6 a Hide button.
Picture ButtonFace(int element);
// Page arrows: 0 released, 1 pressed, 2 disabled.
Picture BackArrow(int element);
Picture ContinueArrow(int element);
// The drawing a picture frame shows (frames 1, 2, 6 and 10), sized to fill it, its labels in `font`
// or smaller where a label would not fit its place.
Picture FrameDrawing(int frame, int width, int height, const QFont& font);
// What the drawing of the main window (frame 6) labels, in the order it draws them.
QStringList MainWindowDrawingLabels();
// The stand-in for a user without a picture.
Picture DefaultUserPicture();

}  // namespace qv::help
