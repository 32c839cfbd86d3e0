// The fonts of the window designs: the symbol font Astrol shipped with the programs, and free faces
// installed with the system standing in for the designs' Windows fonts.
#pragma once

#include <QFont>
#include <QString>

#include "surface/drawing_surface.h"

namespace surface {

// Registers fonts/Astrol.ttf with the font database (from the installed data folder or the source
// tree); false when it was not found or not accepted. Call once after the QApplication exists.
bool LoadFonts();

// The installed face standing in for a design font, at the design's point size.
QFont DesignFont(const QString& family, double points, bool bold, bool italic);
QFont DesignFont(const Font& font);

}  // namespace surface
