// Reading PDF files back with poppler-utils.
#include "pdf_reading.h"

#include <iterator>
#include <sstream>

#include "command_run.h"

namespace pdf_reading {

namespace {

std::string Output(const std::string& tool, const std::filesystem::path& pdf, const std::string& tail = "") {
    return command_run::RunCommand(tool + " " + command_run::Quoted(pdf.string()) + tail).out;
}

}  // namespace

std::string Text(const std::filesystem::path& pdf) {
    std::istringstream words(Output("pdftotext -enc UTF-8", pdf, " -"));
    std::string text, word;
    while (words >> word)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

int Pages(const std::filesystem::path& pdf) {
    std::istringstream lines(Output("pdfinfo", pdf));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
    }
    return 0;
}

// pdffonts writes two heading lines, then one line per font: name, type words, encoding, and the
// columns emb, sub, uni, object number and generation.
std::vector<Font> Fonts(const std::filesystem::path& pdf) {
    std::istringstream lines(Output("pdffonts", pdf));
    std::vector<Font> fonts;
    int heading = 2;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        const std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
        if (heading-- <= 0 && words.size() >= 6)
            fonts.push_back({words[0], words[words.size() - 5] == "yes"});
    }
    return fonts;
}

}  // namespace pdf_reading
