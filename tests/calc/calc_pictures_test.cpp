// orvanel-calc's picture files, from the program itself with no display: the file is written in the
// format asked for, at the size of the window's picture, and the JSON on standard output stays
// exactly what the same command prints without the option.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "calc_program.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Width and height from a PNG file's header.
std::pair<int, int> PngSize(const std::string& png) {
    const auto at = [&](std::size_t i) {
        return (static_cast<unsigned char>(png[i]) << 24) | (static_cast<unsigned char>(png[i + 1]) << 16) |
               (static_cast<unsigned char>(png[i + 2]) << 8) | static_cast<unsigned char>(png[i + 3]);
    };
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    return {at(16), at(20)};
}

class CalcPictures : public ::testing::Test {
  protected:
    CalcPictures() : folder_(fs::temp_directory_path() / ("calc-pictures-" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
    }
    ~CalcPictures() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(CalcPictures, WriteTheWindowsPictureAndLeaveTheJsonAsItIs) {
    struct Case {
        std::string command, option, file;
        std::function<void(const std::string&)> check;
    };
    const auto png = [](int width, int height) {
        return [=](const std::string& data) { EXPECT_EQ(PngSize(data), std::make_pair(width, height)); };
    };
    const Case cases[] = {
        // The chart wheel of 540 pixels under its 28-pixel caption, at twice the size.
        {"chart 2001 12 5 14 30", "--png", "wheel.png", png(1080, 1136)},
        {"chart 2001 12 5 14 30 --ascendant 90", "--svg", "wheel.svg",
         [](const std::string& svg) {
             EXPECT_NE(svg.find("<path"), std::string::npos);
             EXPECT_EQ(svg.find("font-family=\"Astrol\""), std::string::npos);
             EXPECT_NE(svg.find("Carta  Astral  de  "), std::string::npos);
         }},
        {"chart 2001 12 5 14 30", "--pdf", "wheel.pdf",
         [](const std::string& pdf) { EXPECT_EQ(pdf.rfind("%PDF", 0), 0U); }},
        // Orvanel's plane of 554 pixels, rorev's of 361, no caption.
        {"plane --orvanel sum 1000 2000 -3000 500", "--png", "sum.png", png(1108, 1108)},
        {"plane --rorev line 1000 2000 -3000 500", "--png", "line.png", png(722, 722)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + " " + c.option);
        const fs::path file = folder_ / c.file;
        const command_run::Run plain = CalcProgram(c.command);
        const command_run::Run pictured =
            CalcProgram(c.command + " " + c.option + " '" + file.string() + "'");
        EXPECT_EQ(pictured.status, 0);
        EXPECT_EQ(pictured.err, "");
        EXPECT_EQ(pictured.out, plain.out);
        c.check(Read(file));
    }
}

TEST_F(CalcPictures, AFileThatCannotBeWrittenOrAPictureOfNothingIsAUsageError) {
    for (const std::string& command :
         {"chart 2001 12 5 14 30 --png '" + (folder_ / "missing" / "x.png").string() + "'",
          std::string("plane --rorev lookup 10 10 --png x.png"),
          std::string("chart 2001 12 5 14 30 --png a.png --svg b.svg")}) {
        SCOPED_TRACE(command);
        const command_run::Run run = CalcProgram(command);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
