// Building blocks of Orvanel's window designs: black, fixed-size client areas laid out in twips,
// labels with their design fonts and fore colours, list boxes, top-level menu items, and the
// conversions between the program's texts and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "conceptplane/text.h"

class QAction;
class QLabel;
class QListWidget;
class QMenuBar;
class QWidget;

namespace surface {
class ChoiceList;
}

namespace orvanel {

QString ToQt(const cp::Text& text);
cp::Text FromQt(const QString& text);

// A black client area of a design size in twips, which the user cannot resize.
void SetUpClientArea(QWidget* area, int widthTwips, int heightTwips);

// A label as the designs have it: a plain-text caption (CR LF shown as a line break), words wrapped
// inside its box, a transparent background, the design font and fore colour; centred or left.
enum class Align { Left, Centre };
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect twips, const QFont& font,
                 QColor fore, Align align);
void SetCaption(QLabel* label, const cp::Text& caption);
void SetForeColour(QWidget* widget, QColor colour);
// An opaque background of `colour` (labels are transparent otherwise).
void SetBackColour(QWidget* widget, QColor colour);
QColor ForeColour(const QWidget* widget);

// A list box: plain-text items in the design font and colours, each shown whole; it tells only of a
// person's choices.
surface::ChoiceList* AddList(QWidget* parent, const char* name, QRect twips, const QFont& font, QColor fore,
                             QColor back);
// Replaces the items of a list.
void FillList(QListWidget* list, const std::vector<cp::Text>& items);

// `follower` (a heading) is shown and hidden whenever `leader` (its list) is, so that it never
// stands over an empty place.
void ShowAndHideWith(QWidget* follower, QWidget* leader);

// A top-level menu item that acts when it is chosen (no submenu).
QAction* AddMenuItem(QMenuBar* bar, const char* name, const QString& caption);

}  // namespace orvanel
