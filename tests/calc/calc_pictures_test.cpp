// orvanel-calc's picture files, from the program itself with no display: the file is written in the
// format asked for, at the size of the window's picture, and the JSON on standard output stays
// exactly what the same command prints without the option.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc_run.h"
#include "core_builders.h"
#include "temp_folder.h"

namespace calc_test {
namespace {

// Width and height from a PNG file's header (their low 16 bits: the pictures are smaller).
std::pair<int, int> PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
    const auto at = [&](std::size_t i) {
        return static_cast<unsigned char>(png[i]) * 256 + static_cast<unsigned char>(png[i + 1]);
    };
    return {at(18), at(22)};
}

TEST(CalcPictures, WriteTheWindowsPictureAndLeaveTheJsonAsItIs) {
    const test_support::TempFolder folder;
    const struct {
        std::string command, option, file, holds;
        std::pair<int, int> png;
    } cases[] = {
        // The chart wheel of 540 pixels under its 28-pixel caption, at twice the size.
        {"chart 2001 12 5 14 30", "--png", "wheel.png", "PNG", {1080, 1136}},
        {"chart 2001 12 5 14 30 --ascendant 90", "--svg", "wheel.svg", "Carta  Astral  de  ", {0, 0}},
        {"chart 2001 12 5 14 30", "--pdf", "wheel.pdf", "%PDF", {0, 0}},
        // Orvanel's plane of 554 pixels, rorev's of 361, no caption.
        {"plane --orvanel sum 1000 2000 -3000 500", "--png", "sum.png", "PNG", {1108, 1108}},
        {"plane --rorev line 1000 2000 -3000 500", "--png", "line.png", "PNG", {722, 722}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + " " + c.option);
        const command_run::Run pictured =
            CalcProgram(c.command + " " + c.option + " " + command_run::Quoted(folder / c.file));
        EXPECT_EQ(std::pair(pictured.status, pictured.err), std::pair(0, std::string()));
        EXPECT_EQ(pictured.out, CalcProgram(c.command).out);
        const std::string bytes = test_support::ReadBytes(folder / c.file);
        EXPECT_NE(bytes.find(c.holds), std::string::npos);
        EXPECT_EQ(PngSize(bytes), c.png);
    }
    const command_run::Run unwritable =
        CalcProgram("chart 2001 12 5 14 30 --png " + (folder / "falta/x.png"));
    EXPECT_EQ(std::pair(unwritable.status, unwritable.out), std::pair(2, std::string()));

    // The program copied without its writers module still computes; a picture is refused, saying why.
    std::filesystem::copy_file(ORVANEL_CALC, folder / "orvanel-calc");
    const std::string alone = command_run::Quoted(folder / "orvanel-calc") + " --data " +
                              command_run::Quoted(core_builders::ShippedData()) + " chart 2001 12 5 14 30";
    EXPECT_EQ(command_run::RunCommand(alone).out, CalcProgram("chart 2001 12 5 14 30").out);
    const command_run::Run refused = command_run::RunCommand(alone + " --png " + (folder / "x.png"));
    EXPECT_EQ(std::pair(refused.status, refused.out), std::pair(2, std::string()));
    EXPECT_NE(refused.err.find("cannot load the picture and report writers"), std::string::npos)
        << refused.err;
}

}  // namespace
}  // namespace calc_test
