// The design colours of the controls: text colour on a background colour, or on none.
#pragma once

#include <QColor>

class QWidget;

namespace rorev {

void SetColours(QWidget* widget, QColor fore, QColor back);
// A command button in the system's button face, whatever the window's colours.
void SetButtonFace(QWidget* button);
// Text in `fore` over whatever lies beneath (a label over a picture).
void SetTransparent(QWidget* widget, QColor fore);

}  // namespace rorev
