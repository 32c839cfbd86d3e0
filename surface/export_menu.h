// The "E&xportar" menu of the picture windows: "Guardar imagen…" (Ctrl+S) writes the window's
// picture to a PNG, SVG or PDF file chosen in the save dialog, "Imprimir…" (Ctrl+P) prints it. The
// picture is the window's display lists under its title, taken when the command runs.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "surface/export_picture.h"

class QMainWindow;
class QMenu;
class QWidget;

namespace surface {

// The display lists to export, left to right.
using ExportList = std::vector<const DrawingSurface*>;
using ExportParts = std::function<ExportList()>;

// Adds the menu last on `window`'s menu bar; `indent` is the leading blanks of its other menus.
QMenu* AddExportMenu(QMainWindow* window, const QString& indent, ExportParts parts);
// For a window without a menu bar: the same two commands as its shortcuts and its context menu.
void AddExportCommands(QWidget* window, ExportParts parts);

// The commands themselves: a cancelled dialog does nothing; a failure is told in a message box.
void SaveImage(const ExportPicture& picture);
void PrintPicture(const ExportPicture& picture);

}  // namespace surface
