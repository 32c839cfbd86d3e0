// A consultation report as a page layout takes it: the title block, then headings, paragraphs,
// tables and figures in reading order. Texts are final; pictures are display lists. The layout
// decides where the pages break. Plain C++ without Qt.
#pragma once

#include <variant>
#include <vector>

#include "conceptplane/text.h"
#include "surface/drawing_surface.h"

namespace orvanel::report {

// How a piece of text is set: running text, emphasised, a quiet note, or symbols of the glyph font.
enum class Face { Body, Strong, Quiet, Glyph };
enum class Align { Left, Centre, Right };

struct Cell {
    cp::Text text;
    Face face = Face::Body;
};

struct Column {
    cp::Text heading;
    double share = 1;  // of the table's width, against the other columns' shares
    Align align = Align::Left;
};

struct Table {
    cp::Text caption;  // over the table, when not empty
    double width = 1;  // share of the text width
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;  // one cell per column
};

struct Heading {
    cp::Text text;
};

struct Paragraph {
    cp::Text text;
    Face face = Face::Body;
};

// Pictures side by side, each with its caption under it (none when empty), taking `width` of the
// text width together.
struct Figure {
    std::vector<surface::DrawingSurface> pictures;
    std::vector<cp::Text> captions;
    double width = 1;
};

// Tables side by side; a table alone may run on over several pages, side by side ones stay whole.
struct TableRow {
    std::vector<Table> tables;
};

struct PageBreak {};

using Block = std::variant<Heading, Paragraph, Figure, TableRow, PageBreak>;

struct Document {
    cp::Text kind;                // "Informe de la consulta"
    cp::Text title;               // whom it is about
    std::vector<cp::Text> facts;  // lines under the title: birth moments, the day it was made
    cp::Text footer;              // on every page, beside the page number
    std::vector<Block> blocks;
};

}  // namespace orvanel::report
