// How the programs' own widgets reach screen readers: windows that are plain widgets as windows named
// by their titles, pictures as graphics, and widgets marked as buttons (the hover labels) as buttons.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace surface {

// `widget` is exposed with `role`; a label keeps its text as its name.
void ExposeAs(QWidget* widget, QAccessible::Role role);

// A picture's name and description for screen readers, in Spanish as the programs speak.
void DescribePicture(QWidget* picture, const QString& name, const QString& description);

}  // namespace surface
