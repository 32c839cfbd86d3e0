// What the writers module of orvanel-calc offers its program: the file writers that need Qt's
// painting, kept out of the program so that a command writing no file never loads Qt's libraries.
// The program loads the module on the first picture or report asked for (writer_module.h).
#pragma once

#include <optional>
#include <string>

#include "orvanel/report/report_document.h"
#include "picture_output.h"

namespace calc {

struct WriterEntries {
    bool (*writePicture)(const Picture& picture, const PictureFile& file);
    std::optional<int> (*writeReport)(const orvanel::report::Document& document, const std::string& path);
    // Ends the Qt application the writers started, before the program ends.
    void (*finish)();
};

// The name of the module's file, and of the one function it exports, returning its entries.
inline constexpr char kWriterModuleFile[] = "orvanel-calc-writers.so";
inline constexpr char kWriterEntriesSymbol[] = "orvanel_calc_writer_entries";

}  // namespace calc
