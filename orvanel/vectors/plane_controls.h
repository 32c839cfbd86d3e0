// The controls that both vectors windows build alike: the plane pictures, the zoom box, buttons,
// and what a left click on a plane tells the window (a refusal, the concepts on a line).
#pragma once

#include <QRect>
#include <QString>
#include <functional>

#include "conceptplane/vector_workspace.h"

class QListWidget;
class QPushButton;
class QWidget;

namespace surface {
class PictureWidget;
}

namespace orvanel {

// A concept plane: user scale 10600 x 10600, pale yellow on black, glyphs in Astrol of `astrolPoints`.
surface::PictureWidget* AddPlanePicture(QWidget* parent, const char* name, QRect twips, double astrolPoints);
// The zoom box: user scale 6000 x 6000, black on pale yellow, concept names in a small sans face.
surface::PictureWidget* AddZoomBox(QWidget* parent, const char* name, QRect twips);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                       std::function<void()> click);

// After a left click: a refused point is told in a message with `caption`; a new line's concepts
// fill `lineList`, which is shown.
void ShowAddPointOutcome(const cp::AddPointOutcome& outcome, const QString& caption, QListWidget* lineList);

}  // namespace orvanel
