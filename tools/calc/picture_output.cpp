#include "picture_output.h"

#include <utility>

#include "calc_args.h"

namespace calc {

namespace {

PictureWriter& Writer() {
    static PictureWriter writer;
    return writer;
}

struct Option {
    const char* name;
    PictureFormat format;
};
constexpr Option kOptions[] = {
    {"--png", PictureFormat::Png}, {"--svg", PictureFormat::Svg}, {"--pdf", PictureFormat::Pdf}};

}  // namespace

std::optional<PictureFile> TakePictureOption(std::vector<std::string>& words) {
    std::optional<PictureFile> file;
    for (const Option& option : kOptions) {
        const auto path = TakeOption(words, option.name);
        if (!path) continue;
        if (file) throw UsageError("name one picture file, --png, --svg or --pdf");
        file = PictureFile{option.format, *path};
    }
    return file;
}

void SetPictureWriter(PictureWriter writer) {
    Writer() = std::move(writer);
}

void WritePicture(const Picture& picture, const PictureFile& file) {
    if (!Writer()) throw UsageError("this build of orvanel-calc writes no pictures");
    if (!Writer()(picture, file)) throw UsageError("cannot write the picture to " + file.path);
}

}  // namespace calc
