// What poppler's tools (pdftotext, pdfinfo, pdffonts) read back from a PDF file, as a person's PDF
// viewer would: its text, its pages, its fonts.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pdf_reading {

// The text of every page, each run of white space turned into one blank.
std::string Text(const std::filesystem::path& pdf);
// 0 when poppler cannot read the file.
int Pages(const std::filesystem::path& pdf);

struct Font {
    std::string name;
    bool embedded = false;
};
std::vector<Font> Fonts(const std::filesystem::path& pdf);

}  // namespace pdf_reading
