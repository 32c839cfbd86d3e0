#include "qt_picture_writer.h"

#include "surface/export_picture.h"

namespace calc {

namespace {

surface::ExportFormat ToExportFormat(PictureFormat format) {
    switch (format) {
        case PictureFormat::Svg:
            return surface::ExportFormat::Svg;
        case PictureFormat::Pdf:
            return surface::ExportFormat::Pdf;
        case PictureFormat::Png:
            break;
    }
    return surface::ExportFormat::Png;
}

}  // namespace

bool QtPictureWriter::Write(const Picture& picture, const PictureFile& file) {
    qt_.Start();
    const surface::ExportPicture exported{QString::fromStdString(picture.caption), picture.parts, {}, {}};
    return surface::SaveExport(exported, QString::fromStdString(file.path), ToExportFormat(file.format));
}

}  // namespace calc
