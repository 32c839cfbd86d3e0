// The pictures orvanel-calc writes beside its JSON: "--png FILE", "--svg FILE" or "--pdf FILE" on a
// command line asks for the picture the window would show. Drawing is plain C++ on display lists;
// writing the file needs Qt, so the executable supplies the writer and this library stays Qt-free.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "surface/drawing_surface.h"

namespace calc {

// Window designs are in twips; at 96 dpi a pixel is 15 of them.
inline constexpr double kTwipsPerPixel = 15;

enum class PictureFormat { Png, Svg, Pdf };

struct PictureFile {
    PictureFormat format = PictureFormat::Png;
    std::string path;
};

// Display lists side by side at their design sizes, under a caption line when `caption` is not empty.
struct Picture {
    std::string caption;  // UTF-8
    std::vector<const surface::DrawingSurface*> parts;
};

// Takes the one picture option out of `words`; nothing when there is none, a UsageError for two.
std::optional<PictureFile> TakePictureOption(std::vector<std::string>& words);

// Writes `picture`; false when the file could not be written.
using PictureWriter = std::function<bool(const Picture& picture, const PictureFile& file)>;
// Installed by the program; without one, asking for a picture is a usage error.
void SetPictureWriter(PictureWriter writer);
// Raises UsageError when no writer is installed or the file could not be written.
void WritePicture(const Picture& picture, const PictureFile& file);

}  // namespace calc
