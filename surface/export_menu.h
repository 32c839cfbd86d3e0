// The "E&xportar" menu of the picture windows: "Guardar imagen…" (Ctrl+S) writes the window's
// picture to a PNG, JPEG, SVG or PDF file chosen in the save dialog, "Imprimir…" (Ctrl+P) prints it.
// The picture is the window's display lists under its title and what its labels say, taken when the
// command runs.
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

// What the window's labels say about the picture, for the caption band under its title.
struct ExportNotes {
    QStringList notes;
    QStringList table;
};
using ExportNotesSource = std::function<ExportNotes()>;

// Adds the menu last on `window`'s menu bar; `indent` is the leading blanks of its other menus.
QMenu* AddExportMenu(QMainWindow* window, const QString& indent, ExportParts parts,
                     ExportNotesSource notes = {});
// For a window without a menu bar: the same two commands as its shortcuts and its context menu.
void AddExportCommands(QWidget* window, ExportParts parts, ExportNotesSource notes = {});

// The commands themselves: a cancelled dialog does nothing; a failure, or a file name whose
// extension names a format they cannot write, is told in a message box.
void SaveImage(const ExportPicture& picture);
void PrintPicture(const ExportPicture& picture);

}  // namespace surface
